#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes a picture of the main window on a virtual X display (the README's docs/main-window.png).
# Usage: scripts/screenshot.sh OUTPUT.png [KEY...]
#   KEY: keys pressed before the picture is taken, in xdotool's names (Tab, shift+Tab, space).
# With WHOLE_SCREEN=1 the picture is the screen where the window stands, so an open menu, a window
# of its own, shows too (docs/file-menu.png: WHOLE_SCREEN=1 scripts/screenshot.sh docs/file-menu.png alt+f).
# The window starts in an empty folder whose nbr.ini holds example paths and boxes, or a copy of
# the file named by NBR_INI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
shift

if [ -z "${NICKBRIDGE_ON_XVFB:-}" ]; then
    bash "$root/scripts/setup.sh" xvfb xauth imagemagick xdotool
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build" --target nickbridge >/dev/null
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    if [ -n "${NBR_INI:-}" ]; then
        cp "$NBR_INI" "$work/nbr.ini"
    else
        printf '%s\r\n' /home/ann/eudora/nndbase.txt /tmp/converted.txt /home/ann/eudora \
            /home/ann/eudora / /tmp / ' 1 ' ' 1 ' ' 0 ' ' 1 ' ' 1 ' ' 1 ' ' 0 ' ' 1 ' >"$work/nbr.ini"
    fi
    cd "$work"
    NICKBRIDGE_ON_XVFB=1 xvfb-run -a -s '-screen 0 640x480x24' bash "$root/scripts/screenshot.sh" "$out" "$@"
    exit
fi

"$root/build/src/app/nickbridge" &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^NickBridge: Nicknames Conversion$' | head -n 1)
sleep 1  # the window is found as soon as it is mapped, before it has drawn itself
xdotool windowfocus --sync "$window"
for key in "$@"; do xdotool key --clearmodifiers "$key"; done
sleep 1
if [ -n "${WHOLE_SCREEN:-}" ]; then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
else
    import -window "$window" "$out"
fi

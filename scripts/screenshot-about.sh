#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes docs/about-box.png: starts NickBridge on a virtual X display (Xvfb, 96 dots per inch),
# opens Help > About with the keyboard and grabs the dialog's window.
# Usage: scripts/screenshot-about.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [[ -z ${NICKBRIDGE_ON_XVFB:-} ]]; then
    bash scripts/setup.sh xvfb xauth imagemagick xdotool
    cmake --build "$build" --target nickbridge
    NICKBRIDGE_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$build"
fi

# found NAME: waits up to ten seconds for a window of that title and prints its id.
found() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 && return 0
        sleep 0.1
    done
    echo "no window \"$1\" appeared" >&2
    return 1
}

program=$(realpath "$build/src/app/nickbridge")
out=$(realpath docs)/about-box.png
scratch=$(mktemp -d)  # the program's current folder, where it keeps nbr.ini
(cd "$scratch" && exec "$program") &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT

main=$(found "NickBridge: Nicknames Conversion")
xdotool windowfocus --sync "$main" key --window "$main" alt+h a
about=$(found "About NickBridge")
sleep 0.5  # let it paint
import -window "$about" "$out"
echo "wrote $out"

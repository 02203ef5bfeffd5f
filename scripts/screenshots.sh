#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Screenshots of the two choosers for the README, taken under Xvfb: starts NickBridge in a small
# sample folder, opens each chooser with its access key and saves it as docs/*-chooser.png.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh xvfb xauth imagemagick xdotool
program=$(realpath "${1:-build}/src/app/nickbridge")
docs=$(pwd)/docs
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
work=$scratch/alice

mkdir -p "$work/Eudora/attach" "$work/Letters" "$work/Palm Export"
printf 'alias ann ann@example.org\r\n' >"$work/Eudora/NNDBASE.TXT"
printf 'alias bob bob@example.org\r\n' >"$work/Eudora/work.txt"
printf 'alias old old@example.org\r\n' >"$work/Eudora/nndbase.txt.bak"
printf 'not listed\r\n' >"$work/Eudora/eudora.ini"

cat >"$work/shoot.sh" <<'INNER'
set -euo pipefail
cd "$1"
"$2" &
app=$!
shoot() {  # KEY WINDOW-TITLE FILE
    xdotool search --sync --name '^NickBridge: Nicknames Conversion$' windowfocus --sync
    xdotool key --clearmodifiers "$1"
    local id
    id=$(xdotool search --sync --name "^$2\$" | head -1)
    sleep 0.5
    import -window "$id" "$3"
    # Without a window manager the keyboard goes where it is sent: to the chooser's Cancel.
    xdotool windowfocus --sync "$id" key --clearmodifiers alt+c
    sleep 1
}
sleep 1
shoot alt+b 'Source Nickname File' "$3/source-chooser.png"
shoot alt+r 'Output Folder' "$3/output-chooser.png"
kill "$app"
INNER
# The source chooser opens in the folder it was last confirmed in.
printf '\r\n\r\n%s\r\n%s\r\n/ [root]\r\n%s\r\n/ [root]\r\n' \
    "$work/Eudora" "$work/Eudora" "$work" >"$work/nbr.ini"
xvfb-run -a -s "-screen 0 800x600x24" bash "$work/shoot.sh" "$work" "$program" "$docs"
echo "Saved $docs/source-chooser.png and $docs/output-chooser.png"

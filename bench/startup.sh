#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Median wall time of 21 starts of: a minimal Qt Widgets window; NickBridge in a folder whose
# nbr.ini names no folder; NickBridge whose nbr.ini remembers a folder of 100,000 files; NickBridge
# whose nbr.ini holds a source path of 10 MB on one line. The four
# take turns, so a machine whose load drifts weighs on all of them alike.
# Usage: bench/startup.sh BUILD_DIR   (run nickbridge-chooser-bench once first: it makes the folder)
set -euo pipefail
probe=$(realpath "${1:-build}/bench/nickbridge-startup-probe")
big=${TMPDIR:-/tmp}/nickbridge-bench-100k
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/empty" "$work/remembering" "$work/long"
printf '\r\n\r\n\r\n\r\n\r\n\r\n\r\n' >"$work/empty/nbr.ini"
printf '\r\n\r\n%s\r\n%s\r\n/ [root]\r\n%s\r\n/ [root]\r\n' "$big" "$big" "$big" \
    >"$work/remembering/nbr.ini"
{ printf /; head -c 10000000 /dev/zero | tr '\0' a; printf '\r\n\r\n\r\n\r\n\r\n\r\n\r\n'; } >"$work/long/nbr.ini"

elapsed() {  # DIR WHAT: milliseconds of one start
    local start end
    start=$(date +%s%N)
    (cd "$1" && "$probe" "$2" >/dev/null 2>&1)
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
minimal=() empty=() remembering=() long=()
for _ in $(seq 21); do
    minimal+=("$(elapsed "$work" minimal)")
    empty+=("$(elapsed "$work/empty" nickbridge)")
    remembering+=("$(elapsed "$work/remembering" nickbridge)")
    long+=("$(elapsed "$work/long" nickbridge)")
done
median() { printf '%s\n' "$@" | sort -n | sed -n 11p; }
echo "minimal Qt window:            $(median "${minimal[@]}") ms"
echo "NickBridge, empty folders:    $(median "${empty[@]}") ms"
echo "NickBridge, 100,000 files:    $(median "${remembering[@]}") ms"
echo "NickBridge, 10 MB path line:  $(median "${long[@]}") ms"

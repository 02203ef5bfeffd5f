#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Median wall time of 21 starts of: a minimal Qt Widgets window; NickBridge in a folder whose
# nbr.ini names no folder; NickBridge whose nbr.ini remembers a folder of 100,000 files.
# Usage: bench/startup.sh BUILD_DIR   (run nickbridge-chooser-bench once first: it makes the folder)
set -euo pipefail
probe=$(realpath "${1:-build}/bench/nickbridge-startup-probe")
big=${TMPDIR:-/tmp}/nickbridge-bench-100k
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() {  # median of N starts, in milliseconds
    local dir=$1 what=$2 times=()
    for _ in $(seq 21); do
        local start end
        start=$(date +%s%N)
        (cd "$dir" && "$probe" "$what" >/dev/null 2>&1)
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 11p
}

mkdir -p "$work/empty" "$work/remembering"
printf '\r\n\r\n\r\n\r\n\r\n\r\n\r\n' >"$work/empty/nbr.ini"
printf '\r\n\r\n%s\r\n%s\r\n/ [root]\r\n%s\r\n/ [root]\r\n' "$big" "$big" "$big" \
    >"$work/remembering/nbr.ini"
echo "minimal Qt window:            $(median "$work" minimal) ms"
echo "NickBridge, empty folders:    $(median "$work/empty" nickbridge) ms"
echo "NickBridge, 100,000 files:    $(median "$work/remembering" nickbridge) ms"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A replaced output must survive a power loss: after the rename the folder is flushed as well, or
# the old file may come back. Watches nickbridge-convert's system calls; skips without strace.
# Usage: durable_replace.sh NICKBRIDGE_CONVERT NICKNAME_FILE
set -euo pipefail
convert=$1
nicknames=$2
if ! command -v strace >/dev/null || ! strace -o /dev/null true 2>/dev/null; then
    echo "strace is missing or may not trace here"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'old\r\n' >"$work/out.csv"
# LeakSanitizer cannot run under a tracer; the sanitizer build checks leaks in every other test.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -o "$work/trace" -e trace=openat,rename,renameat,renameat2,fsync \
    "$convert" "$nicknames" "$work/out.csv" >/dev/null
# After the rename onto out.csv: a folder opened, then that descriptor flushed.
if ! awk '
    /rename.*out\.csv/ { renamed = 1; next }
    renamed && /O_DIRECTORY/ && match($0, /= [0-9]+$/) { folder = substr($0, RSTART + 2); next }
    renamed && folder != "" && index($0, "fsync(" folder ")") == 1 && / = 0$/ { synced = 1 }
    END { exit synced ? 0 : 1 }' "$work/trace"; then
    echo "the folder is not flushed after the rename:"
    cat "$work/trace"
    exit 1
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds fuzz-conversion with clang in build-fuzz and fuzzes for SECONDS (default 60), starting
# from the seeds plus whatever earlier runs left in fuzz/corpus-run (delete it to start afresh).
# Exits non-zero when the fuzzer finds a crash, a failed check, a leak or a slow input; the input
# is saved in build-fuzz/fuzz-artifacts/.
# Usage: fuzz/run.sh [SECONDS]
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
corpus=$root/fuzz/corpus-run
artifacts=$build/fuzz-artifacts/

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNICKBRIDGE_FUZZ=ON -DNICKBRIDGE_GUI=OFF -DNICKBRIDGE_TESTS=OFF -DNICKBRIDGE_BENCH=OFF \
    >/dev/null
cmake --build "$build" -j2 --target fuzz-conversion

mkdir -p "$corpus" "$artifacts"
cp "$root"/fuzz/seeds/*.txt "$corpus"/
# Inputs up to 64 KiB; one that takes over 10 s means some step is no longer linear.
log=$build/fuzz.log
if ! "$build/fuzz/fuzz-conversion" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -dict="$root/fuzz/conversion.dict" -artifact_prefix="$artifacts" \
    -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "fuzz-conversion failed; the input is in $artifacts, the whole log in $log" >&2
    exit 1
fi
grep -E '^Done|^stat::' "$log"

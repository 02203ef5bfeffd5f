#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang in build-fuzz and fuzzes each for SECONDS (default 60):
# fuzz-conversion from the nickname seeds (hand-made ones and large generated ones), fuzz-settings
# from the nbr.ini seeds, each plus whatever earlier runs left in fuzz/corpus-run and
# fuzz/corpus-settings-run (delete them to start afresh).
# Exits non-zero when a fuzzer finds a crash, a failed check, a leak or a slow input; the input
# is saved in build-fuzz/fuzz-artifacts/.
# Usage: fuzz/run.sh [SECONDS]
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
artifacts=$build/fuzz-artifacts/

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNICKBRIDGE_FUZZ=ON -DNICKBRIDGE_GUI=OFF -DNICKBRIDGE_TESTS=OFF -DNICKBRIDGE_BENCH=OFF \
    >/dev/null
cmake --build "$build" -j2 --target fuzz-conversion fuzz-settings
mkdir -p "$artifacts"

# fuzz TARGET CORPUS DICTIONARY
fuzz() {
    local target=$1 corpus=$2 dictionary=$3
    local log=$build/$target.log
    # Inputs up to 256 KiB, allowed at once (no slow length ramp from the seeds), so they grow past
    # the largest seeds; one that takes over 10 s means some step is no longer linear. A small
    # quarantine keeps the address sanitizer reusing freed memory, not faulting in fresh pages for
    # every allocation (a third more runs a second); it still holds the most recent 8 MB of frees,
    # which is where a use after free lands. Leaks are looked for after any run that allocates
    # more than it frees, and at exit. The corpus folder is never reread (-reload=0): the fuzzer
    # alone writes to it, and each reread hashed every input it had just added once more.
    # Speed of fuzz-conversion on the 2-core machine with the other core idle, from the three large
    # seeds alone: a minute makes 420 to 740 runs a second, as many a CPU second, how many with
    # the inputs the fuzzer happens to grow (400 before output was compared as it was written,
    # memrchr windowed and the corpus no longer reread; 50 before the buffers were reused, the
    # costlier checks shared out and comparison tracing dropped). Ten minutes made 400 to 460 runs
    # a second, no more than before (440), 584 of 1396 inputs over 64 KiB, the largest 256 KiB.
    if ! ASAN_OPTIONS="quarantine_size_mb=8${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
        "$build/fuzz/$target" -max_total_time="$seconds" -max_len=262144 -len_control=0 \
        -timeout=10 -rss_limit_mb=2048 -reload=0 -dict="$dictionary" -artifact_prefix="$artifacts" \
        -print_final_stats=1 "$corpus" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "$target failed; the input is in $artifacts, the whole log in $log" >&2
        exit 1
    fi
    echo "$target:"
    grep -E '^Done|^stat::' "$log"
}

conversion=$root/fuzz/corpus-run
mkdir -p "$conversion"
cp "$root"/fuzz/seeds/*.txt "$conversion"/
bash "$root/fuzz/large_seeds.sh" "$conversion"
fuzz fuzz-conversion "$conversion" "$root/fuzz/conversion.dict"

settings=$root/fuzz/corpus-settings-run
mkdir -p "$settings"
cp "$root"/fuzz/seeds/*.ini "$settings"/
fuzz fuzz-settings "$settings" "$root/fuzz/settings.dict"

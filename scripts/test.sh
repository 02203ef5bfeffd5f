#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs every test: the GCC build with Debian's hardening
# flags (tests, benchmark, Debian package), the clang build under AddressSanitizer and
# UndefinedBehaviorSanitizer (tests again), the Windows build under Wine, clang-tidy and
# clang-format, and a short fuzzing run. The Wine, fuzzing and clang-tidy stages run beside the
# others; each stage's time is printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Every build below, and those the other scripts start, stops at the first compiler warning.
export NICKBRIDGE_WERROR=ON
# A compiler cache where one is installed: a second run rebuilds only what changed. Nothing
# depends on it.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=$PWD CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime
fi

logs=$(mktemp -d "${TMPDIR:-/tmp}/nickbridge-test.XXXXXX")
times=()
started=$SECONDS
# stage NAME COMMAND...: runs one stage in the foreground and notes its time.
stage() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    times+=("$(printf '%5ds  %s' $((SECONDS - start)) "$name")")
}
# beside NAME COMMAND...: starts a stage in the background, its output kept for the end.
declare -A besidePids
# A stage that fails ends the run; what runs beside it ends with it.
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
beside() {
    local name=$1
    shift
    echo "== $name: started beside the others"
    (
        start=$SECONDS
        "$@" >"$logs/$name.log" 2>&1
        echo "$((SECONDS - start))" >"$logs/$name.seconds"
    ) &
    besidePids[$name]=$!
}

hardened_build() {
    # With Debian's hardening flags, as a Debian package build has them: the package is made here.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    build/bench/nickbridge-bench --benchmark_list_tests >/dev/null
}
sanitizer_build() {
    # clang, so that its warnings stop the build too; line tables are all a sanitizer's report
    # needs.
    CC=clang CXX=clang++ bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only -DNICKBRIDGE_SANITIZE=ON -DNICKBRIDGE_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
}
tidy() {
    # clang-tidy needs only the compile commands and the generated headers, which configuring
    # writes: it need not wait for a build.
    cmake -S . -B build-tidy -G Ninja -DNICKBRIDGE_BENCH=OFF >/dev/null
    bash scripts/tidy.sh build-tidy
}

# The Wine stage installs its own packages first, before anything else is running.
bash scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 wine
beside "Windows build of the Qt-free code, tests under Wine" bash scripts/test-windows.sh
beside "Fuzzing the conversion core and the settings reader" bash fuzz/run.sh 30
beside "clang-tidy and clang-format" tidy
stage "Tests (GCC, Debian's hardening flags), benchmark" hardened_build
stage "Debian package" bash scripts/check-package.sh build
stage "Tests under AddressSanitizer and UndefinedBehaviorSanitizer (clang)" sanitizer_build

failed=0
for name in "${!besidePids[@]}"; do
    if wait "${besidePids[$name]}"; then
        echo "== $name"
        cat "$logs/$name.log"
        times+=("$(printf '%5ds  %s (beside)' "$(cat "$logs/$name.seconds")" "$name")")
    else
        echo "== $name: FAILED"
        cat "$logs/$name.log"
        failed=1
    fi
done

echo "== Stage times (wall clock; the stages marked beside ran alongside the others)"
printf '%s\n' "${times[@]}"
printf '%5ds  in all\n' $((SECONDS - started))
rm -rf "$logs"
exit "$failed"

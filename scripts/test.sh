#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs every test: the normal build, the sanitizer build,
# the Windows build under Wine, the Debian package, the Release and clang builds and a short
# fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Every build below, and those the other scripts start, stops at the first compiler warning.
export NICKBRIDGE_WERROR=ON

echo "== Tests"
# With Debian's hardening flags, as a Debian package build has them: the package is made here.
(
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" bash scripts/build.sh build
)
ctest --test-dir build --output-on-failure -j "$(nproc)"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DNICKBRIDGE_SANITIZE=ON -DNICKBRIDGE_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

echo "== Windows build of the Qt-free code, tests under Wine"
bash scripts/test-windows.sh

echo "== Debian package"
bash scripts/check-package.sh build

echo "== Release build with the benchmark (GCC -O3)"
bash scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release
build-bench/bench/nickbridge-bench --benchmark_list_tests >/dev/null

echo "== clang build (MinSizeRel), tests"
CC=clang CXX=clang++ bash scripts/build.sh build-clang -DCMAKE_BUILD_TYPE=MinSizeRel -DNICKBRIDGE_BENCH=OFF
ctest --test-dir build-clang --output-on-failure -j "$(nproc)"

echo "== Fuzzing the conversion core and the settings reader"
bash fuzz/run.sh 30

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and runs every test: the normal build, the sanitizer build,
# the Windows build under Wine and a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "== Tests"
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DNICKBRIDGE_SANITIZE=ON -DNICKBRIDGE_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

echo "== Windows build of the Qt-free code, tests under Wine"
bash scripts/test-windows.sh

echo "== Fuzzing the conversion core and the settings reader"
bash fuzz/run.sh 30

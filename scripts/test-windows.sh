#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds everything free of Qt for Windows (mingw-w64, static) and runs it under Wine: the
# libraries' own tests, then nickbridge-convert.exe end to end with Windows paths and files.
# Usage: scripts/test-windows.sh [BUILD_DIR]   (default: build-win)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 wine
build=${1:-build-win}

# A fresh Wine installation per run, without a display; mscoree and mshtml are switched off so
# that creating it never asks for Mono or Gecko.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/nickbridge-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
# Wine takes its ANSI code page (1252) and the encoding of file names from the locale.
export LC_ALL=C.UTF-8
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT

# One wineserver for the whole run. It, and the helper processes the first start leaves running,
# must not hold CMake's or ctest's output pipes open, or those wait for them forever: so they are
# started here, with their output going nowhere.
wineserver -p >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1

# MinSizeRel: the one build type the other builds of scripts/test.sh do not make.
bash scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DNICKBRIDGE_GUI=OFF -DNICKBRIDGE_BENCH=OFF -DNICKBRIDGE_FUZZ=OFF
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
bash tests/windows/convert_end_to_end.sh "$build/src/cli/nickbridge-convert.exe"
bash tests/windows/registry_end_to_end.sh "$build/tests/windows/registry-probe.exe"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# clang-tidy (.clang-tidy: bugprone, performance, unchecked results) over our own sources, and the
# clang-format check over every C++ file of the tree. Usage: scripts/tidy.sh BUILD_DIR, a build
# tree configured with CMAKE_EXPORT_COMPILE_COMMANDS (every one here is).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1

echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

# The Qt-free sources, where every finding is handled; the Windows files are not in this
# build's compile database.
mapfile -t sources < <(git ls-files 'src/*.cpp' | grep -v -e '_windows\.cpp$' -e '^src/ui/' -e '^src/app/')
echo "clang-tidy: ${#sources[@]} files"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
    { grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u; exit 1; }

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages that building and testing need, where they are missing.
# Usage: scripts/setup.sh [extra packages...]
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libcli11-dev
    fonts-dancingscript  # the About box title's script face where Lucida Handwriting is missing
    fonts-liberation2    # the narrow sans face that stands in for MS Sans Serif
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    clang-tidy clang-format  # scripts/tidy.sh
    lintian help2man appstream desktop-file-utils
    python3-vobject  # a real vCard reader for the export's round-trip test
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts NickBridge. The program keeps its settings in
# nbr.ini in the folder it is started from: the folder you run this script from.
set -euo pipefail
here=$(pwd)
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): NickBridge needs a desktop." >&2
    echo "Without one, use the command-line converter: build/src/cli/nickbridge-convert --help" >&2
    exit 1
fi
program=$(pwd)/build/src/app/nickbridge
cd "$here"
exec "$program"

#!/usr/bin/env bash
# Installs what is missing, builds, and starts NickBridge.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
exec build/src/cli/nickbridge-convert examples/sample-nicknames.txt "${TMPDIR:-/tmp}/converted.txt"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package in BUILD_DIR and checks it without installing it: unpacks it into a
# temporary folder, runs the unpacked nickbridge-convert, and runs lintian, appstreamcli and
# desktop-file-validate on it. Any error or warning fails.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "$1" && pwd)

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/nickbridge_*.deb)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

echo "-- $(basename "$deb"): the unpacked converter"
convert=$unpacked/usr/bin/nickbridge-convert
"$convert" --version
"$convert" examples/sample-nicknames.txt "$unpacked/converted.txt"
# The stripped program converts exactly as the one just built.
"$build/src/cli/nickbridge-convert" examples/sample-nicknames.txt "$unpacked/expected.txt" >/dev/null
cmp "$unpacked/expected.txt" "$unpacked/converted.txt"

echo "-- lintian"
lintian --fail-on error,warning --display-info "$deb"
# --no-net: the screenshot's address is checked for form only, not fetched.
echo "-- appstreamcli validate"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
# The same file again with the desktop entry and icons it names.
appstreamcli validate-tree --no-net "$unpacked"
echo "-- desktop-file-validate"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
echo "-- the package passes"

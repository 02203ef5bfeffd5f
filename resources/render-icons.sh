#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the 32 and 16 pixel program icons from nickbridge.svg with ImageMagick. The 16 pixel
# image averages the 32 pixel one: the shapes sit on a 2-unit grid, so it stays sharp.
set -euo pipefail
cd "$(dirname "$0")"
convert -background none nickbridge.svg PNG32:nickbridge-32.png
convert nickbridge-32.png -filter box -resize 16x16 PNG32:nickbridge-16.png

#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a source file other than the message box seam uses QMessageBox directly.
# Usage: no_raw_message_boxes.sh SRC_DIR
src=${1:?source folder}
found=$(grep -rln 'QMessageBox' "$src" | grep -v '/ui/message_box\.cpp$')
if [ -n "$found" ]; then
    echo "QMessageBox used outside src/ui/message_box.cpp:"
    echo "$found"
    exit 1
fi
exit 0

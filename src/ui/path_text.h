// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace nickbridge::ui {

// Paths are the user's bytes, but Qt edits text. Qt reads the 8-bit encoding of Unix systems as
// UTF-8; a byte that is not part of valid UTF-8 is shown as a code point of its own, the lone
// surrogate U+DC00 plus the byte (as Python's surrogateescape does), so it survives any edit of the
// text around it. pathBytes(pathText(b)) == b for every byte string b.
// Every window and message shows bytes this one way, so a name looks the same wherever it appears.
QString pathText(std::string_view bytes);
std::string pathBytes(const QString& text);

}  // namespace nickbridge::ui

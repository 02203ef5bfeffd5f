// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

namespace nickbridge::ui {

// A name or path held as bytes, for showing. Bytes that are not valid in the locale's encoding
// are shown one character per byte (Latin-1) rather than as replacement marks, so a folder named
// in another code page stays readable; the bytes themselves are what the lists keep and open.
QString displayText(const std::string& bytes);

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace nickbridge::ui {

// The 8.25-point "MS Sans Serif" the dialogs were drawn for. Where it is missing, the faces
// after it stand in, narrowest first, so the captions keep fitting the controls as laid out:
// Microsoft's later version of it, then Liberation Sans (Debian's fonts-liberation2), whose
// metrics are those of Arial, and only then the desktop's own sans face, which is often wider.
QFont designFont();

}  // namespace nickbridge::ui

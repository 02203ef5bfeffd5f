// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace nickbridge::ui {

// The program icon every window carries (16 and 32 pixel images).
QIcon programIcon();

}  // namespace nickbridge::ui

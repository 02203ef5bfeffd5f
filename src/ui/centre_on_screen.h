// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace nickbridge::ui {

// Centres the whole framed window, title bar and borders included, on its screen: now, when it is
// shown, and once more when the window manager first frames it (on X11 the frame's size is known
// only after the window is mapped).
void centreOnScreen(QWidget& window);

}  // namespace nickbridge::ui

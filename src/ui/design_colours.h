// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QColor>
#include <QWidget>

namespace nickbridge::ui {

// The colours every window of the program is drawn in.
inline const QColor kTeal(0x00, 0x80, 0x80);
inline const QColor kTextBoxGrey(0xE0, 0xE0, 0xE0);

// Buttons, lists and text boxes keep the system's colours instead of the teal they would inherit.
inline void useSystemColours(QWidget* widget) { widget->setPalette(QApplication::palette(widget)); }

}  // namespace nickbridge::ui

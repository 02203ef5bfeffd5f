// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace nickbridge::ui {

// Help > About: shows a freshly loaded About box over `owner`, modally (through showModal, which
// tests answer).
void showAboutBox(QWidget* owner);

}  // namespace nickbridge::ui

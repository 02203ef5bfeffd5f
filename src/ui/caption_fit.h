// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace nickbridge::ui {

// The windows keep their designed pixel sizes, but the system's default font may be wider than the
// one they were drawn for. Gives `root` the largest variant of its font (first narrower, then
// smaller) in which every label, group box title and push button caption below it fits.
void fitCaptions(QWidget* root);

}  // namespace nickbridge::ui

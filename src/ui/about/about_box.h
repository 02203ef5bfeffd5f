// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

namespace nickbridge::ui {

class AboutDialog;

// Help > About: shows a freshly loaded About box over `owner`, modally.
void showAboutBox(QWidget* owner);

// Runs the loaded dialog; the default runs it modally until it is closed. Tests answer it
// instead of blocking.
using AboutRunner = std::function<void(AboutDialog& dialog)>;

// Replaces the runner; returns the previous one.
AboutRunner setAboutRunner(AboutRunner runner);

}  // namespace nickbridge::ui

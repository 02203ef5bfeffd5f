// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace nickbridge::ui {

// Every message the program shows goes through showMessage: one OK button, no icon, and the
// program's title as caption, so all boxes look alike and tests can capture them.
void showMessage(QWidget* parent, const QString& text);
// For texts made by the standard-library core (bytes in the 8-bit code page): bytes that are not
// valid text show as in the path fields and the choosers (see pathText).
void showMessage(QWidget* parent, const std::string& text);

// Receives what would have been shown; the default sink runs a modal message box.
using MessageSink =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

// Replaces the sink (tests record instead of blocking); returns the previous one.
MessageSink setMessageSink(MessageSink sink);

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QDialog;

namespace nickbridge::ui {

// Shows a window modally and returns when it is hidden or closed. Every modal window goes through
// here, so tests can act on the window instead of blocking in its event loop.
void showModal(QDialog& dialog);

// Receives the window to show; the default sink runs its modal event loop.
using ModalSink = std::function<void(QDialog& dialog)>;

// Replaces the sink; returns the previous one.
ModalSink setModalSink(ModalSink sink);

}  // namespace nickbridge::ui

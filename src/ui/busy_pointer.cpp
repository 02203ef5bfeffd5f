// SPDX-License-Identifier: MIT
#include "ui/busy_pointer.h"

#include <QApplication>

namespace nickbridge::ui {

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyPointer::~BusyPointer() { lift(); }

void BusyPointer::lift() {
    if (!shown_) return;
    shown_ = false;
    QApplication::restoreOverrideCursor();
}

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
// The busy pointer that the Convert command shows.
#include "ui/busy_pointer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

namespace nickbridge::testing {
namespace {

Qt::CursorShape currentPointer() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

TEST(BusyPointer, ShowsWhileItLivesAndRestoresOnceHoweverItEnds) {
    // Another part of the program's own override must survive, whether lift() ran or not.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    for (const bool liftEarly : {false, true}) {
        SCOPED_TRACE(liftEarly);
        {
            ui::BusyPointer busy;
            EXPECT_EQ(currentPointer(), Qt::WaitCursor);
            if (liftEarly) {
                busy.lift();
                EXPECT_EQ(currentPointer(), Qt::CrossCursor);
                busy.lift();
            }
        }
        EXPECT_EQ(currentPointer(), Qt::CrossCursor);
    }
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace nickbridge::testing

// SPDX-License-Identifier: MIT
#include "ui/main_window/field_box.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

namespace nickbridge::testing {
namespace {

using ui::FieldBox;

struct ClickCase {
    const char* name;
    BoxState start;
    std::vector<BoxState> afterEachClick;
};

// The user only ever clears or ticks a box; greyed comes from the settings file alone.
const ClickCase kClickCases[] = {
    {"clear", BoxState::Clear, {BoxState::Ticked, BoxState::Clear, BoxState::Ticked}},
    {"ticked", BoxState::Ticked, {BoxState::Clear, BoxState::Ticked, BoxState::Clear}},
    {"greyed", BoxState::Greyed, {BoxState::Ticked, BoxState::Clear, BoxState::Ticked}},
};

TEST(FieldBox, AMouseClickSwitchesBetweenClearAndTicked) {
    for (const ClickCase& c : kClickCases) {
        SCOPED_TRACE(c.name);
        FieldBox box;
        box.resize(17, 17);
        box.setState(c.start);
        for (BoxState expected : c.afterEachClick) {
            QTest::mouseClick(&box, Qt::LeftButton);
            EXPECT_EQ(box.state(), expected);
        }
    }
}

TEST(FieldBox, TheSpaceBarSwitchesBetweenClearAndTicked) {
    for (const ClickCase& c : kClickCases) {
        SCOPED_TRACE(c.name);
        FieldBox box;
        box.setState(c.start);
        for (BoxState expected : c.afterEachClick) {
            QTest::keyClick(&box, Qt::Key_Space);
            EXPECT_EQ(box.state(), expected);
        }
    }
}

TEST(FieldBox, EveryStateShowsAsItsCheckState) {
    const struct {
        BoxState state;
        Qt::CheckState shown;
    } cases[] = {{BoxState::Clear, Qt::Unchecked},
                 {BoxState::Ticked, Qt::Checked},
                 {BoxState::Greyed, Qt::PartiallyChecked}};
    for (const auto& c : cases) {
        FieldBox box;
        box.setState(c.state);
        EXPECT_EQ(box.checkState(), c.shown);
        EXPECT_EQ(box.state(), c.state);
    }
}

TEST(FieldBox, StartsTickedWithoutTextOfItsOwn) {
    const FieldBox box;
    EXPECT_EQ(box.state(), BoxState::Ticked);
    EXPECT_TRUE(box.text().isEmpty());
}

}  // namespace
}  // namespace nickbridge::testing

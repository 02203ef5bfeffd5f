// SPDX-License-Identifier: MIT
#pragma once

#include <exception>

#include "choosers/main_window_link.h"

namespace nickbridge::choosers {

// Start-up, the settings restore and the reset after a conversion try each step on its own: one
// that fails is skipped without a word and the next one runs.
template <typename Step>
void quietly(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// What the user does: a list that cannot follow (a drive not ready, a folder that cannot be
// listed) leaves the lists where they were, and the user is told why.
template <typename Action>
void tellingFailures(ChooserWindow& window, Action&& action) {
    try {
        action();
    } catch (const std::exception& failure) {
        window.tell(failure.what());
    }
}

}  // namespace nickbridge::choosers

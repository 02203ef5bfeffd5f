// SPDX-License-Identifier: MIT
#pragma once

namespace nickbridge::ui {

// What the main window asks of its two chooser windows. The chooser windows implement it; until
// they are attached the main window holds NoChoosers.
class ChooserSeam {
public:
    virtual ~ChooserSeam() = default;
    // Shows the source nickname file chooser modally.
    virtual void showSourceChooser() = 0;
    // Shows the output folder chooser modally.
    virtual void showOutputChooser() = 0;
    // After a completed conversion: both choosers back to their default drive and folders.
    virtual void resetChoosers() = 0;
};

class NoChoosers final : public ChooserSeam {
public:
    void showSourceChooser() override {}
    void showOutputChooser() override {}
    void resetChoosers() override {}
};

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include "choosers/main_window_link.h"
#include "settings/settings_file.h"

class QWidget;

namespace nickbridge::ui {

// What the main window asks of its two chooser windows; tests put their own in its place.
class ChooserSeam {
public:
    virtual ~ChooserSeam() = default;
    // Shows the source nickname file chooser modally.
    virtual void showSourceChooser() = 0;
    // Shows the output folder chooser modally.
    virtual void showOutputChooser() = 0;
    // After a completed conversion: both choosers back to their default drive and folders.
    virtual void resetChoosers() = 0;
    // The settings restore: lines 3 to 7 of nbr.ini, where read, to the choosers' lists.
    virtual void applyRestoredEntries(const RestoredValues& values) = 0;
};

// Makes the choosers of a main window: `window` is their way into it, `owner` the widget they are
// shown over.
using ChooserFactory =
    std::function<std::unique_ptr<ChooserSeam>(choosers::MainWindowLink& window, QWidget& owner)>;

}  // namespace nickbridge::ui

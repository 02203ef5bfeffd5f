// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "choosers/folder_scan.h"
#include "platform/drives.h"
#include "ui/chooser_seam.h"
#include "ui/choosers/window_state_link.h"

class QWidget;

namespace nickbridge::ui {

class ChooserDialog;
class MainWindow;
class OutputChooserWindow;
class SourceChooserWindow;

// The two choosers of the main window. Each exists once: it is made, hidden, at its first touch
// (its start-up then runs the settings restore again, so restores nest), only hidden by OK and
// Cancel so it keeps its state, and made anew at the next touch after its close box closed it.
class ChooserWindows final : public ChooserSeam {
public:
    ChooserWindows(MainWindow& window, const platform::Drives& drives);
    ~ChooserWindows() override;

    void showSourceChooser() override;
    void showOutputChooser() override;
    void resetChoosers() override;
    void applyRestoredEntries(const RestoredValues& values) override;

    // The choosers as they stand, null when not made yet or closed; for tests.
    SourceChooserWindow* sourceWindow() const { return source_.get(); }
    OutputChooserWindow* outputWindow() const { return output_.get(); }

private:
    SourceChooserWindow& source();
    OutputChooserWindow& output();
    template <typename Window>
    void showAndForgetIfClosed(std::unique_ptr<Window>& window, Window& shown);

    MainWindow& window_;
    const platform::Drives& drives_;
    WindowStateLink link_;
    choosers::FolderScanner scanner_;
    std::unique_ptr<SourceChooserWindow> source_;
    std::unique_ptr<OutputChooserWindow> output_;
};

}  // namespace nickbridge::ui

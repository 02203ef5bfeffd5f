// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "choosers/folder_scan.h"
#include "choosers/main_window_link.h"
#include "platform/drives.h"
#include "ui/chooser_seam.h"

class QWidget;

namespace nickbridge::ui {

class ChooserDialog;
class OutputChooserWindow;
class SourceChooserWindow;

// The two choosers of the main window. Each exists once: it is made, hidden, at its first touch
// (its start-up then runs the settings restore again, so restores nest), only hidden by OK and
// Cancel so it keeps its state, and made anew at the next touch after its close box closed it.
class ChooserWindows final : public ChooserSeam {
public:
    // `window` is what the choosers reach of the main window; they are shown over `owner`.
    ChooserWindows(choosers::MainWindowLink& window, QWidget& owner,
                   const platform::Drives& drives);
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

    choosers::MainWindowLink& window_;
    QWidget& owner_;
    const platform::Drives& drives_;
    choosers::FolderScanner scanner_;
    std::unique_ptr<SourceChooserWindow> source_;
    std::unique_ptr<OutputChooserWindow> output_;
};

// Makes a main window's choosers over `drives`, which must outlive them.
ChooserFactory chooserWindowsOver(const platform::Drives& drives);

}  // namespace nickbridge::ui

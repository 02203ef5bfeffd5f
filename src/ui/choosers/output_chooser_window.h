// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "choosers/output_chooser.h"
#include "ui/choosers/chooser_dialog.h"

namespace nickbridge::ui {

class ChooserListView;
class FolderListModel;

// The "Output Folder" window: shows the output chooser's lists and passes on what the user does.
class OutputChooserWindow final : public ChooserDialog {
public:
    OutputChooserWindow(const platform::Drives& drives, choosers::FolderScanner& scanner,
                        choosers::MainWindowLink& mainWindow, QWidget* owner);

    choosers::OutputChooser& chooser() { return chooser_; }
    void prepareToShow() override;

private:
    void buildControls();
    void connectControls();
    void showLists();

    choosers::OutputChooser chooser_;
    DriveBox* driveBox_ = nullptr;
    ChooserListView* folderView_ = nullptr;
    FolderListModel* folderModel_ = nullptr;
};

}  // namespace nickbridge::ui

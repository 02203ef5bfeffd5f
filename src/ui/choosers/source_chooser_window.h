// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "choosers/source_chooser.h"
#include "ui/choosers/chooser_dialog.h"

namespace nickbridge::ui {

class ChooserListView;
class FileListModel;
class FolderListModel;

// The "Source Nickname File" window: shows the source chooser's lists and passes on what the user
// does.
class SourceChooserWindow final : public ChooserDialog {
public:
    SourceChooserWindow(const platform::Drives& drives, choosers::FolderScanner& scanner,
                        choosers::MainWindowLink& mainWindow, QWidget* owner);

    choosers::SourceChooser& chooser() { return chooser_; }
    void prepareToShow() override;

private:
    void buildControls();
    void connectControls();
    // After each user action: the views show the lists as the reactions left them.
    void showLists();

    choosers::SourceChooser chooser_;
    DriveBox* driveBox_ = nullptr;
    ChooserListView* folderView_ = nullptr;
    ChooserListView* fileView_ = nullptr;
    FolderListModel* folderModel_ = nullptr;
    FileListModel* fileModel_ = nullptr;
};

}  // namespace nickbridge::ui

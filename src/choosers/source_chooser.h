// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "choosers/drive_list.h"
#include "choosers/file_list.h"
#include "choosers/folder_list.h"
#include "choosers/main_window_link.h"

namespace nickbridge::choosers {

// The source chooser's lists and reactions: picks the nickname file.
class SourceChooser {
public:
    // The lists start at the current folder and its drive; wires their events to the reactions.
    SourceChooser(const platform::Drives& drives, FolderScanner& scanner, ChooserWindow& window,
                  MainWindowLink& mainWindow);
    SourceChooser(const SourceChooser&) = delete;
    SourceChooser& operator=(const SourceChooser&) = delete;

    DriveList& driveList() { return drives_; }
    FolderList& folderList() { return folders_; }
    FileList& fileList() { return files_; }

    // Start-up: the settings restore, then the remembered file-list folder, folder and drive.
    void startUp();

    // Reads the drives again before the chooser shows and before its drive list drops down; the
    // user is told when the selected drive has gone.
    void refreshDrives();

    // What the user does.
    void pickDrive(std::size_t index);
    void openFolder(const std::string& folder);
    void clickFolder(std::size_t row);
    void clickFile(std::size_t index);
    void doubleClickFile(std::size_t index);
    void pressOk();
    void pressCancel();

private:
    SourceChooser(const platform::Drives& drives, FolderScanner& scanner, ChooserWindow& window,
                  MainWindowLink& mainWindow, const std::string& folder);
    void driveChanged();
    void folderChanged();
    void folderClicked();
    void confirm();

    ChooserWindow& window_;
    MainWindowLink& mainWindow_;
    DriveList drives_;
    FolderList folders_;
    FileList files_;
};

}  // namespace nickbridge::choosers

// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "choosers/drive_list.h"
#include "choosers/folder_list.h"
#include "choosers/main_window_link.h"

namespace nickbridge::choosers {

// The fixed name of the output file inside the chosen folder.
inline constexpr const char* kOutputFileName = "converted.txt";

// The output chooser's lists and reactions: picks the folder of the output file.
class OutputChooser {
public:
    // The lists start at the current folder and its drive; wires their events to the reactions.
    OutputChooser(const platform::Drives& drives, FolderScanner& scanner, ChooserWindow& window,
                  MainWindowLink& mainWindow);
    OutputChooser(const OutputChooser&) = delete;
    OutputChooser& operator=(const OutputChooser&) = delete;

    DriveList& driveList() { return drives_; }
    FolderList& folderList() { return folders_; }

    // Start-up: the settings restore, then the remembered folder and drive.
    void startUp();

    // Reads the drives again before the chooser shows and before its drive list drops down; the
    // user is told when the selected drive has gone.
    void refreshDrives();

    // What the user does.
    void pickDrive(std::size_t index);
    void openFolder(const std::string& folder);
    void clickFolder(std::size_t row);
    void pressOk();
    void pressCancel();

private:
    OutputChooser(const platform::Drives& drives, FolderScanner& scanner, ChooserWindow& window,
                  MainWindowLink& mainWindow, const std::string& folder);
    void driveChanged();
    void folderChanged();

    ChooserWindow& window_;
    MainWindowLink& mainWindow_;
    DriveList drives_;
    FolderList folders_;
};

}  // namespace nickbridge::choosers

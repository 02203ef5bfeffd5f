// SPDX-License-Identifier: MIT
#include "choosers/output_chooser.h"

#include "choosers/folder_path.h"
#include "choosers/steps.h"

namespace nickbridge::choosers {

OutputChooser::OutputChooser(const platform::Drives& drives, FolderScanner& scanner,
                             ChooserWindow& window, MainWindowLink& mainWindow)
    : OutputChooser(drives, scanner, window, mainWindow, startingFolder()) {}

OutputChooser::OutputChooser(const platform::Drives& drives, FolderScanner& scanner,
                             ChooserWindow& window, MainWindowLink& mainWindow,
                             const std::string& folder)
    : window_(window),
      mainWindow_(mainWindow),
      drives_(drives, folder),
      folders_(drives, scanner, folder) {
    drives_.onChange = [this] { driveChanged(); };
    folders_.onChange = [this] { folderChanged(); };
    // A click shows the open folder, not the clicked one: the same reaction as a change.
    folders_.onClick = [this] { folderChanged(); };
}

void OutputChooser::startUp() {
    quietly([&] { mainWindow_.restoreSettings(); });
    quietly([&] { folders_.setPath(mainWindow_.outputEntries().dir); });
    quietly([&] { drives_.setDrive(mainWindow_.outputEntries().drive); });
}

void OutputChooser::refreshDrives() {
    tellingFailures(window_, [&] { drives_.refresh(); });
}

void OutputChooser::pickDrive(std::size_t index) {
    tellingFailures(window_, [&] { drives_.select(index); });
}

void OutputChooser::openFolder(const std::string& folder) {
    tellingFailures(window_, [&] { folders_.setPath(folder); });
}

void OutputChooser::clickFolder(std::size_t row) { folders_.click(row); }

void OutputChooser::pressOk() {
    // The folder box is not read: the open folder is the one confirmed.
    mainWindow_.setOutputPath(inFolder(folders_.path(), kOutputFileName));
    mainWindow_.setOutputEntries({folders_.path(), drives_.drive()});
    mainWindow_.saveSettings();
    window_.hideChooser();
}

void OutputChooser::pressCancel() { window_.hideChooser(); }

void OutputChooser::driveChanged() { folders_.setPath(drives_.drive()); }

void OutputChooser::folderChanged() { window_.setNameBox(folders_.path()); }

}  // namespace nickbridge::choosers

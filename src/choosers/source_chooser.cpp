// SPDX-License-Identifier: MIT
#include "choosers/source_chooser.h"

#include "choosers/folder_path.h"
#include "choosers/messages.h"
#include "choosers/steps.h"

namespace nickbridge::choosers {

SourceChooser::SourceChooser(const platform::Drives& drives, FolderScanner& scanner,
                             ChooserWindow& window, MainWindowLink& mainWindow)
    : SourceChooser(drives, scanner, window, mainWindow, startingFolder()) {}

SourceChooser::SourceChooser(const platform::Drives& drives, FolderScanner& scanner,
                             ChooserWindow& window, MainWindowLink& mainWindow,
                             const std::string& folder)
    : window_(window),
      mainWindow_(mainWindow),
      drives_(drives, folder),
      folders_(drives, scanner, folder),
      files_(drives, scanner, folder) {
    drives_.onChange = [this] { driveChanged(); };
    folders_.onChange = [this] { folderChanged(); };
    folders_.onClick = [this] { folderClicked(); };
    files_.onClick = [this] { confirm(); };
    files_.onDoubleClick = [this] { confirm(); };
}

void SourceChooser::startUp() {
    // The restore already selects the remembered drive, so the folder opens on it and the drive
    // assignment after it normally changes nothing.
    quietly([&] { mainWindow_.restoreSettings(); });
    quietly([&] { files_.setPath(mainWindow_.sourceEntries().fileListFolder); });
    quietly([&] { folders_.setPath(mainWindow_.sourceEntries().dir); });
    quietly([&] { drives_.setDrive(mainWindow_.sourceEntries().drive); });
}

void SourceChooser::refreshDrives() {
    tellingFailures(window_, [&] { drives_.refresh(); });
}

void SourceChooser::pickDrive(std::size_t index) {
    tellingFailures(window_, [&] { drives_.select(index); });
}

void SourceChooser::openFolder(const std::string& folder) {
    tellingFailures(window_, [&] { folders_.setPath(folder); });
}

void SourceChooser::clickFolder(std::size_t row) {
    tellingFailures(window_, [&] { folders_.click(row); });
}

void SourceChooser::clickFile(std::size_t index) { files_.click(index); }

void SourceChooser::doubleClickFile(std::size_t index) { files_.doubleClick(index); }

void SourceChooser::pressOk() {
    // Only an exactly empty box is refused; the path comes from the lists, not from the box.
    if (window_.nameBoxIsEmpty()) {
        window_.tell(std::string(kNoFileSelected));
        return;
    }
    confirm();
}

void SourceChooser::pressCancel() {
    mainWindow_.setSourcePath("");
    window_.hideChooser();
}

void SourceChooser::driveChanged() {
    folders_.setPath(drives_.drive());
    window_.setNameBox(files_.fileName());
}

void SourceChooser::folderChanged() {
    files_.setPath(folders_.path());
    window_.setNameBox(files_.fileName());
}

void SourceChooser::folderClicked() {
    // Whatever was clicked, both lists go to the current folder of the drive shown.
    folders_.setPath(drives_.drive());
    files_.setPath(drives_.drive());
    window_.setNameBox(files_.fileName());
}

void SourceChooser::confirm() {
    mainWindow_.setSourcePath(inFolder(folders_.path(), files_.fileName()));
    mainWindow_.setSourceEntries({files_.path(), folders_.path(), drives_.drive()});
    // A failed save is shown by the main window; the file is still chosen.
    mainWindow_.saveSettings();
    window_.hideChooser();
}

}  // namespace nickbridge::choosers

// SPDX-License-Identifier: MIT
#include "ui/choosers/chooser_windows.h"

#include "choosers/folder_path.h"
#include "choosers/steps.h"
#include "choosers/wildcard.h"
#include "ui/choosers/output_chooser_window.h"
#include "ui/choosers/source_chooser_window.h"
#include "ui/modal.h"

namespace nickbridge::ui {

using choosers::quietly;

// The reactions that run while a chooser is hidden check that folders exist and leave reading
// them to the first showing.
constexpr auto kHidden = choosers::FolderScanner::Reading::WhenLookedAt;

ChooserWindows::ChooserWindows(choosers::MainWindowLink& window, QWidget& owner,
                               const platform::Drives& drives)
    : window_(window),
      owner_(owner),
      drives_(drives),
      scanner_(std::string(choosers::kNicknameFilePattern)) {}

ChooserWindows::~ChooserWindows() = default;

SourceChooserWindow& ChooserWindows::source() {
    if (!source_) {
        // Kept before its start-up runs: the restore inside the start-up touches it again.
        source_ = std::make_unique<SourceChooserWindow>(drives_, scanner_, window_, &owner_);
        choosers::FolderScanner::Batch batch(scanner_, kHidden);
        source_->chooser().startUp();
    }
    return *source_;
}

OutputChooserWindow& ChooserWindows::output() {
    if (!output_) {
        output_ = std::make_unique<OutputChooserWindow>(drives_, scanner_, window_, &owner_);
        choosers::FolderScanner::Batch batch(scanner_, kHidden);
        output_->chooser().startUp();
    }
    return *output_;
}

template <typename Window>
void ChooserWindows::showAndForgetIfClosed(std::unique_ptr<Window>& window, Window& shown) {
    {
        // Both lists of the source chooser are read in one pass over their folder.
        choosers::FolderScanner::Batch batch(scanner_);
        shown.prepareToShow();
    }
    showModal(shown);
    // The close box ends this chooser; the next touch makes a new one.
    if (window.get() == &shown && shown.closedByCloseBox()) window.reset();
}

void ChooserWindows::showSourceChooser() { showAndForgetIfClosed(source_, source()); }

void ChooserWindows::showOutputChooser() { showAndForgetIfClosed(output_, output()); }

void ChooserWindows::resetChoosers() {
    choosers::FolderScanner::Batch batch(scanner_, kHidden);
    quietly([&] { source().chooser().driveList().setDrive("c"); });
    quietly([&] {
        choosers::SourceChooser& chooser = source().chooser();
        chooser.fileList().setPath(chooser.driveList().drive());
    });
    quietly(
        [&] { source().chooser().folderList().setPath(choosers::inFolder("eudora", "nickname")); });
    quietly([&] { output().chooser().driveList().setDrive("c"); });
    quietly([&] { output().chooser().folderList().setPath("temp"); });
}

void ChooserWindows::applyRestoredEntries(const RestoredValues& values) {
    // The choosers are hidden: their folders are read when they are first shown.
    choosers::FolderScanner::Batch batch(scanner_, kHidden);
    if (values.sourceFileListFolder)
        quietly([&] { source().chooser().fileList().setPath(*values.sourceFileListFolder); });
    if (values.sourceFolder)
        quietly([&] { source().chooser().folderList().setPath(*values.sourceFolder); });
    if (values.sourceDrive) {
        quietly([&] { source().chooser().driveList().setDrive(*values.sourceDrive); });
    }
    if (values.outputFolder)
        quietly([&] { output().chooser().folderList().setPath(*values.outputFolder); });
    if (values.outputDrive) {
        quietly([&] { output().chooser().driveList().setDrive(*values.outputDrive); });
    }
}

ChooserFactory chooserWindowsOver(const platform::Drives& drives) {
    return [&drives](choosers::MainWindowLink& window, QWidget& owner) {
        return std::make_unique<ChooserWindows>(window, owner, drives);
    };
}

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#include "ui/choosers/output_chooser_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/caption_fit.h"
#include "ui/choosers/chooser_list_view.h"
#include "ui/choosers/drive_and_folder_wiring.h"
#include "ui/choosers/list_models.h"
#include "ui/twips.h"

namespace nickbridge::ui {

OutputChooserWindow::OutputChooserWindow(const platform::Drives& drives,
                                         choosers::FolderScanner& scanner,
                                         choosers::MainWindowLink& mainWindow, QWidget* owner)
    : ChooserDialog(owner, "Form3", QStringLiteral("Output Folder"), 5205, 2955),
      chooser_(drives, scanner, *this, mainWindow) {
    buildControls();
    connectControls();
    fitCaptions(this);
    showLists();
    driveBox_->setFocus();
}

void OutputChooserWindow::buildControls() {
    // Created in tab order: drives, folders, folder box, its caption, Cancel, OK.
    driveBox_ = makeDriveBox(twipsRect(2880, 1920, 2175, 315));

    folderView_ = makeFolderView(twipsRect(120, 120, 4935, 1665));
    folderModel_ = new FolderListModel(chooser_.folderList(), this);
    folderView_->setModel(folderModel_);

    QLineEdit* folderBox = makeNameBox(twipsRect(720, 1920, 2055, 315), QStringLiteral("Folder"),
                                       QStringLiteral("The open folder, which OK takes."));
    makeLabel("Label1", QStringLiteral("Folder:"), twipsRect(120, 2040, 735, 255), folderBox);
    auto* cancel =
        makeButton("Command2", QStringLiteral("&Cancel"), twipsRect(2640, 2520, 1095, 375));
    auto* ok = makeButton("Command1", QStringLiteral("&OK"), twipsRect(1320, 2520, 1095, 375));

    connect(ok, &QPushButton::clicked, this, [this] { chooser_.pressOk(); });
    connect(cancel, &QPushButton::clicked, this, [this] { chooser_.pressCancel(); });
}

void OutputChooserWindow::connectControls() {
    connectDriveAndFolders(driveBox_, folderView_, chooser_, [this] { showLists(); });
}

void OutputChooserWindow::prepareToShow() {
    chooser_.refreshDrives();
    showLists();
}

void OutputChooserWindow::showLists() {
    showDrives(*driveBox_, chooser_.driveList());
    folderModel_->follow();
    showFolderSelection(*folderView_, chooser_.folderList());
}

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#include "ui/choosers/source_chooser_window.h"

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

SourceChooserWindow::SourceChooserWindow(const platform::Drives& drives,
                                         choosers::FolderScanner& scanner,
                                         choosers::MainWindowLink& mainWindow, QWidget* owner)
    : ChooserDialog(owner, "Form2", QStringLiteral("Source Nickname File"), 5670, 3105),
      chooser_(drives, scanner, *this, mainWindow) {
    buildControls();
    connectControls();
    fitCaptions(this);
    showLists();
    folderView_->setFocus();
}

void SourceChooserWindow::buildControls() {
    // Created in tab order: folders, drives, files, OK, name box, its caption, Cancel.
    folderView_ = makeFolderView(twipsRect(3120, 120, 2415, 1890));
    folderModel_ = new FolderListModel(chooser_.folderList(), this);
    folderView_->setModel(folderModel_);

    driveBox_ = makeDriveBox(twipsRect(3120, 2160, 2415, 315));

    fileView_ = makeListView(
        "File1", twipsRect(120, 120, 2895, 2430), QStringLiteral("Files"),
        QStringLiteral("A single click, or an arrow key, chooses the file and closes the window."));
    fileModel_ = new FileListModel(chooser_.fileList(), this);
    fileView_->setModel(fileModel_);

    auto* ok = makeButton("Command1", QStringLiteral("&OK"), twipsRect(3120, 2640, 1095, 375));
    QLineEdit* nameBox = makeNameBox(twipsRect(1080, 2640, 1935, 315), QStringLiteral("File name"),
                                     QStringLiteral("The chosen file. OK needs a name here."));
    makeLabel("Label1", QStringLiteral("Filename:"), twipsRect(240, 2760, 855, 255), nameBox);
    auto* cancel =
        makeButton("Command2", QStringLiteral("&Cancel"), twipsRect(4440, 2640, 1095, 375));

    connect(ok, &QPushButton::clicked, this, [this] { chooser_.pressOk(); });
    connect(cancel, &QPushButton::clicked, this, [this] { chooser_.pressCancel(); });
}

void SourceChooserWindow::connectControls() {
    connectDriveAndFolders(driveBox_, folderView_, chooser_, [this] { showLists(); });
    const auto row = [](int index) { return static_cast<std::size_t>(index); };
    connect(fileView_, &QListView::clicked, this,
            [=, this](const QModelIndex& index) { chooser_.clickFile(row(index.row())); });
    connect(fileView_, &ChooserListView::rowSelectedByKey, this,
            [=, this](int index) { chooser_.clickFile(row(index)); });
    connect(fileView_, &ChooserListView::rowDoubleClicked, this, [=, this](int index) {
        if (index >= 0) chooser_.doubleClickFile(row(index));
    });
}

void SourceChooserWindow::prepareToShow() {
    chooser_.refreshDrives();
    showLists();
}

void SourceChooserWindow::showLists() {
    showDrives(*driveBox_, chooser_.driveList());
    folderModel_->follow();
    showFolderSelection(*folderView_, chooser_.folderList());
    fileModel_->follow();
    const auto selected = chooser_.fileList().selected();
    fileView_->setCurrentIndex(selected ? fileModel_->index(static_cast<int>(*selected), 0)
                                        : QModelIndex());
}

}  // namespace nickbridge::ui

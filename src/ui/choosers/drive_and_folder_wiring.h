// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <functional>
#include <memory>
#include <string>

#include "ui/choosers/chooser_list_view.h"
#include "ui/choosers/drive_box.h"

namespace nickbridge::ui {

// Hands what the user does in a chooser's drive list and folder list to the chooser (both
// choosers have the same two lists), then lets the window show where the lists are.
template <typename Chooser>
void connectDriveAndFolders(DriveBox* driveBox, ChooserListView* folderView, Chooser& chooser,
                            std::function<void()> showLists) {
    const auto row = [](int index) { return static_cast<std::size_t>(index); };
    // A double-click opens the folder its first click hit: that click's reaction may have refilled
    // the list since.
    auto clickedFolder = std::make_shared<std::string>();
    QObject::connect(driveBox, &QComboBox::activated, folderView, [=, &chooser](int index) {
        chooser.pickDrive(row(index));
        showLists();
    });
    // A stick plugged in or pulled out since the drives were last read shows in the entries.
    QObject::connect(driveBox, &DriveBox::aboutToOpen, folderView, [=, &chooser] {
        chooser.refreshDrives();
        showLists();
    });
    // Only a mouse click takes the lists back to the drive's current folder. The arrow keys, Home,
    // End and type-ahead just move the highlight, so that Enter can open the folder it reaches.
    QObject::connect(folderView, &QListView::clicked, folderView,
                     [=, &chooser](const QModelIndex& index) {
                         *clickedFolder = chooser.folderList().rowPath(row(index.row()));
                         chooser.clickFolder(row(index.row()));
                         showLists();
                     });
    QObject::connect(folderView, &ChooserListView::rowDoubleClicked, folderView, [=, &chooser] {
        if (!clickedFolder->empty()) chooser.openFolder(*clickedFolder);
        showLists();
    });
    QObject::connect(folderView, &ChooserListView::rowOpened, folderView, [=, &chooser](int index) {
        chooser.openFolder(chooser.folderList().rowPath(row(index)));
        showLists();
    });
}

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <functional>
#include <memory>
#include <string>

#include "ui/choosers/chooser_list_view.h"

namespace nickbridge::ui {

// Hands what the user does in a chooser's drive list and folder list to the chooser (both
// choosers have the same two lists), then lets the window show where the lists are.
template <typename Chooser>
void connectDriveAndFolders(QComboBox* driveBox, ChooserListView* folderView, Chooser& chooser,
                            std::function<void()> showLists) {
    const auto row = [](int index) { return static_cast<std::size_t>(index); };
    // A double-click opens the row pressed first: the click before it may have refilled the list.
    auto pressedFolder = std::make_shared<std::string>();
    QObject::connect(driveBox, &QComboBox::activated, folderView, [=, &chooser](int index) {
        chooser.pickDrive(row(index));
        showLists();
    });
    QObject::connect(folderView, &ChooserListView::rowPressed, folderView,
                     [=, &chooser](int index) {
                         *pressedFolder = chooser.folderList().rowPath(row(index));
                     });
    QObject::connect(folderView, &QListView::clicked, folderView,
                     [=, &chooser](const QModelIndex& index) {
                         chooser.clickFolder(row(index.row()));
                         showLists();
                     });
    QObject::connect(folderView, &ChooserListView::rowSelectedByKey, folderView,
                     [=, &chooser](int index) {
                         chooser.clickFolder(row(index));
                         showLists();
                     });
    QObject::connect(folderView, &ChooserListView::rowDoubleClicked, folderView, [=, &chooser] {
        chooser.openFolder(*pressedFolder);
        showLists();
    });
    QObject::connect(folderView, &ChooserListView::rowOpened, folderView, [=, &chooser](int index) {
        chooser.openFolder(chooser.folderList().rowPath(row(index)));
        showLists();
    });
}

}  // namespace nickbridge::ui

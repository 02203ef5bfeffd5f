// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <string>

#include "choosers/main_window_link.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace nickbridge::choosers {
class DriveList;
class FolderList;
}  // namespace nickbridge::choosers

namespace nickbridge::ui {

// What the two chooser windows share: a fixed teal window with the program icon, centred on its
// owner, with no default or cancel button (Enter and Escape do nothing), whose close box closes it
// for good; and the name box the reactions fill.
class ChooserDialog : public QDialog, public choosers::ChooserWindow {
public:
    // Whether the user closed the window with its close box; it is then made anew when next
    // needed.
    bool closedByCloseBox() const { return closedByCloseBox_; }
    // Before each showing: the drive list is read again and the views show the lists.
    virtual void prepareToShow() = 0;

    void setNameBox(const std::string& text) override;
    bool nameBoxIsEmpty() const override;
    void hideChooser() override;
    void tell(const std::string& message) override;

protected:
    ChooserDialog(QWidget* owner, const char* name, const QString& caption, int widthTwips,
                  int heightTwips);

    QLineEdit* makeNameBox(QRect geometry);
    QLabel* makeLabel(const char* name, const QString& text, QRect geometry);
    QPushButton* makeButton(const char* name, const QString& text, QRect geometry);
    QComboBox* makeDriveBox(QRect geometry);

    static void showDrives(QComboBox& box, const choosers::DriveList& list);
    static void showFolderSelection(QListView& view, const choosers::FolderList& list);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* nameBox_ = nullptr;
    bool closedByCloseBox_ = false;
};

}  // namespace nickbridge::ui

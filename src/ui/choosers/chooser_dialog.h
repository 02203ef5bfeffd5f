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

class ChooserListView;
class DriveBox;
class FocusRing;

// What both chooser windows share: a fixed teal window with the program icon, centred on its
// owner at every showing, with no default or cancel button (Escape does nothing, Enter presses
// only a focused button), whose close box closes it for good; a white ring around the focused
// control; and the name box the reactions fill.
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

    // Screen readers announce each control by its accessible name, and read the description
    // where the control does something a user would not expect.
    QLineEdit* makeNameBox(QRect geometry, const QString& accessibleName,
                           const QString& description);
    QLabel* makeLabel(const char* name, const QString& text, QRect geometry, QWidget* buddy);
    QPushButton* makeButton(const char* name, const QString& text, QRect geometry);
    DriveBox* makeDriveBox(QRect geometry);
    ChooserListView* makeListView(const char* name, QRect geometry, const QString& accessibleName,
                                  const QString& description);
    ChooserListView* makeFolderView(QRect geometry);

    static void showDrives(QComboBox& box, const choosers::DriveList& list);
    static void showFolderSelection(QListView& view, const choosers::FolderList& list);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* nameBox_ = nullptr;
    FocusRing* focusRing_ = nullptr;
    bool closedByCloseBox_ = false;
};

}  // namespace nickbridge::ui

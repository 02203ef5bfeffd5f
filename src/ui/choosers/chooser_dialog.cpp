// SPDX-License-Identifier: MIT
#include "ui/choosers/chooser_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "choosers/drive_list.h"
#include "choosers/folder_list.h"
#include "ui/choosers/display_text.h"
#include "ui/design_colours.h"
#include "ui/message_box.h"
#include "ui/program_icon.h"
#include "ui/twips.h"

namespace nickbridge::ui {

ChooserDialog::ChooserDialog(QWidget* owner, const char* name, const QString& caption,
                             int widthTwips, int heightTwips)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(pixels(widthTwips), pixels(heightTwips));
    QPalette teal = palette();
    teal.setColor(QPalette::Window, kTeal);
    teal.setColor(QPalette::WindowText, teal.color(QPalette::HighlightedText));
    setPalette(teal);
    setAutoFillBackground(true);
}

QLineEdit* ChooserDialog::makeNameBox(QRect geometry) {
    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("Text1"));
    nameBox_->setGeometry(geometry);
    useSystemColours(nameBox_);
    QPalette grey = nameBox_->palette();
    grey.setColor(QPalette::Base, kTextBoxGrey);
    nameBox_->setPalette(grey);
    return nameBox_;
}

QLabel* ChooserDialog::makeLabel(const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton* ChooserDialog::makeButton(const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    // Neither button answers Enter: only a click or the access key presses it.
    button->setAutoDefault(false);
    button->setDefault(false);
    useSystemColours(button);
    return button;
}

QComboBox* ChooserDialog::makeDriveBox(QRect geometry) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("Drive1"));
    box->setGeometry(geometry);
    useSystemColours(box);
    return box;
}

void ChooserDialog::showDrives(QComboBox& box, const choosers::DriveList& list) {
    QStringList designations;
    for (const platform::Drive& drive : list.entries()) {
        designations.push_back(displayText(drive.designation));
    }
    QStringList shown;
    for (int i = 0; i < box.count(); ++i) shown.push_back(box.itemText(i));
    if (shown != designations) {
        box.clear();
        box.addItems(designations);
    }
    box.setCurrentIndex(static_cast<int>(list.selected()));
}

void ChooserDialog::showFolderSelection(QListView& view, const choosers::FolderList& list) {
    // The clicked row stays highlighted; otherwise the open folder is.
    const std::size_t row = list.clickedRow().value_or(list.openRow());
    view.setCurrentIndex(view.model()->index(static_cast<int>(row), 0));
}

void ChooserDialog::setNameBox(const std::string& text) { nameBox_->setText(displayText(text)); }

bool ChooserDialog::nameBoxIsEmpty() const { return nameBox_->text().isEmpty(); }

void ChooserDialog::hideChooser() { hide(); }

void ChooserDialog::tell(const std::string& message) { showMessage(this, message); }

void ChooserDialog::closeEvent(QCloseEvent* event) {
    closedByCloseBox_ = true;
    QDialog::closeEvent(event);
}

void ChooserDialog::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog; the chooser has no cancel button.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#include "ui/choosers/chooser_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "choosers/drive_list.h"
#include "choosers/folder_list.h"
#include "ui/choosers/chooser_item_delegate.h"
#include "ui/choosers/chooser_list_view.h"
#include "ui/choosers/drive_box.h"
#include "ui/design_colours.h"
#include "ui/design_font.h"
#include "ui/focus_ring.h"
#include "ui/message_box.h"
#include "ui/owner_centre.h"
#include "ui/path_text.h"
#include "ui/program_icon.h"
#include "ui/twips.h"

namespace nickbridge::ui {
namespace {

// The width a drive box gives the text of its entry.
int driveTextWidth(const QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.frame = true;
    return box.style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box)
        .width();
}

// The width a text box gives its text: inside its frame and the two-pixel margins Qt keeps.
int nameTextWidth(const QLineEdit& box) {
    constexpr int kQtTextMargin = 2;
    const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
    return box.width() - 2 * (frame + kQtTextMargin);
}

// The whole text as a tooltip where it is wider than the room for it, otherwise none.
QString tipWhereCut(const QFontMetrics& metrics, const QString& text, int room) {
    return metrics.horizontalAdvance(text) > room ? text : QString();
}

}  // namespace

ChooserDialog::ChooserDialog(QWidget* owner, const char* name, const QString& caption,
                             int widthTwips, int heightTwips)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      focusRing_(new FocusRing(this)) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(pixels(widthTwips), pixels(heightTwips));
    setFont(designFont());
    QPalette teal = palette();
    teal.setColor(QPalette::Window, kTeal);
    teal.setColor(QPalette::WindowText, teal.color(QPalette::HighlightedText));
    setPalette(teal);
    setAutoFillBackground(true);
    centreOnOwnerAtEveryShowing(*this);
}

QLineEdit* ChooserDialog::makeNameBox(QRect geometry, const QString& accessibleName,
                                      const QString& description) {
    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("Text1"));
    nameBox_->setGeometry(geometry);
    nameBox_->setAccessibleName(accessibleName);
    nameBox_->setAccessibleDescription(description);
    useSystemColours(nameBox_);
    QPalette grey = nameBox_->palette();
    grey.setColor(QPalette::Base, kTextBoxGrey);
    nameBox_->setPalette(grey);
    return nameBox_;
}

QLabel* ChooserDialog::makeLabel(const char* name, const QString& text, QRect geometry,
                                 QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    // Ties the caption to its box, for screen readers and for the focus ring, which takes it in.
    label->setBuddy(buddy);
    return label;
}

QPushButton* ChooserDialog::makeButton(const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    // Neither button is ever the default: a dialog makes its first auto-default button the default
    // when shown, and Enter in a list would then press it. Enter on the focused button is handled
    // by the window instead.
    button->setAutoDefault(false);
    button->setDefault(false);
    useSystemColours(button);
    return button;
}

DriveBox* ChooserDialog::makeDriveBox(QRect geometry) {
    auto* box = new DriveBox(this);
    box->setObjectName(QStringLiteral("Drive1"));
    box->setGeometry(geometry);
    box->setAccessibleName(QStringLiteral("Drives"));
    box->setAccessibleDescription(QStringLiteral("Choosing a drive opens its current folder."));
    useSystemColours(box);
    return box;
}

ChooserListView* ChooserDialog::makeListView(const char* name, QRect geometry,
                                             const QString& accessibleName,
                                             const QString& description) {
    auto* view = new ChooserListView(this);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(geometry);
    view->setItemDelegate(new ChooserItemDelegate(view));
    view->setAccessibleName(accessibleName);
    view->setAccessibleDescription(description);
    return view;
}

ChooserListView* ChooserDialog::makeFolderView(QRect geometry) {
    return makeListView("Dir1", geometry, QStringLiteral("Folders"),
                        QStringLiteral("Enter or a double-click opens a folder. A single click "
                                       "goes back to the current folder of the drive."));
}

void ChooserDialog::showDrives(QComboBox& box, const choosers::DriveList& list) {
    QStringList designations;
    for (const platform::Drive& drive : list.entries()) {
        designations.push_back(pathText(drive.designation));
    }
    QStringList shown;
    for (int i = 0; i < box.count(); ++i) shown.push_back(box.itemText(i));
    if (shown != designations) {
        box.clear();
        box.addItems(designations);
        const int room = driveTextWidth(box);
        for (int i = 0; i < box.count(); ++i) {
            box.setItemData(i, tipWhereCut(box.fontMetrics(), designations[i], room),
                            Qt::ToolTipRole);
        }
    }
    box.setCurrentIndex(static_cast<int>(list.selected()));
    box.setToolTip(box.itemData(box.currentIndex(), Qt::ToolTipRole).toString());
}

void ChooserDialog::showFolderSelection(QListView& view, const choosers::FolderList& list) {
    // The clicked row stays highlighted; otherwise the open folder is.
    const std::size_t row = list.clickedRow().value_or(list.openRow());
    view.setCurrentIndex(view.model()->index(static_cast<int>(row), 0));
}

void ChooserDialog::setNameBox(const std::string& text) {
    nameBox_->setText(pathText(text));
    nameBox_->setToolTip(
        tipWhereCut(nameBox_->fontMetrics(), nameBox_->text(), nameTextWidth(*nameBox_)));
}

bool ChooserDialog::nameBoxIsEmpty() const { return nameBox_->text().isEmpty(); }

void ChooserDialog::hideChooser() { hide(); }

void ChooserDialog::tell(const std::string& message) { showMessage(this, message); }

void ChooserDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* focused = focusWidget()) focusRing_->surround(focused);
}

void ChooserDialog::closeEvent(QCloseEvent* event) {
    closedByCloseBox_ = true;
    QDialog::closeEvent(event);
}

void ChooserDialog::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog; the chooser has no cancel button.
    if (event->key() == Qt::Key_Escape) return;
    // Return and the keypad's Enter press the focused button, and only that one: Enter in a list
    // or a box reaches no default button, since there is none.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
// Where the choosers' controls sit, their focus order, and how names in other encodings show.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTest>
#include <QToolTip>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/path_bytes.h"
#include "ui/choosers/chooser_item_delegate.h"
#include "ui/choosers/chooser_windows.h"
#include "ui/choosers/folder_icons.h"
#include "ui/choosers/list_models.h"
#include "ui/choosers/output_chooser_window.h"
#include "ui/choosers/source_chooser_window.h"
#include "ui/main_window/main_window.h"
#include "ui/modal.h"
#include "ui/path_text.h"
#include "ui/twips.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

struct Placed {
    const char* name;
    QRect twips;  // left, top, width, height
};

void expectLaidOut(QDialog& dialog, QSize clientTwips, const std::vector<Placed>& tabOrder) {
    EXPECT_EQ(dialog.size(),
              QSize(ui::pixels(clientTwips.width()), ui::pixels(clientTwips.height())));
    QWidget* previous = nullptr;
    for (const Placed& placed : tabOrder) {
        auto* widget = dialog.findChild<QWidget*>(QLatin1String(placed.name));
        ASSERT_NE(widget, nullptr) << placed.name;
        const QRect& t = placed.twips;
        EXPECT_EQ(widget->geometry(), ui::twipsRect(t.x(), t.y(), t.width(), t.height()))
            << placed.name;
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous != nullptr) {
            QWidget* next = previous->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || !dialog.isAncestorOf(next)) {
                next = next->nextInFocusChain();
            }
            EXPECT_EQ(next, widget) << placed.name;
        }
        previous = widget;
    }
    for (auto* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
    }
}

class ChooserLayout : public InTempCurrentFolder {
protected:
    std::string bytes(const std::filesystem::path& path) const { return platform::pathBytes(path); }
    ui::MainWindow window_{ui::chooserWindowsOver(platform::systemDrives()), settingsFile()};
};

TEST_F(ChooserLayout, TheSourceChooserIsDrawnAsDesigned) {
    auto* dialog = window_.findChild<QDialog*>(QStringLiteral("Form2"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Source Nickname File"));
    expectLaidOut(*dialog, {5670, 3105},
                  {{"Dir1", {3120, 120, 2415, 1890}},
                   {"Drive1", {3120, 2160, 2415, 315}},
                   {"File1", {120, 120, 2895, 2430}},
                   {"Command1", {3120, 2640, 1095, 375}},
                   {"Text1", {1080, 2640, 1935, 315}},
                   {"Label1", {240, 2760, 855, 255}},
                   {"Command2", {4440, 2640, 1095, 375}}});
}

TEST_F(ChooserLayout, TheOutputChooserIsDrawnAsDesigned) {
    auto* dialog = window_.findChild<QDialog*>(QStringLiteral("Form3"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Output Folder"));
    expectLaidOut(*dialog, {5205, 2955},
                  {{"Drive1", {2880, 1920, 2175, 315}},
                   {"Dir1", {120, 120, 4935, 1665}},
                   {"Text1", {720, 1920, 2055, 315}},
                   {"Label1", {120, 2040, 735, 255}},
                   {"Command2", {2640, 2520, 1095, 375}},
                   {"Command1", {1320, 2520, 1095, 375}}});
}

// The file list and the output chooser's narrow folder box show a name they cut in a tooltip.
TEST_F(ChooserLayout, ACutNameHasItsWholeNameAsItsTooltipAndANameThatFitsNone) {
    const std::string longName(120, 'n');
    writeBytes(folder_.path() / "short.txt", "");
    writeBytes(folder_.path() / (longName + ".txt"), "");
    std::filesystem::create_directories(folder_.path() / longName);
    ui::MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    auto* source = window.findChild<ui::SourceChooserWindow*>(QStringLiteral("Form2"));
    auto* output = window.findChild<ui::OutputChooserWindow*>(QStringLiteral("Form3"));
    ASSERT_TRUE(source != nullptr && output != nullptr);
    source->prepareToShow();
    source->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(source));
    auto* files = source->findChild<QAbstractItemView*>(QStringLiteral("File1"));
    const struct {
        QString name;
        bool cut;
    } rows[] = {{QStringLiteral("short.txt"), false},
                {QString::fromStdString(longName + ".txt"), true}};
    for (const auto& row : rows) {
        const auto found = files->model()->match(files->model()->index(0, 0), Qt::DisplayRole,
                                                 row.name, 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(ui::ChooserItemDelegate::cutTextTip(*files, found[0]),
                  row.cut ? row.name : QString());
        // The mouse resting on the row asks for its tooltip.
        const QPoint at = files->visualRect(found[0]).center();
        QHelpEvent rest(QEvent::ToolTip, at, files->viewport()->mapToGlobal(at));
        QApplication::sendEvent(files->viewport(), &rest);
        EXPECT_EQ(QToolTip::isVisible() && row.cut ? QToolTip::text() : QString(),
                  row.cut ? row.name : QString());
    }
    source->hide();

    auto* folderBox = output->findChild<QLineEdit*>(QStringLiteral("Text1"));
    output->chooser().folderList().setPath(bytes(folder_.path() / longName));
    EXPECT_EQ(folderBox->toolTip(), folderBox->text());
    EXPECT_TRUE(folderBox->text().endsWith(QString::fromStdString(longName)));
    output->chooser().folderList().setPath("/");
    EXPECT_EQ(folderBox->toolTip(), QString());
}

// The folder list's rows are bare names; the drawing indents them, and the open folder and those
// above it have the open picture, the folders inside it the closed one.
TEST_F(ChooserLayout, FolderRowsAreBareNamesWithOpenPicturesDownToTheOpenFolder) {
    std::filesystem::create_directories(folder_.path() / "inner");
    ui::MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    auto* source = window.findChild<ui::SourceChooserWindow*>(QStringLiteral("Form2"));
    source->prepareToShow();
    auto* folders = source->findChild<QAbstractItemView*>(QStringLiteral("Dir1"));
    const QAbstractItemModel& model = *folders->model();
    const std::size_t openRow = source->chooser().folderList().openRow();
    ASSERT_EQ(static_cast<std::size_t>(model.rowCount()), openRow + 2);
    const qint64 openPicture = ui::folderIcon(true).cacheKey();
    const qint64 closedPicture = ui::folderIcon(false).cacheKey();
    EXPECT_NE(ui::folderIcon(true).pixmap(16).toImage(),
              ui::folderIcon(false).pixmap(16).toImage());
    for (int row = 0; row < model.rowCount(); ++row) {
        SCOPED_TRACE(row);
        const QModelIndex index = model.index(row, 0);
        EXPECT_FALSE(index.data().toString().startsWith(QLatin1Char(' ')));
        const bool inside = static_cast<std::size_t>(row) > openRow;
        EXPECT_EQ(index.data(ui::kDepthRole).toInt(), inside ? static_cast<int>(openRow) + 1 : row);
        EXPECT_EQ(qvariant_cast<QIcon>(index.data(Qt::DecorationRole)).cacheKey(),
                  inside ? closedPicture : openPicture);
    }
    EXPECT_EQ(model.index(model.rowCount() - 1, 0).data().toString(), QStringLiteral("inner"));
    // The drawing, not the text, indents each level.
    const QStyleOptionViewItem option;
    const QModelIndex top = model.index(0, 0);
    const QModelIndex inner = model.index(model.rowCount() - 1, 0);
    EXPECT_EQ(folders->itemDelegate()->sizeHint(option, inner).width() -
                  QStyledItemDelegate().sizeHint(option, inner).width(),
              ui::ChooserItemDelegate::kIndentPerLevel * inner.data(ui::kDepthRole).toInt());
    EXPECT_EQ(folders->itemDelegate()->sizeHint(option, top).width(),
              QStyledItemDelegate().sizeHint(option, top).width());
}

#ifndef _WIN32
using ChooserNames = InTempCurrentFolder;

// A name that is not valid text looks the same in the chooser, the main window's path field and a
// message, opens by its bytes, and the field gives back those bytes after an edit.
TEST_F(ChooserNames, UndecodableBytesShowOneWayEverywhereAndComeBackUnchanged) {
    const std::string name = "caf\xe9";
    const QString shown = ui::pathText(name);
    EXPECT_EQ(shown, QStringLiteral("caf") + QChar(0xDCE9));
    std::filesystem::create_directories(folder_.path() / name);
    ui::MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    bool opened = false;
    const ui::ModalSink previous = ui::setModalSink([&](QDialog& dialog) {
        dialog.show();
        auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("Dir1"));
        const auto found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, shown,
                                                1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QPoint at = list->visualRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("Text1"))->text().endsWith(shown));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        opened = true;
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse2"))->click();
    ui::setModalSink(previous);
    ASSERT_TRUE(opened);
    const std::string chosen = platform::pathBytes(folder_.path() / name);
    EXPECT_EQ(window.outputEntries().dir, chosen);

    auto* field = window.findChild<QLineEdit*>(QStringLiteral("Text2"));
    EXPECT_TRUE(field->text().contains(shown + QLatin1Char('/')));
    ui::showMessage(&window, "Cannot open " + chosen);
    ASSERT_FALSE(messages_.shown.empty());
    EXPECT_EQ(messages_.shown.back().text, QStringLiteral("Cannot open ") + ui::pathText(chosen));

    const std::string before = window.outputPath();
    field->setFocus();
    field->home(false);
    QTest::keyClicks(field, QStringLiteral("x"));
    QTest::keyClick(field, Qt::Key_Backspace);
    field->end(false);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("t"));
    EXPECT_EQ(window.outputPath(), before);
}
#endif

}  // namespace
}  // namespace nickbridge::testing

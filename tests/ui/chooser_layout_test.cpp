// SPDX-License-Identifier: MIT
// Where the choosers' controls sit, their focus order, and how names in other encodings show.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/path_bytes.h"
#include "ui/choosers/chooser_windows.h"
#include "ui/choosers/display_text.h"
#include "ui/main_window/main_window.h"
#include "ui/modal.h"
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

TEST(DisplayText, BytesInvalidInTheLocaleStayReadable) {
    EXPECT_EQ(ui::displayText("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(ui::displayText("caf\xe9"), QStringLiteral("caf\u00e9"));
}

#ifndef _WIN32
using ChooserNames = InTempCurrentFolder;

TEST_F(ChooserNames, AFolderNamedInAnotherEncodingOpensByItsBytes) {
    const std::string name = "caf\xe9";
    std::filesystem::create_directories(folder_.path() / name);
    ui::MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    bool opened = false;
    const ui::ModalSink previous = ui::setModalSink([&](QDialog& dialog) {
        dialog.show();
        auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("Dir1"));
        const auto found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                QStringLiteral("caf\u00e9"), 1, Qt::MatchEndsWith);
        ASSERT_EQ(found.size(), 1);
        const QPoint at = list->visualRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        opened = true;
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse2"))->click();
    ui::setModalSink(previous);
    ASSERT_TRUE(opened);
    EXPECT_EQ(window.outputEntries().dir, platform::pathBytes(folder_.path() / name));
}
#endif

}  // namespace
}  // namespace nickbridge::testing

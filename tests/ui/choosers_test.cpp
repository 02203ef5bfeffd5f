// SPDX-License-Identifier: MIT
// The two chooser windows with the main window: start-up, browsing, the close box, the refused
// file and the reset after a conversion.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "choosers/chooser_fakes.h"
#include "choosers/wildcard.h"
#include "platform/drives.h"
#include "platform/path_bytes.h"
#include "ui/choosers/chooser_windows.h"
#include "ui/choosers/output_chooser_window.h"
#include "ui/choosers/source_chooser_window.h"
#include "ui/main_window/main_window.h"
#include "ui/modal.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::MainWindow;
using ui::OutputChooserWindow;
using ui::SourceChooserWindow;

// Answers every modal showing with a scripted action instead of a modal loop.
class ModalScript {
public:
    explicit ModalScript(std::function<void(QDialog&)> act)
        : previous_(ui::setModalSink([this, act = std::move(act)](QDialog& dialog) {
              ++shown;
              dialog.show();
              act(dialog);
          })) {}
    ~ModalScript() { ui::setModalSink(std::move(previous_)); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    int shown = 0;

private:
    ui::ModalSink previous_;
};

void click(QDialog& dialog, const char* name) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

// Clicks (or double-clicks) the row of a list view that shows `text` at its end.
void clickRow(QDialog& dialog, const char* view, const QString& text, bool twice = false) {
    auto* list = dialog.findChild<QAbstractItemView*>(QLatin1String(view));
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole,
                                                       text, 1, Qt::MatchEndsWith);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    const QPoint at = list->visualRect(found[0]).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

std::string bytes(const std::filesystem::path& path) { return platform::pathBytes(path); }

class Choosers : public InTempCurrentFolder {
protected:
    std::string here() const { return bytes(folder_.path()); }
    std::string in(const char* name) const { return bytes(folder_.path() / name); }
    // The designation of the drive holding the temp folder.
    std::string hereDrive() const {
        const auto drives = platform::systemDrives().list();
        return drives[platform::driveHolding(here(), drives).value_or(0)].designation;
    }
    SourceChooserWindow* sourceWindow(MainWindow& window) const {
        return window.findChild<SourceChooserWindow*>(QStringLiteral("Form2"));
    }
    OutputChooserWindow* outputWindow(MainWindow& window) const {
        return window.findChild<OutputChooserWindow*>(QStringLiteral("Form3"));
    }
};

TEST_F(Choosers, StartUpMakesBothHiddenAtTheFoldersOfTheSettingsFile) {
    std::filesystem::create_directories(folder_.path() / "mail");
    std::filesystem::create_directories(folder_.path() / "out");
    writeSettings(crlfLines({"", "", in("mail"), in("mail"), hereDrive(), in("out"), hereDrive()}));
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    SourceChooserWindow* source = sourceWindow(window);
    OutputChooserWindow* output = outputWindow(window);
    ASSERT_NE(source, nullptr);
    ASSERT_NE(output, nullptr);
    EXPECT_FALSE(source->isVisible());
    EXPECT_FALSE(output->isVisible());
    EXPECT_EQ(source->chooser().fileList().path(), in("mail"));
    EXPECT_EQ(source->chooser().folderList().path(), in("mail"));
    EXPECT_EQ(output->chooser().folderList().path(), in("out"));
    EXPECT_EQ(window.sourceEntries().dir, in("mail"));
    EXPECT_EQ(window.outputEntries().drive, hereDrive());
}

TEST_F(Choosers, ClickingAFileChoosesItAndSavesTheSettings) {
    writeBytes(folder_.path() / "book.txt", "alias ann ann@home\r\n");
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    ModalScript script([](QDialog& dialog) { clickRow(dialog, "File1", "book.txt"); });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Browse1")), Qt::LeftButton);
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(window.sourcePath(), in("book.txt"));
    EXPECT_FALSE(sourceWindow(window)->isVisible());
    EXPECT_EQ(settingsBytes().substr(0, in("book.txt").size()), in("book.txt"));
}

// Only an exactly empty name box is refused: a typed space counts as filled, and with no file
// selected OK chooses the folder.
TEST_F(Choosers, ANameBoxHoldingOnlyASpaceIsFilled) {
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    ModalScript script([](QDialog& dialog) {
        auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
        nameBox->clear();
        QTest::keyClicks(nameBox, QStringLiteral(" "));
        click(dialog, "Command1");
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(window.sourcePath(), here() + platform::nativeSeparator());
    EXPECT_FALSE(sourceWindow(window)->isVisible());
}

TEST_F(Choosers, AFailedSaveIsReportedAndTheFileIsStillChosen) {
    writeBytes(folder_.path() / "book.txt", "alias ann ann@home\r\n");
    std::filesystem::create_directories(folder_.path() / "nbr.ini");  // cannot be written
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    ModalScript script([](QDialog& dialog) { clickRow(dialog, "File1", "book.txt"); });
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_EQ(window.sourcePath(), in("book.txt"));
    EXPECT_FALSE(sourceWindow(window)->isVisible());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains(QStringLiteral("nbr.ini")));
}

TEST_F(Choosers, ADoubleClickOpensAFolderAndOkTakesIt) {
    std::filesystem::create_directories(folder_.path() / "out" / "deeper");
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    ModalScript script([](QDialog& dialog) {
        clickRow(dialog, "Dir1", QStringLiteral("out"), true);
        clickRow(dialog, "Dir1", QStringLiteral("deeper"), true);
        click(dialog, "Command1");
    });
    QTest::mouseDClick(window.findChild<QWidget*>(QStringLiteral("Text2")), Qt::LeftButton);
    const std::string chosen = bytes(folder_.path() / "out" / "deeper");
    EXPECT_EQ(window.outputPath(), bytes(folder_.path() / "out" / "deeper" / "converted.txt"));
    EXPECT_EQ(window.outputEntries().dir, chosen);
}

TEST_F(Choosers, InTheSourceChooserADoubleClickOpensTheFolderItHitDespiteTheClickBeforeIt) {
    std::filesystem::create_directories(folder_.path() / "a" / "b");
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    ModalScript script([](QDialog& dialog) {
        clickRow(dialog, "Dir1", QStringLiteral("a"), true);
        // The click of this double-click takes the lists back to the drive's current folder
        // first; the double-click still opens the folder the user pointed at.
        clickRow(dialog, "Dir1", QStringLiteral("b"), true);
        dialog.hide();
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_EQ(sourceWindow(window)->chooser().folderList().path(),
              bytes(folder_.path() / "a" / "b"));
}

TEST_F(Choosers, EscapeAndEnterDoNothingAndTheCloseBoxEndsTheChooser) {
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    QPointer<QDialog> first;
    ModalScript script([&](QDialog& dialog) {
        first = &dialog;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(sourceWindow(window), nullptr);

    // The next touch makes it anew, and its start-up restores the main window from nbr.ini.
    window.setSourcePath("typed since");
    writeSettings(crlfLines({"remembered.txt"}));
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_EQ(script.shown, 2);
    EXPECT_EQ(window.sourcePath(), "remembered.txt");
}

TEST_F(Choosers, ARefusedFileBringsUpTheSourceChooserAndNothingIsWritten) {
    writeBytes(folder_.path() / "letter.txt", "Dear Ann,\r\n");
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    window.setSourcePath(in("letter.txt"));
    window.setOutputPath(in("converted.txt"));
    ModalScript script([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("Form2"));
        click(dialog, "Command2");
    });
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(window.sourcePath(), "");
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "converted.txt"));
}

TEST_F(Choosers, AConversionTakesBothChoosersToTheirDefaultFolders) {
    std::filesystem::create_directories(folder_.path() / "eudora" / "nickname");
    std::filesystem::create_directories(folder_.path() / "temp");
    writeBytes(folder_.path() / "book.txt", "alias ann ann@home\r\n");
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    window.setSourcePath(in("book.txt"));
    window.setOutputPath(in("converted.txt"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_TRUE(std::filesystem::exists(folder_.path() / "converted.txt"));
    EXPECT_EQ(sourceWindow(window)->chooser().folderList().path(),
              bytes(folder_.path() / "eudora" / "nickname"));
    EXPECT_EQ(outputWindow(window)->chooser().folderList().path(), in("temp"));
}

// A stick plugged in while the chooser is open shows when its drive list drops down.
TEST_F(Choosers, TheDriveListReadsTheDrivesAgainAsItDropsDown) {
    FakeDrives drives;
    drives.currentFolders[FakeDrives::kP] = here();
    choosers::FolderScanner scanner{std::string(choosers::kNicknameFilePattern)};
    FakeMainWindow main;
    OutputChooserWindow chooser(drives, scanner, main, nullptr);
    auto* box = chooser.findChild<QComboBox*>(QStringLiteral("Drive1"));
    ASSERT_EQ(box->count(), 2);
    drives.drives.push_back({"/mnt/stick2 [stick2]", "/mnt/stick2"});
    box->showPopup();
    box->hidePopup();
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(2), QStringLiteral("/mnt/stick2 [stick2]"));
    EXPECT_TRUE(messages_.shown.empty());
}

}  // namespace
}  // namespace nickbridge::testing

// SPDX-License-Identifier: MIT
// Start-up, close and File > Exit of the main window against nbr.ini in the current folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <array>
#include <filesystem>

#include "platform/path_conventions.h"
#include "ui/main_window/field_box.h"
#include "ui/main_window/main_window.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::FieldBox;
using ui::MainWindow;

// The boxes in the order of their lines in nbr.ini.
constexpr std::array<const char*, 8> kBoxesInFileOrder{"FN", "LN", "NN", "EA",
                                                       "PA", "PN", "FX", "NOTEs"};

FieldBox* box(const MainWindow& window, const char* name) {
    return window.findChild<FieldBox*>(QLatin1String(name));
}

QString text(const MainWindow& window, const char* name) {
    return window.findChild<QLineEdit*>(QLatin1String(name))->text();
}

void expectBoxes(const MainWindow& window, const std::array<BoxState, 8>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(box(window, kBoxesInFileOrder[i])->state(), expected[i]) << kBoxesInFileOrder[i];
    }
}

// Runs the application's event loop with `action` as its first event and returns its result;
// a loop still running after five seconds ends with 99, so a hang fails instead of blocking.
template <typename Action>
int runEventLoopWith(Action action) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    QTimer::singleShot(0, action);
    return QApplication::exec();
}

constexpr std::array<BoxState, 8> kAllTicked{BoxState::Ticked, BoxState::Ticked, BoxState::Ticked,
                                             BoxState::Ticked, BoxState::Ticked, BoxState::Ticked,
                                             BoxState::Ticked, BoxState::Ticked};

const std::string kSavedFile =
    crlfLines({"/home/ann/eudora/nndbase.txt", "/home/ann/out/converted.txt", "/home/ann/eudora",
               "/home/ann/eudora", "/", "/home/ann/out", "/", " 1 ", " 0 ", " 2 ", " 1 ", " 0 ",
               " 1 ", " 1 ", " 0 "});
constexpr std::array<BoxState, 8> kSavedBoxes{BoxState::Ticked, BoxState::Clear, BoxState::Greyed,
                                              BoxState::Ticked, BoxState::Clear, BoxState::Ticked,
                                              BoxState::Ticked, BoxState::Clear};

using MainWindowSettings = InTempCurrentFolder;

TEST_F(MainWindowSettings, FirstStartWritesTheDefaultBlockAndEmptiesBothPaths) {
    const MainWindow window(noChoosers(), settingsFile());

    EXPECT_EQ(settingsBytes(), defaultBlock());
    EXPECT_EQ(text(window, "Text1"), QString());
    EXPECT_EQ(text(window, "Text2"), QString());
    expectBoxes(window, kAllTicked);
    const choosers::SourceEntries source = window.sourceEntries();
    const choosers::OutputEntries output = window.outputEntries();
    for (const std::string& entry :
         {source.fileListFolder, source.dir, source.drive, output.dir, output.drive}) {
        EXPECT_EQ(entry, "c");
    }
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MainWindowSettings, StartRestoresASavedFileAndAppendsTheDefaultBlockAfterIt) {
    writeSettings(kSavedFile);
    const MainWindow window(noChoosers(), settingsFile());

    EXPECT_EQ(settingsBytes(), kSavedFile + defaultBlock());
    EXPECT_EQ(window.sourcePath(), "/home/ann/eudora/nndbase.txt");
    EXPECT_EQ(window.outputPath(), "/home/ann/out/converted.txt");
    EXPECT_EQ(window.sourceEntries().fileListFolder, "/home/ann/eudora");
    EXPECT_EQ(window.sourceEntries().dir, "/home/ann/eudora");
    EXPECT_EQ(window.sourceEntries().drive, "/");
    EXPECT_EQ(window.outputEntries().dir, "/home/ann/out");
    EXPECT_EQ(window.outputEntries().drive, "/");
    expectBoxes(window, kSavedBoxes);
}

TEST_F(MainWindowSettings, CloseWritesTheFifteenLinesByteForByte) {
    writeSettings(kSavedFile);
    MainWindow window(noChoosers(), settingsFile());
    window.show();
    window.setSourcePath("/home/ann/other.txt");
    QTest::mouseClick(box(window, "FN"), Qt::LeftButton);  // ticked -> clear
    QTest::mouseClick(box(window, "LN"), Qt::LeftButton);  // clear -> ticked
    window.close();

    EXPECT_EQ(settingsBytes(),
              crlfLines({"/home/ann/other.txt", "/home/ann/out/converted.txt", "/home/ann/eudora",
                         "/home/ann/eudora", "/", "/home/ann/out", "/", " 0 ", " 1 ", " 2 ", " 1 ",
                         " 0 ", " 1 ", " 1 ", " 0 "}));
    EXPECT_TRUE(messages_.shown.empty());
}

// Lines 8 to 15 of a seven-line file come from the appended default block: "", "", five "c" and
// one "1". None of those but the last is a box state, so FN to FX keep their state from the
// design (ticked) and NOTEs is ticked by the file; a save then writes all eight as ticked.
TEST_F(MainWindowSettings, ASevenLineFileLeavesTheBoxesTicked) {
    writeSettings(crlfLines({"/src.txt", "/out.txt", "f", "d", "v", "e", "w"}));
    MainWindow window(noChoosers(), settingsFile());

    EXPECT_EQ(window.sourcePath(), "/src.txt");
    EXPECT_EQ(window.outputPath(), "/out.txt");
    EXPECT_EQ(window.outputEntries().drive, "w");
    expectBoxes(window, kAllTicked);

    window.close();
    EXPECT_EQ(settingsBytes(), crlfLines({"/src.txt", "/out.txt", "f", "d", "v", "e", "w", " 1 ",
                                          " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 ", " 1 "}));
}

TEST_F(MainWindowSettings, AGreyedBoxIsRestoredAndWrittenBack) {
    writeSettings(kSavedFile);
    MainWindow window(noChoosers(), settingsFile());
    ASSERT_EQ(box(window, "NN")->state(), BoxState::Greyed);
    ASSERT_EQ(box(window, "NN")->checkState(), Qt::PartiallyChecked);

    window.close();
    EXPECT_EQ(settingsBytes(), kSavedFile);
}

std::string settingsWithSourcePath(const std::string& path) {
    return crlfLines({path, "/out/converted.txt", "c", "c", "c", "c", "c", " 1 ", " 1 ", " 1 ",
                      " 1 ", " 1 ", " 1 ", " 1 ", " 1 "});
}

// Paths are the user's bytes however long they are, edited or not. Megabytes are kept whole and
// shown cut, read-only: typing there changes nothing.
TEST_F(MainWindowSettings, SourcePathBytesSurviveRestoreEditAndSave) {
    const std::string latin1Path = "/home/ren\xE9/caf\xE9.txt";
    const std::string longPath = "/" + std::string(39'995, 'a') + ".txt";
    const std::string hugePath = "/" + std::string(10'000'000, '\xE9') + ".txt";
    const struct {
        const char* name;
        std::string restored;
        const char* typed;  // at the end of the source path field
    } cases[] = {
        {"outside UTF-8", latin1Path, ""}, {"outside UTF-8, edited", latin1Path, ".bak"},
        {"40,000 bytes", longPath, ""},    {"40,000 bytes, edited", longPath, "x"},
        {"10 MB", hugePath, ""},           {"10 MB, typed at", hugePath, "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(settingsWithSourcePath(c.restored));
        MainWindow window(noChoosers(), settingsFile());
        EXPECT_EQ(window.sourcePath(), c.restored);
        auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        text1->end(false);
        QTest::keyClicks(text1, QLatin1String(c.typed));

        window.close();
        const std::string kept = c.restored.size() > 65'536 ? c.restored : c.restored + c.typed;
        EXPECT_EQ(settingsBytes(), settingsWithSourcePath(kept));
    }
}

TEST_F(MainWindowSettings, FileExitEndsTheRunWithoutSaving) {
    writeSettings(kSavedFile);
    MainWindow window(noChoosers(), settingsFile());
    window.show();
    QTest::mouseClick(box(window, "FN"), Qt::LeftButton);
    const std::string before = settingsBytes();

    auto* exitItem = window.findChild<QAction*>(QStringLiteral("exit"));
    ASSERT_NE(exitItem, nullptr);
    EXPECT_EQ(runEventLoopWith([exitItem] { exitItem->trigger(); }), 0);

    EXPECT_EQ(settingsBytes(), before);
    EXPECT_TRUE(window.isVisible());  // ended without closing the window first
}

TEST_F(MainWindowSettings, ClosingTheWindowSavesAndEndsTheRun) {
    MainWindow window(noChoosers(), settingsFile());
    window.show();
    QApplication::setQuitOnLastWindowClosed(true);
    const int result = runEventLoopWith([&window] { window.close(); });
    QApplication::setQuitOnLastWindowClosed(false);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(settingsBytes(), crlfLines({"", "", "c", "c", "c", "c", "c", " 1 ", " 1 ", " 1 ",
                                          " 1 ", " 1 ", " 1 ", " 1 ", " 1 "}));
}

// A folder named nbr.ini can be neither read nor replaced, whoever runs the test.
TEST_F(MainWindowSettings, AFailedSaveIsShownAndTheWindowClosesAnyway) {
    std::filesystem::create_directory(folder_.path() / "nbr.ini");
    MainWindow window(noChoosers(), settingsFile());
    EXPECT_EQ(window.outputPath(), platform::defaultOutputPath());  // nothing read: the design
    window.show();

    window.close();

    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].caption, QStringLiteral("nickbridge"));
    EXPECT_TRUE(messages_.shown[0].text.startsWith(
        QStringLiteral("Cannot save the settings file \"nbr.ini\": ")))
        << messages_.shown[0].text.toStdString();
    EXPECT_GT(messages_.shown[0].text.size(), 43) << "the reason is missing";
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace nickbridge::testing

// SPDX-License-Identifier: MIT
// What the main window's buttons, path fields and access keys do.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <utility>

#include "ui/main_window/field_box.h"
#include "ui/main_window/main_window.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::MainWindow;

// Counts what the window asks of the choosers.
struct ChooserCalls {
    int sourceChooser = 0;
    bool sourceChooserUnderBusyPointer = false;
    int outputChooser = 0;
    int reset = 0;
};

class CountingChoosers final : public ui::ChooserSeam {
public:
    explicit CountingChoosers(ChooserCalls& calls) : calls_(calls) {}
    void showSourceChooser() override {
        ++calls_.sourceChooser;
        calls_.sourceChooserUnderBusyPointer = QApplication::overrideCursor() != nullptr;
    }
    void showOutputChooser() override { ++calls_.outputChooser; }
    void resetChoosers() override { ++calls_.reset; }
    void applyRestoredEntries(const RestoredValues&) override {}

private:
    ChooserCalls& calls_;
};

class MainWindowCommands : public InTempCurrentFolder {
protected:
    void pressConvert() {
        QTest::mouseClick(window_.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }

    ChooserCalls calls_;
    MainWindow window_{[this](choosers::MainWindowLink&, QWidget&) {
                           return std::make_unique<CountingChoosers>(calls_);
                       },
                       settingsFile()};
};

TEST_F(MainWindowCommands, ConvertWritesTheOutputAndSaysWhereItWent) {
    const std::string data = NICKBRIDGE_TEST_DATA_DIR;
    const std::string output = folder_.file("converted.txt");
    window_.setSourcePath(data + "/nicknames.txt");
    window_.setOutputPath(output);

    pressConvert();

    EXPECT_EQ(readBytes(output), readBytes(data + "/nicknames_converted.txt"));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].caption, QStringLiteral("nickbridge"));
    EXPECT_EQ(messages_.shown[0].text,
              QString::fromStdString("Conversion Complete to ouput file \"" + output + "\"."));
    EXPECT_EQ(calls_.reset, 1);
}

TEST_F(MainWindowCommands, ConvertReadsTheBoxesAsTheyStandWhenPressed) {
    const std::string data = NICKBRIDGE_TEST_DATA_DIR;
    const std::string output = folder_.file("converted.txt");
    window_.setSourcePath(data + "/nicknames.txt");
    window_.setOutputPath(output);
    for (const char* name : {"FN", "LN", "EA", "PA", "PN", "FX", "NOTEs"}) {
        QTest::mouseClick(window_.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
    }

    pressConvert();

    // Every box but Nickname is cleared now, so every field column of every line is empty.
    const std::string written = readBytes(output);
    const std::string emptyLine =
        R"("","","","","","","","","","","","","","","","","","","","0","Eudora Nicknames")"
        "\r\n";
    ASSERT_FALSE(written.empty());
    for (std::size_t at = 0; at < written.size(); at += emptyLine.size()) {
        EXPECT_EQ(written.substr(at, emptyLine.size()), emptyLine) << "at byte " << at;
    }
}

TEST_F(MainWindowCommands, ConvertToVCardWritesConvertedVcfBesideTheOutputAndNamesIt) {
    const std::string data = NICKBRIDGE_TEST_DATA_DIR;
    window_.setSourcePath(data + "/vcard_mapping.txt");
    window_.setOutputPath(folder_.file("converted.txt"));
    auto* command = window_.findChild<QAction*>(QStringLiteral("vcard"));
    ASSERT_NE(command, nullptr);
    auto* file = window_.findChild<QMenu*>(QStringLiteral("file"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->actions().value(0), command);
    EXPECT_EQ(command->text(), QStringLiteral("Convert to &vCard"));

    command->trigger();

    const std::string vcard = folder_.file("converted.vcf");
    EXPECT_EQ(readBytes(vcard), readBytes(data + "/vcard_mapping.vcf"));
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "converted.txt"));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text,
              QString::fromStdString("Conversion Complete to ouput file \"" + vcard + "\"."));
    EXPECT_EQ(window_.outputPath(), folder_.file("converted.txt"));
    EXPECT_EQ(calls_.reset, 1);
}

TEST_F(MainWindowCommands, ConvertToVCardRefusesAsConvertDoes) {
    window_.setSourcePath(folder_.file("missing.txt"));
    window_.setOutputPath("");
    window_.findChild<QAction*>(QStringLiteral("vcard"))->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.startsWith(QStringLiteral("Cannot read the nickname file")))
        << messages_.shown[0].text.toStdString();

    window_.setSourcePath("");
    window_.setOutputPath(folder_.file("converted.txt"));
    window_.findChild<QAction*>(QStringLiteral("vcard"))->trigger();
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[1].text, QStringLiteral("Nothing to do."));
    EXPECT_EQ(calls_.reset, 0);
}

TEST_F(MainWindowCommands, ConvertWithAnEmptyPathHasNothingToDo) {
    window_.setSourcePath("");
    window_.setOutputPath(folder_.file("converted.txt"));

    pressConvert();

    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("Nothing to do."));
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "converted.txt"));
    EXPECT_EQ(calls_.reset, 0);
}

TEST_F(MainWindowCommands, ARefusedFileIsReportedAndTheSourceChooserShown) {
    const std::string source = folder_.file("letter.txt");
    writeBytes(source, "Dear Ann,\r\n");
    window_.setSourcePath(source);
    window_.setOutputPath(folder_.file("converted.txt"));

    pressConvert();

    ASSERT_FALSE(messages_.shown.empty());
    EXPECT_EQ(messages_.shown[0].text,
              QStringLiteral("This does not appear to be a Eudora Nicknames file."));
    EXPECT_EQ(calls_.sourceChooser, 1);
}

// Every way the command ends: the busy pointer is gone before anything is shown, and after.
TEST_F(MainWindowCommands, TheBusyPointerNeverStaysOverAMessageNorAfterTheCommand) {
    const std::string data = NICKBRIDGE_TEST_DATA_DIR;
    const std::string letter = folder_.file("letter.txt");
    writeBytes(letter, "Dear Ann,\r\n");
    const struct {
        std::string source;
        std::string output;
    } cases[] = {
        {data + "/nicknames.txt", folder_.file("converted.txt")},
        {"", folder_.file("converted.txt")},
        {letter, folder_.file("converted.txt")},
        {folder_.file("missing.txt"), folder_.file("converted.txt")},
        {data + "/nicknames.txt", "/dev/full"},
    };
    for (const auto& [source, output] : cases) {
        SCOPED_TRACE(source + " -> " + output);
        messages_.shown.clear();
        window_.setSourcePath(source);
        window_.setOutputPath(output);

        pressConvert();

        ASSERT_FALSE(messages_.shown.empty());
        for (const ShownMessage& message : messages_.shown) {
            EXPECT_FALSE(message.underBusyPointer) << message.text.toStdString();
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(calls_.sourceChooser, 1);
    EXPECT_FALSE(calls_.sourceChooserUnderBusyPointer);
}

TEST_F(MainWindowCommands, ButtonsAndDoubleClicksOpenTheirChooser) {
    const struct {
        const char* control;
        bool doubleClick;
        int sourceChooser;
        int outputChooser;
    } cases[] = {{"Browse1", false, 1, 0},
                 {"Text1", true, 1, 0},
                 {"Browse2", false, 0, 1},
                 {"Text2", true, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        calls_ = {};
        auto* widget = window_.findChild<QWidget*>(QLatin1String(c.control));
        ASSERT_NE(widget, nullptr);
        if (c.doubleClick) {
            QTest::mouseDClick(widget, Qt::LeftButton);
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
        EXPECT_EQ(calls_.sourceChooser, c.sourceChooser);
        EXPECT_EQ(calls_.outputChooser, c.outputChooser);
        EXPECT_TRUE(messages_.shown.empty());
    }
}

// A button's access key clicks it after a short press animation, hence the waiting.
TEST_F(MainWindowCommands, AccessKeysPressTheirButtons) {
    window_.setSourcePath("");
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    const struct {
        Qt::Key key;
        int sourceChooser;
        int outputChooser;
        std::size_t messages;  // Convert with no source path: "Nothing to do."
    } cases[] = {{Qt::Key_B, 1, 0, 0}, {Qt::Key_R, 0, 1, 0}, {Qt::Key_C, 0, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        calls_ = {};
        messages_.shown.clear();
        QTest::keyClick(QApplication::focusWidget(), c.key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] {
            return calls_.sourceChooser + calls_.outputChooser > 0 || !messages_.shown.empty();
        }));
        EXPECT_EQ(calls_.sourceChooser, c.sourceChooser);
        EXPECT_EQ(calls_.outputChooser, c.outputChooser);
        EXPECT_EQ(messages_.shown.size(), c.messages);
    }
}

// Return and the keypad's Enter press the focused button; on a path field they press nothing, as
// no button is the window's default.
TEST_F(MainWindowCommands, EnterPressesTheFocusedButtonOnly) {
    window_.setSourcePath("");
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    const struct {
        const char* control;
        int sourceChooser;
        int outputChooser;
        std::size_t messages;  // Convert with no source path: "Nothing to do."
    } cases[] = {{"Command1", 0, 0, 1},
                 {"Browse1", 1, 0, 0},
                 {"Browse2", 0, 1, 0},
                 {"Text1", 0, 0, 0},
                 {"Text2", 0, 0, 0}};
    for (const auto& [key, modifier] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                        std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.control) + (key == Qt::Key_Enter ? " keypad" : ""));
            calls_ = {};
            messages_.shown.clear();
            auto* widget = window_.findChild<QWidget*>(QLatin1String(c.control));
            ASSERT_NE(widget, nullptr);
            widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(widget, key, modifier);
            EXPECT_EQ(calls_.sourceChooser, c.sourceChooser);
            EXPECT_EQ(calls_.outputChooser, c.outputChooser);
            EXPECT_EQ(messages_.shown.size(), c.messages);
        }
    }
}

TEST_F(MainWindowCommands, AClickOnACaptionActsAsAClickOnItsBox) {
    const struct {
        const char* caption;
        const char* box;
    } pairs[] = {{"Label1", "FN"}, {"Label2", "LN"}, {"Label3", "EA"}, {"Label4", "PN"},
                 {"Label5", "NN"}, {"Label6", "PA"}, {"Label7", "FX"}, {"Label8", "NOTEs"}};
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.caption);
        auto* caption = window_.findChild<QWidget*>(QLatin1String(p.caption));
        auto* box = window_.findChild<ui::FieldBox*>(QLatin1String(p.box));
        ASSERT_NE(caption, nullptr);
        ASSERT_NE(box, nullptr);
        box->setState(BoxState::Greyed);
        for (const BoxState expected : {BoxState::Ticked, BoxState::Clear, BoxState::Ticked}) {
            QTest::mouseClick(caption, Qt::LeftButton);
            EXPECT_EQ(box->state(), expected);
        }
        EXPECT_TRUE(box->hasFocus());
        // A press dragged off the caption before the release changes nothing.
        QTest::mousePress(caption, Qt::LeftButton);
        QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(-5, -5));
        EXPECT_EQ(box->state(), BoxState::Ticked);
    }
}

}  // namespace
}  // namespace nickbridge::testing

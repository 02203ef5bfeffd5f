// SPDX-License-Identifier: MIT
// The choosers and the About box from the keyboard and for screen readers: walking the folder
// list, Enter on a focused button, the names screen readers announce, the focus ring, and where
// the windows come up.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/drives.h"
#include "platform/path_bytes.h"
#include "platform/program_launcher.h"
#include "support/fake_registry.h"
#include "ui/about/about_dialog.h"
#include "ui/choosers/chooser_windows.h"
#include "ui/choosers/source_chooser_window.h"
#include "ui/focus_ring.h"
#include "ui/main_window/main_window.h"
#include "ui/modal.h"
#include "ui/owner_centre.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::MainWindow;

// Shows each modal window, lets the test act on it, and hides it if the test left it open.
class ModalActs {
public:
    explicit ModalActs(std::function<void(QDialog&)> act)
        : previous_(ui::setModalSink([act = std::move(act)](QDialog& dialog) {
              dialog.show();
              act(dialog);
              dialog.hide();
          })) {}
    ~ModalActs() { ui::setModalSink(std::move(previous_)); }
    ModalActs(const ModalActs&) = delete;
    ModalActs& operator=(const ModalActs&) = delete;

private:
    ui::ModalSink previous_;
};

template <typename Widget = QWidget>
Widget* child(const QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

std::string bytes(const std::filesystem::path& path) { return platform::pathBytes(path); }

using ChooserKeyboard = InTempCurrentFolder;

// Each Down moves only the highlight; each Enter opens the highlighted folder, two levels deep.
TEST_F(ChooserKeyboard, DownAndEnterWalkTheFolderListTwoLevelsDeep) {
    std::filesystem::create_directories(folder_.path() / "sub" / "deeper");
    std::filesystem::create_directories(folder_.path() / "sub" / "other");
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    std::vector<std::string> opened;
    ModalActs acts([&](QDialog& dialog) {
        auto* folders = child<QAbstractItemView>(dialog, "Dir1");
        auto* chooser = dynamic_cast<ui::SourceChooserWindow*>(&dialog);
        ASSERT_NE(chooser, nullptr);
        for (const char* name : {"sub", "deeper"}) {
            const int openRow = folders->currentIndex().row();
            QTest::keyClick(folders, Qt::Key_Down);
            // No snap back to the drive's current folder: the highlight stays where it went.
            EXPECT_EQ(folders->currentIndex().row(), openRow + 1) << name;
            EXPECT_EQ(folders->currentIndex().data().toString(), QLatin1String(name));
            QTest::keyClick(folders, Qt::Key_Return);
            opened.push_back(chooser->chooser().folderList().path());
        }
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_EQ(opened, (std::vector<std::string>{bytes(folder_.path() / "sub"),
                                                bytes(folder_.path() / "sub" / "deeper")}));
}

TEST_F(ChooserKeyboard, EndAndTypeAheadMoveTheHighlightAndTheKeypadEnterOpensIt) {
    for (const char* name : {"apple", "banana", "cherry"}) {
        std::filesystem::create_directories(folder_.path() / name);
    }
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    std::string opened;
    ModalActs acts([&](QDialog& dialog) {
        auto* folders = child<QAbstractItemView>(dialog, "Dir1");
        QTest::keyClick(folders, Qt::Key_End);
        EXPECT_EQ(folders->currentIndex().data().toString(), QStringLiteral("cherry"));
        QTest::keyClicks(folders, QStringLiteral("ba"));
        EXPECT_EQ(folders->currentIndex().data().toString(), QStringLiteral("banana"));
        QTest::keyClick(folders, Qt::Key_Enter, Qt::KeypadModifier);
        opened = dynamic_cast<ui::SourceChooserWindow*>(&dialog)->chooser().folderList().path();
    });
    window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
    EXPECT_EQ(opened, bytes(folder_.path() / "banana"));
}

// Return and the keypad's Enter press the focused button, whichever it is.
TEST_F(ChooserKeyboard, EnterPressesTheFocusedButton) {
    const struct {
        const char* browse;
        const char* button;
        Qt::Key key;
        Qt::KeyboardModifier modifier;
        const char* sourcePath;  // the main window's path fields afterwards
        const char* outputEnd;
    } cases[] = {
        {"Browse1", "Command2", Qt::Key_Return, Qt::NoModifier, "", "elsewhere"},
        {"Browse1", "Command2", Qt::Key_Enter, Qt::KeypadModifier, "", "elsewhere"},
        {"Browse2", "Command1", Qt::Key_Return, Qt::NoModifier, "kept", "/converted.txt"},
        {"Browse2", "Command1", Qt::Key_Enter, Qt::KeypadModifier, "kept", "/converted.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.browse) + " " + c.button);
        MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
        window.setSourcePath("kept");
        window.setOutputPath("elsewhere");
        bool hidden = false;
        ModalActs acts([&](QDialog& dialog) {
            auto* button = child<QPushButton>(dialog, c.button);
            button->setFocus();
            QTest::keyClick(button, c.key, c.modifier);
            hidden = !dialog.isVisible();
        });
        window.findChild<QPushButton*>(QLatin1String(c.browse))->click();
        EXPECT_TRUE(hidden);
        EXPECT_EQ(window.sourcePath(), c.sourcePath);
        EXPECT_TRUE(window.outputPath().ends_with(c.outputEnd)) << window.outputPath();
    }
}

class RefusingLauncher final : public platform::ProgramLauncher {
public:
    bool start(const std::string&) override { return false; }
};

// Every control the keyboard reaches has a name of its own for screen readers, and the white
// ring goes round it when it takes the focus.
void expectNamedAndRinged(QDialog& dialog, const QSet<QString>& expected) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << dialog.objectName().toStdString();
    auto* ring = dialog.findChild<ui::FocusRing*>();
    ASSERT_NE(ring, nullptr) << dialog.objectName().toStdString();
    QSet<QString> names;
    qsizetype focusable = 0;
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&dialog)) continue;
        ++focusable;
        const QString name =
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        control->setFocus();
        EXPECT_EQ(ring->target(), control) << control->objectName().toStdString();
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(focusable, expected.size());
    dialog.hide();
}

TEST_F(ChooserKeyboard, EveryFocusableControlHasADistinctNameAndTheRing) {
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    window.show();
    const std::pair<const char*, QSet<QString>> choosers[] = {
        {"Form2", {"Folders", "Drives", "Files", "OK", "File name", "Cancel"}},
        {"Form3", {"Drives", "Folders", "Folder", "Cancel", "OK"}},
    };
    for (const auto& [name, expected] : choosers) {
        auto* dialog = window.findChild<QDialog*>(QLatin1String(name));
        ASSERT_NE(dialog, nullptr) << name;
        expectNamedAndRinged(*dialog, expected);
        EXPECT_EQ(child<QLabel>(*dialog, "Label1")->buddy(), child(*dialog, "Text1")) << name;
        // The drive list's name is "Drives"; the drive it shows is its value.
        auto* drives = child<QComboBox>(*dialog, "Drive1");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(drives)->text(QAccessible::Value),
                  drives->currentText());
    }
    FakeRegistry registry;
    RefusingLauncher launcher;
    ui::AboutDialog about(&window, registry, launcher);
    expectNamedAndRinged(about, {"OK", "System Info..."});
}

// The windows are centred on the main window at every showing, wherever it has moved since.
TEST_F(ChooserKeyboard, ChoosersComeUpCentredOnTheMainWindowAtEveryShowing) {
    MainWindow window(ui::chooserWindowsOver(platform::systemDrives()), settingsFile());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<QPoint> offsets;
    ModalActs acts([&](QDialog& dialog) {
        offsets.push_back(dialog.frameGeometry().center() - window.frameGeometry().center());
    });
    for (const QPoint& moveBy : {QPoint(0, 0), QPoint(37, 23), QPoint(-11, 5)}) {
        window.move(window.pos() + moveBy);
        window.findChild<QPushButton*>(QStringLiteral("Browse1"))->click();
        window.findChild<QPushButton*>(QStringLiteral("Browse2"))->click();
    }
    ASSERT_EQ(offsets.size(), 6u);
    for (const QPoint& offset : offsets) {
        EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << ", " << offset.y();
    }
}

TEST(FramePositionCentredOn, TheFramedDialogIsCentredOnTheOwnerFrame) {
    const struct {
        QRect owner;
        QSize client;
        QMargins frame;
        QPoint expected;
    } cases[] = {
        {{100, 50, 431, 300}, {382, 334}, {}, {124, 33}},
        // A title bar of 30 pixels: the frame, not the client area, is centred.
        {{100, 50, 431, 300}, {382, 334}, {1, 30, 1, 1}, {123, 17}},
        {{100, 50, 431, 300}, {382, 334}, {4, 24, 6, 8}, {119, 17}},
        // A dialog larger than its owner overhangs it evenly.
        {{0, 0, 200, 100}, {300, 200}, {0, 20, 0, 0}, {-50, -60}},
    };
    for (const auto& c : cases) {
        const QPoint at = ui::framePositionCentredOn(c.owner, c.client, c.frame);
        EXPECT_EQ(at, c.expected) << c.frame.top();
        const QRect framed(at, c.client.grownBy(c.frame));
        const QPoint offset = framed.center() - c.owner.center();
        EXPECT_LE(offset.manhattanLength(), 1) << c.frame.top();
    }
}

}  // namespace
}  // namespace nickbridge::testing

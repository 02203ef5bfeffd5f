// SPDX-License-Identifier: MIT
#include "ui/main_window/path_field.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <string>

namespace nickbridge::testing {
namespace {

using ui::PathField;

TEST(PathField, GivesBackTheBytesItWasGivenWhileUnedited) {
    const std::string cases[] = {"", "/tmp/converted.txt", "/home/ren\xE9/caf\xE9.txt",
                                 "c:\\temp\\converted.txt", "/home/\xC3\xA9t\xC3\xA9/a.txt"};
    for (const std::string& bytes : cases) {
        PathField field;
        field.setBytes(bytes);
        EXPECT_EQ(field.bytes(), bytes);
    }
}

// Text far longer than any path would freeze the window on every change and paint.
TEST(PathField, AHugePathIsShownCutAndReadOnlyUntilTheProgramSetsAnother) {
    const std::string huge(1'000'000, '/');
    PathField field;
    field.setBytes(huge);
    EXPECT_EQ(field.bytes(), huge);
    EXPECT_TRUE(field.isReadOnly());
    EXPECT_LT(field.text().size(), 100'000);

    field.setBytes("/tmp/a.txt");
    EXPECT_EQ(field.bytes(), "/tmp/a.txt");
    EXPECT_EQ(field.text(), QStringLiteral("/tmp/a.txt"));
    EXPECT_FALSE(field.isReadOnly());
}

TEST(PathField, TypedTextReplacesTheBytes) {
    PathField field;
    field.setBytes("/home/ren\xE9/old.txt");
    field.clear();
    QTest::keyClicks(&field, QStringLiteral("/tmp/new.txt"));
    EXPECT_EQ(field.bytes(), "/tmp/new.txt");
}

TEST(PathField, ShowsValidTextAsItIs) {
    PathField field;
    field.setBytes("/home/\xC3\xA9t\xC3\xA9/a.txt");
    EXPECT_EQ(field.text(), QString::fromUtf8("/home/\xC3\xA9t\xC3\xA9/a.txt"));
}

// Paste (keys, menu) and insert (middle click, drop) are the two ways text comes in at once.
TEST(PathField, LineBreaksPutInByTheUserAreLeftOut) {
    const struct {
        const char* name;
        const char* start;
        int cursor;
        const char* putIn;
        const char* expected;
        int cursorAfter;
    } cases[] = {
        {"terminal copy", "", 0, "/home/ann/good.txt\n", "/home/ann/good.txt", 18},
        {"Windows line end", "/tmp/", 5, "a.txt\r\n", "/tmp/a.txt", 10},
        {"breaks inside", "/tmp/.txt", 5, "\ra\nb\r\n", "/tmp/ab.txt", 7},
        {"only a break", "/tmp/a", 3, "\n", "/tmp/a", 3},
    };
    for (const bool viaClipboard : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (viaClipboard ? " pasted" : " inserted"));
            PathField field;
            field.setBytes(c.start);
            field.setCursorPosition(c.cursor);
            if (viaClipboard) {
                QGuiApplication::clipboard()->setText(QString::fromUtf8(c.putIn));
                field.paste();
            } else {
                field.insert(QString::fromUtf8(c.putIn));
            }
            EXPECT_EQ(field.bytes(), c.expected);
            EXPECT_EQ(field.cursorPosition(), c.cursorAfter);
        }
    }
}

// A folder name picked in a chooser may hold a line break; the field must not change that path
// when the user types elsewhere in it.
TEST(PathField, APathSetByTheProgramKeepsItsLineBreaksThroughEdits) {
    PathField field;
    field.setBytes("/tmp/two\nlines/");
    EXPECT_EQ(field.bytes(), "/tmp/two\nlines/");
    field.end(false);
    QTest::keyClicks(&field, QStringLiteral("a.txt"));
    EXPECT_EQ(field.bytes(), "/tmp/two\nlines/a.txt");
}

TEST(PathField, ADoubleClickAsksForTheChooserAndKeepsTheText) {
    PathField field;
    field.setBytes("/tmp/a b.txt");
    QSignalSpy doubleClicks(&field, &PathField::doubleClicked);

    QTest::mouseDClick(&field, Qt::LeftButton);

    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(field.bytes(), "/tmp/a b.txt");
    EXPECT_FALSE(field.hasSelectedText());
}

}  // namespace
}  // namespace nickbridge::testing

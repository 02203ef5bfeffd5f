// SPDX-License-Identifier: MIT
#include "ui/main_window/path_field.h"

#include <gtest/gtest.h>

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

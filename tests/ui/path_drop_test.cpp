// SPDX-License-Identifier: MIT
// What a file manager's drop puts in the main window's path fields.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <string>

#include "ui/main_window/main_window.h"
#include "ui/main_window/path_field.h"
#include "ui_test_support.h"

namespace nickbridge::testing {
namespace {

using ui::PathField;

// The address a file manager offers for a path: its bytes percent-encoded.
std::string fileAddress(const std::string& pathBytes) {
    const QByteArray bytes(pathBytes.data(), static_cast<qsizetype>(pathBytes.size()));
    return "file://" + bytes.toPercentEncoding("/").toStdString();
}

struct DropResult {
    bool entryTaken = false;
    bool dropTaken = false;
};

// Drags `data` onto the field and drops it there, as Qt delivers a drop from another program.
DropResult dropOn(PathField& field, const QMimeData& data) {
    const QPointF centre = QRectF(field.rect()).center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&field, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&field, &drop);
    return {enter.isAccepted(), drop.isAccepted()};
}

class PathDrop : public InTempCurrentFolder {
protected:
    PathDrop() {
        writeBytes(folder_.path() / "caf\xE9.txt", "x");
        writeBytes(folder_.path() / "plain.txt", "x");
        std::filesystem::create_directory(folder_.path() / "out\xE9");
    }

    PathField& field(const char* name) {
        return *window_.findChild<PathField*>(QLatin1String(name));
    }

    std::string in(const std::string& name) const { return folder_.path().native() + "/" + name; }

    ui::MainWindow window_{noChoosers(), settingsFile()};
};

TEST_F(PathDrop, AFileOnTheSourceAndAFolderOnTheOutputReplaceTheirPaths) {
    const struct {
        const char* name;
        const char* field;
        std::string address;   // empty: none, only the text
        std::string expected;  // empty: the field keeps what it had
    } cases[] = {
        {"Latin-1 file on source", "Text1", fileAddress(in("caf\xE9.txt")), in("caf\xE9.txt")},
        {"file from localhost", "Text1",
         "file://localhost" + fileAddress(in("plain.txt")).substr(7), in("plain.txt")},
        {"folder on source", "Text1", fileAddress(in("out\xE9")), ""},
        {"missing file on source", "Text1", fileAddress(in("gone.txt")), ""},
        {"web address on source", "Text1", "https://example.org/a.txt", ""},
        {"other machine's file", "Text1", "file://server" + in("plain.txt"), ""},
        {"folder on output", "Text2", fileAddress(in("out\xE9")), in("out\xE9/converted.txt")},
        {"folder with closing slash", "Text2", fileAddress(in("out\xE9") + "/"),
         in("out\xE9/converted.txt")},
        {"root folder on output", "Text2", "file:///", "/converted.txt"},
        {"file on output", "Text2", fileAddress(in("plain.txt")), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PathField& target = field(c.field);
        target.setBytes("/before/\xE9.txt");
        QMimeData data;
        data.setUrls({QUrl(QString::fromStdString(c.address))});
        // File managers offer the address as text too; it must never be typed in.
        data.setText(QString::fromStdString(c.address));
        const DropResult result = dropOn(target, data);
        const bool taken = !c.expected.empty();
        EXPECT_EQ(result.entryTaken, taken);
        EXPECT_EQ(result.dropTaken, taken);
        EXPECT_EQ(target.bytes(), taken ? c.expected : "/before/\xE9.txt");
    }
}

TEST_F(PathDrop, SeveralFilesAtOnceChangeNothing) {
    PathField& source = field("Text1");
    source.setBytes("/before.txt");
    QMimeData data;
    data.setUrls({QUrl(QString::fromStdString(fileAddress(in("plain.txt")))),
                  QUrl(QString::fromStdString(fileAddress(in("caf\xE9.txt"))))});
    EXPECT_FALSE(dropOn(source, data).dropTaken);
    EXPECT_EQ(source.bytes(), "/before.txt");
}

TEST_F(PathDrop, DroppedTextIsStillPutInWithoutItsLineBreaks) {
    PathField& source = field("Text1");
    source.setBytes("");
    QMimeData data;
    data.setText(QStringLiteral("/tmp/typed.txt\n"));
    EXPECT_TRUE(dropOn(source, data).dropTaken);
    EXPECT_EQ(source.bytes(), "/tmp/typed.txt");
}

}  // namespace
}  // namespace nickbridge::testing

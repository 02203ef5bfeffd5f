// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "chooser_fakes.h"
#include "choosers/drive_list.h"
#include "choosers/file_list.h"
#include "choosers/folder_list.h"
#include "choosers/list_refusal.h"
#include "choosers/wildcard.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include "support/other_user.h"
#endif

namespace nickbridge::choosers {
namespace {

using testing::bytesOf;
using ::testing::ElementsAre;
using testing::FakeDrives;
using ::testing::HasSubstr;

class ChooserLists : public ::testing::Test {
protected:
    ChooserLists() {
        std::filesystem::create_directories(folder_.path() / "mail" / "old");
        std::filesystem::create_directories(folder_.path() / "Other");
        drives_.currentFolders[FakeDrives::kP] = bytesOf(folder_.path());
        drives_.currentFolders[FakeDrives::kQ] = bytesOf(folder_.path() / "mail");
        drives_.notReady.insert(FakeDrives::kQ);
    }
    // The folder itself for "", else a folder inside it.
    std::string at(const char* name) const {
        return *name == '\0' ? bytesOf(folder_.path()) : bytesOf(folder_.path() / name);
    }

    testing::TempFolder folder_;
    FakeDrives drives_;
    FolderScanner scanner_{std::string(kNicknameFilePattern)};
};

TEST_F(ChooserLists, FolderListTakesWhatNamesAFolderAndRefusesTheRest) {
    struct Case {
        std::string text;
        std::optional<std::string> opened;  // none: refused, the list stays where it was
    };
    const std::string root = bytesOf(folder_.path().root_path());
    const Case cases[] = {
        {"", std::nullopt},
        {at("missing"), std::nullopt},
        {at("mail"), at("mail")},
        {at("mail") + platform::nativeSeparator(), at("mail")},  // only a root ends in one
        {bytesOf(folder_.path() / "mail" / ".." / "Other"), at("Other")},
        {FakeDrives::kP, at("")},        // the drive's current folder
        {FakeDrives::kQ, std::nullopt},  // not ready
        {root, root},
    };
    for (const Case& c : cases) {
        FolderList list(drives_, scanner_, at("mail/old"));
        int changes = 0;
        list.onChange = [&] { ++changes; };
        if (c.opened) {
            list.setPath(c.text);
            EXPECT_EQ(list.path(), *c.opened) << c.text;
            EXPECT_EQ(changes, 1) << c.text;
        } else {
            EXPECT_THROW(list.setPath(c.text), ListRefusal) << c.text;
            EXPECT_EQ(list.path(), at("mail/old")) << c.text;
            EXPECT_EQ(changes, 0) << c.text;
        }
    }
}

// A settings line of megabytes: refused at once, and the refusal shows only the path's start.
TEST_F(ChooserLists, APathLongerThanAnySystemOpensIsRefusedWithItsStartShown) {
    FolderList list(drives_, scanner_, at("mail/old"));
    const std::string text = at("mail") + std::string(10'000'000, 'a');
    try {
        list.setPath(text);
        ADD_FAILURE() << "taken";
    } catch (const ListRefusal& refusal) {
        const std::string message = refusal.what();
        EXPECT_LT(message.size(), 1000u);
        EXPECT_THAT(message, HasSubstr(at("mail") + "aaa"));
        EXPECT_THAT(message, HasSubstr("...\": "));
    }
    EXPECT_EQ(list.path(), at("mail/old"));
}

TEST_F(ChooserLists, FolderListShowsTheFoldersAboveAndInsideAndRaisesChangeOnlyOnAChange) {
    FolderList list(drives_, scanner_, at(""));
    std::string pathSeenByHandler;
    int changes = 0;
    list.onChange = [&] {
        ++changes;
        pathSeenByHandler = list.path();  // the handler runs inside the assignment, after it
    };
    list.setPath(at(""));
    EXPECT_EQ(changes, 0);

    const std::size_t open = list.openRow();
    EXPECT_TRUE(list.row(open).open);
    EXPECT_EQ(list.rowPath(0), bytesOf(folder_.path().root_path()));
    ASSERT_EQ(list.rowCount(), open + 3);
    EXPECT_EQ(list.row(open + 1).name, "mail");  // sorted without regard to case
    EXPECT_EQ(list.row(open + 2).name, "Other");

    list.open(open + 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pathSeenByHandler, at("mail"));
}

#ifndef _WIN32
std::size_t depthBelowRoot(const std::filesystem::path& folder) {
    const std::filesystem::path below = folder.relative_path();
    return static_cast<std::size_t>(std::distance(below.begin(), below.end()));
}

// A stick mounted on a folder: its list starts at the stick, not at the root of the whole tree.
TEST_F(ChooserLists, FolderListStartsAtTheRootOfTheDriveHoldingTheFolder) {
    std::filesystem::create_directories(folder_.path() / "stick" / "a" / "b");
    std::filesystem::create_directories(folder_.path() / "stick2");
    drives_.drives.push_back({at("stick") + " [stick]", at("stick")});
    const std::string treeRoot = bytesOf(folder_.path().root_path());
    const struct {
        const char* open;
        std::string firstRow;
        std::size_t openRow;
    } cases[] = {
        {"stick", at("stick"), 0},
        {"stick/a/b", at("stick"), 2},
        {"stick2", treeRoot, depthBelowRoot(folder_.path() / "stick2")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.open);
        FolderList list(drives_, scanner_, at("stick"));
        list.setPath(at(c.open));
        EXPECT_EQ(list.row(0).name, c.firstRow);
        EXPECT_EQ(list.rowPath(0), c.firstRow);
        EXPECT_EQ(list.openRow(), c.openRow);
        EXPECT_EQ(list.rowPath(list.openRow()), at(c.open));
        EXPECT_EQ(list.row(list.openRow()).depth, c.openRow);
    }
}
#endif

// The drives are read again: a stick plugged in shows, one pulled out goes, and a selected one
// that has gone stays (the other lists still show its folders) with one report.
TEST_F(ChooserLists, DriveListReadsTheDrivesAgain) {
    const platform::Drive p = drives_.drives[0];
    const platform::Drive q = drives_.drives[1];
    const platform::Drive stick{"/mnt/stick [stick]", "/mnt/stick"};
    const platform::Drive stick2{"/mnt/stick2 [stick2]", "/mnt/stick2"};
    const struct {
        const char* name;
        std::size_t selectedBefore;
        std::vector<platform::Drive> now;
        std::vector<platform::Drive> listed;
        std::size_t selectedAfter;
        bool reported;
    } cases[] = {
        {"stick plugged in", 1, {p, q, stick}, {p, q, stick}, 1, false},
        {"unselected drive pulled", 0, {p, stick2}, {p, stick2}, 0, false},
        {"selected moves up", 1, {q}, {q}, 0, false},
        {"selected drive pulled", 1, {p, stick2}, {p, q, stick2}, 1, true},
        {"last drive pulled", 1, {p}, {p, q}, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        drives_.drives = {p, q};
        DriveList list(drives_, "");
        drives_.notReady.clear();
        list.select(c.selectedBefore);
        int changes = 0;
        list.onChange = [&] { ++changes; };
        drives_.drives = c.now;
        if (c.reported) {
            try {
                list.refresh();
                ADD_FAILURE() << "no report";
            } catch (const ListRefusal& refusal) {
                EXPECT_THAT(refusal.what(), ::testing::HasSubstr(q.designation));
            }
        } else {
            EXPECT_NO_THROW(list.refresh());
        }
        EXPECT_EQ(list.entries(), c.listed);
        EXPECT_EQ(list.selected(), c.selectedAfter);
        EXPECT_EQ(changes, 0);
        // Told once: reading again while it is still gone and selected says nothing more.
        EXPECT_NO_THROW(list.refresh());
        EXPECT_EQ(list.entries(), c.listed);
    }
}

TEST_F(ChooserLists, FileListShowsTheMatchingFilesOnlyWithoutRegardToCase) {
    for (const char* name : {"NNDBASE.TXT", "notes.txt.bak", "a.txt", "readme.md", "txt", "x.tx"}) {
        testing::writeBytes(folder_.path() / name, "alias x x@y\r\n");
    }
    std::filesystem::create_directories(folder_.path() / "folder.txt");
    FileList list(drives_, scanner_, at("mail"));
    list.setPath(at(""));
    EXPECT_THAT(list.names(), ElementsAre("a.txt", "NNDBASE.TXT", "notes.txt.bak"));
    EXPECT_EQ(list.fileName(), "");

    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.click(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.fileName(), "NNDBASE.TXT");
    list.setPath(at(""));  // the same folder again keeps the selection
    EXPECT_EQ(list.fileName(), "NNDBASE.TXT");
    list.setPath(at("mail"));
    EXPECT_EQ(list.fileName(), "");
}

TEST_F(ChooserLists, DriveListRefusesUnknownAndUnreadyDrivesWithoutAChange) {
    DriveList list(drives_, at(""));
    int changes = 0;
    list.onChange = [&] { ++changes; };
    EXPECT_THROW(list.setDrive("z"), ListRefusal);
    EXPECT_THROW(list.setDrive(FakeDrives::kQ), ListRefusal);
    EXPECT_EQ(changes, 0);
    drives_.notReady.clear();
    list.setDrive(FakeDrives::kQ);
    EXPECT_EQ(list.drive(), FakeDrives::kQ);
    EXPECT_EQ(changes, 1);
    list.setDrive(FakeDrives::kQ);
    EXPECT_EQ(changes, 1);
}

TEST_F(ChooserLists, AFailingChangeHandlerPutsTheListBack) {
    FolderList list(drives_, scanner_, at(""));
    list.onChange = [] { throw std::runtime_error("the next list could not follow"); };
    EXPECT_THROW(list.setPath(at("mail")), std::runtime_error);
    EXPECT_EQ(list.path(), at(""));
    EXPECT_EQ(list.rowPath(list.openRow()), at(""));
}

TEST_F(ChooserLists, AFolderIsReadOnceWithinABatchAndAfreshAfterIt) {
    FileList list(drives_, scanner_, at("mail"));
    {
        FolderScanner::Batch batch(scanner_);
        scanner_.scan(at(""));
        testing::writeBytes(folder_.path() / "late.txt", "");
        list.setPath(at(""));
        EXPECT_TRUE(list.names().empty());  // the listing of this batch
    }
    list.setPath(at("mail"));
    list.setPath(at(""));
    EXPECT_THAT(list.names(), ElementsAre("late.txt"));
}

TEST_F(ChooserLists, WhileHiddenAFolderIsCheckedAtOnceButReadWhenLookedAt) {
    FileList list(drives_, scanner_, at("mail"));
    {
        FolderScanner::Batch batch(scanner_, FolderScanner::Reading::WhenLookedAt);
        EXPECT_THROW(list.setPath(at("missing")), ListRefusal);
        list.setPath(at(""));
    }
    testing::writeBytes(folder_.path() / "late.txt", "");
    EXPECT_THAT(list.names(), ElementsAre("late.txt"));
}

#ifndef _WIN32
// A folder the user may not read (mode 000) is refused like a missing one, whether the lists
// read at once or, while hidden, when first looked at: no list takes it to show it empty.
TEST_F(ChooserLists, AFolderTheUserMayNotReadIsRefusedAndEveryListStaysWhereItWas) {
    const std::filesystem::path locked = folder_.path() / "locked";
    std::filesystem::create_directory(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const auto result = testing::runAsNobody([&] {
        std::string seen;
        for (const auto reading :
             {FolderScanner::Reading::Now, FolderScanner::Reading::WhenLookedAt}) {
            FolderList folders(drives_, scanner_, at("mail"));
            FileList files(drives_, scanner_, at("mail"));
            FolderScanner::Batch batch(scanner_, reading);
            for (const auto& assign :
                 {std::function<void()>([&] { folders.setPath(at("locked")); }),
                  std::function<void()>([&] { files.setPath(at("locked")); })}) {
                try {
                    assign();
                    seen += "taken ";
                } catch (const ListRefusal&) {
                    seen += "refused ";
                }
            }
            seen += folders.path() == at("mail") && files.path() == at("mail") &&
                            folders.rowCount() == folders.openRow() + 2  // "old" still listed
                        ? "stayed; "
                        : "moved; ";
        }
        return seen;
    });
    if (!result) GTEST_SKIP() << "becoming another user needs root";
    EXPECT_EQ(*result, "refused refused stayed; refused refused stayed; ");
}
#endif

TEST(Wildcard, MatchesLikeTheFileListsPattern) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.txt", "*.txt*", true}, {"A.TXT.old", "*.txt*", true}, {".txt", "*.txt*", true},
        {"atxt", "*.txt*", false}, {"a.tx", "*.txt*", false},     {"ab", "a?", true},
        {"abc", "a?", false},      {"aXbXc", "*X*X*c", true},     {"", "*", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesWildcard(std::string_view(c.name), c.pattern), c.matches)
            << c.name << " " << c.pattern;
    }
}

}  // namespace
}  // namespace nickbridge::choosers

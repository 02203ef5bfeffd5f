// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "chooser_fakes.h"
#include "choosers/messages.h"
#include "choosers/output_chooser.h"
#include "choosers/source_chooser.h"
#include "choosers/wildcard.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge::choosers {
namespace {

using testing::bytesOf;
using ::testing::ElementsAre;
using testing::FakeDrives;

// Both choosers over a tree: home/{a.txt, b.txt, mail/{c.txt}}; drive p: stands at home, q: at
// home/mail.
class ChooserReactions : public ::testing::Test {
protected:
    ChooserReactions() {
        std::filesystem::create_directories(home() / "mail");
        for (const char* name : {"a.txt", "b.txt", "mail/c.txt"}) {
            testing::writeBytes(home() / name, "alias x x@y\r\n");
        }
        drives_.currentFolders[FakeDrives::kP] = bytesOf(home());
        drives_.currentFolders[FakeDrives::kQ] = bytesOf(home() / "mail");
    }
    std::filesystem::path home() const { return folder_.path(); }
    std::string at(const char* name) const { return bytesOf(home() / name); }
    std::string withSeparator(const std::string& folder, const char* name) const {
        return folder + platform::nativeSeparator() + name;
    }

    // A source chooser standing at home on drive p:.
    SourceChooser& source() {
        source_.driveList().setDrive(FakeDrives::kP);
        source_.folderList().setPath(bytesOf(home()));
        return source_;
    }

    testing::TempFolder folder_;
    FakeDrives drives_;
    FolderScanner scanner_{std::string(kNicknameFilePattern)};
    testing::FakeMainWindow main_;
    testing::FakeChooserWindow window_;
    SourceChooser source_{drives_, scanner_, window_, main_};
};

// A chooser made afresh with nothing read from the settings file applies the remembered entries
// in turn, the drive last: a remembered drive other than the folder's takes the lists to that
// drive's current folder.
TEST_F(ChooserReactions, AFreshChooserEndsOnTheRememberedDrivesCurrentFolder) {
    main_.source = {bytesOf(home()), bytesOf(home()), FakeDrives::kQ};
    source_.startUp();
    EXPECT_THAT(main_.calls, ElementsAre("restore"));
    EXPECT_EQ(source_.driveList().drive(), FakeDrives::kQ);
    EXPECT_EQ(source_.folderList().path(), at("mail"));
    EXPECT_EQ(source_.fileList().path(), at("mail"));
}

TEST_F(ChooserReactions, ClickingAFileConfirmsItAtOnce) {
    SourceChooser& chooser = source();
    chooser.clickFile(1);
    EXPECT_EQ(main_.sourcePath, withSeparator(bytesOf(home()), "b.txt"));
    EXPECT_EQ(main_.source.fileListFolder, bytesOf(home()));  // a folder, not the file
    EXPECT_EQ(main_.source.dir, bytesOf(home()));
    EXPECT_EQ(main_.source.drive, FakeDrives::kP);
    EXPECT_THAT(main_.calls, ElementsAre("save"));
    EXPECT_TRUE(window_.hidden);
}

TEST_F(ChooserReactions, OkChecksOnlyWhetherTheNameBoxIsExactlyEmpty) {
    struct Case {
        const char* nameBox;
        bool confirms;
    };
    for (const Case c : {Case{"", false}, Case{"   ", true}}) {
        main_ = {};
        window_ = {};
        SourceChooser& chooser = source();
        window_.nameBox = c.nameBox;
        chooser.pressOk();
        EXPECT_EQ(window_.hidden, c.confirms) << '"' << c.nameBox << '"';
        if (c.confirms) {
            // No file selected: the folder and one separator.
            EXPECT_EQ(main_.sourcePath, withSeparator(bytesOf(home()), ""));
            EXPECT_THAT(main_.calls, ElementsAre("save"));
        } else {
            EXPECT_THAT(window_.told, ElementsAre(std::string(kNoFileSelected)));
            EXPECT_EQ(main_.sourcePath, "unchanged");
            EXPECT_TRUE(main_.calls.empty());
        }
    }
}

TEST_F(ChooserReactions, AtARootTheSeparatorIsNotDoubled) {
    const std::string root = bytesOf(home().root_path());
    SourceChooser& chooser = source();
    chooser.folderList().setPath(root);
    window_.nameBox = "x";
    chooser.pressOk();
    EXPECT_EQ(main_.sourcePath, root);

    OutputChooser output(drives_, scanner_, window_, main_);
    output.folderList().setPath(root);
    output.pressOk();
    EXPECT_EQ(main_.outputPath, root + kOutputFileName);
}

TEST_F(ChooserReactions, CancelEmptiesTheSourcePathOnly) {
    source().pressCancel();
    EXPECT_EQ(main_.sourcePath, "");
    EXPECT_TRUE(main_.calls.empty());
    EXPECT_TRUE(window_.hidden);
}

TEST_F(ChooserReactions, ADriveChangeTakesBothListsToItsCurrentFolderAndEmptiesTheNameBox) {
    SourceChooser& chooser = source();
    window_.nameBox = "typed";
    chooser.pickDrive(1);
    EXPECT_EQ(chooser.folderList().path(), at("mail"));
    EXPECT_EQ(chooser.fileList().path(), at("mail"));
    EXPECT_THAT(chooser.fileList().names(), ElementsAre("c.txt"));
    EXPECT_EQ(window_.nameBox, "");
}

TEST_F(ChooserReactions, AFolderClickTakesBothListsBackToTheDrivesCurrentFolder) {
    SourceChooser& chooser = source();
    chooser.openFolder(at("mail"));
    ASSERT_EQ(chooser.fileList().path(), at("mail"));
    chooser.clickFolder(chooser.folderList().openRow());
    EXPECT_EQ(chooser.folderList().path(), bytesOf(home()));
    EXPECT_EQ(chooser.fileList().path(), bytesOf(home()));
}

TEST_F(ChooserReactions, ADriveThatIsNotReadyIsReportedAndEveryListStaysWhereItWas) {
    SourceChooser& chooser = source();
    // Ready for the drive list, but its current folder cannot be listed: the chain fails late.
    drives_.currentFolders[FakeDrives::kQ] = at("gone");
    chooser.pickDrive(1);
    EXPECT_EQ(chooser.driveList().drive(), FakeDrives::kP);
    EXPECT_EQ(chooser.folderList().path(), bytesOf(home()));
    ASSERT_EQ(window_.told.size(), 1u);
    EXPECT_THAT(window_.told[0], ::testing::HasSubstr(at("gone")));

    drives_.notReady.insert(FakeDrives::kP);
    chooser.clickFolder(0);
    EXPECT_EQ(window_.told.size(), 2u);
    EXPECT_EQ(chooser.folderList().path(), bytesOf(home()));
}

// The stick the chooser stands on is pulled out and another plugged in while it is hidden.
TEST_F(ChooserReactions, ADriveGoneWhileHiddenIsReportedOnceAndTheListsStay) {
    SourceChooser& chooser = source();
    const platform::Drive stick2{"/mnt/stick2 [stick2]", "/mnt/stick2"};
    drives_.drives = {drives_.drives[1], stick2};
    chooser.refreshDrives();
    ASSERT_EQ(window_.told.size(), 1u);
    EXPECT_THAT(window_.told[0], ::testing::HasSubstr(FakeDrives::kP));
    EXPECT_EQ(chooser.driveList().drive(), FakeDrives::kP);
    EXPECT_EQ(chooser.driveList().entries().back(), stick2);
    EXPECT_EQ(chooser.folderList().path(), bytesOf(home()));
    EXPECT_EQ(chooser.fileList().path(), bytesOf(home()));

    chooser.refreshDrives();
    EXPECT_EQ(window_.told.size(), 1u);
}

TEST_F(ChooserReactions, StartUpRestoresThenStandsAtTheRememberedFolderAndDrive) {
    main_.source = {at("mail"), at("mail"), FakeDrives::kQ};
    source_.startUp();
    EXPECT_THAT(main_.calls, ElementsAre("restore"));
    EXPECT_EQ(source_.driveList().drive(), FakeDrives::kQ);
    EXPECT_EQ(source_.folderList().path(), at("mail"));
    EXPECT_EQ(source_.fileList().path(), at("mail"));

    // Entries that name nothing usable are skipped one by one.
    main_.output = {at("missing"), "no such drive"};
    OutputChooser output(drives_, scanner_, window_, main_);
    const std::string before = output.folderList().path();
    output.startUp();
    EXPECT_EQ(output.folderList().path(), before);
    EXPECT_TRUE(window_.told.empty());
}

TEST_F(ChooserReactions, OutputOkWritesTheOpenFolderAndLeavesTheRecordsAlone) {
    OutputChooser output(drives_, scanner_, window_, main_);
    output.folderList().setPath(bytesOf(home()));
    EXPECT_EQ(window_.nameBox, bytesOf(home()));
    // A click shows the open folder, not the clicked one, and is not what gets confirmed.
    output.clickFolder(output.folderList().openRow() + 1);
    EXPECT_EQ(window_.nameBox, bytesOf(home()));
    window_.nameBox.clear();
    output.pressOk();
    EXPECT_EQ(main_.outputPath, withSeparator(bytesOf(home()), kOutputFileName));
    EXPECT_EQ(main_.output.dir, bytesOf(home()));
    EXPECT_THAT(main_.calls, ElementsAre("save"));
    EXPECT_TRUE(window_.hidden);
}

TEST_F(ChooserReactions, OutputCancelOnlyHides) {
    OutputChooser output(drives_, scanner_, window_, main_);
    output.pressCancel();
    EXPECT_EQ(main_.outputPath, "unchanged");
    EXPECT_TRUE(main_.calls.empty());
    EXPECT_TRUE(window_.hidden);
}

}  // namespace
}  // namespace nickbridge::choosers

// SPDX-License-Identifier: MIT
#include "platform/file_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_access.h"
#include "platform/replacement_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge::platform {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// The names in a folder: a temporary file left behind shows up here.
std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct ReplaceCase {
    const char* name;
    bool existsBefore;
    std::string content;
};

class ReplaceFileContents : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFileContents, LeavesExactlyTheNewBytesAndNoTemporaryFile) {
    TempFolder folder;
    const std::string file = folder.file("nbr.ini");
    if (GetParam().existsBefore) {
        writeBytes(file, "an older and much longer content\r\nthan the new one\r\n");
    }
    EXPECT_EQ(replaceFileContents(file, GetParam().content), std::nullopt);
    EXPECT_EQ(readBytes(file), GetParam().content);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"nbr.ini"});
}

INSTANTIATE_TEST_SUITE_P(Contents, ReplaceFileContents,
                         ::testing::Values(ReplaceCase{"NewFile", false, "a\r\nb\r\n"},
                                           ReplaceCase{"ShorterThanBefore", true, "a\r\n"},
                                           ReplaceCase{"Empty", true, ""},
                                           ReplaceCase{"EightBitAndNulBytes", true,
                                                       std::string("\xe9\xff\0z\r\n", 6)}),
                         [](const auto& test) { return test.param.name; });

TEST(ReplaceFileContentsFailure, ReadOnlyFileIsLeftAloneEvenForRoot) {
    TempFolder folder;
    const std::string file = folder.file("nbr.ini");
    writeBytes(file, "kept\r\n");
    testing::makeReadOnly(file);
    EXPECT_EQ(replaceFileContents(file, "new\r\n"), "the file is read-only");
    EXPECT_EQ(readBytes(file), "kept\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"nbr.ini"});
}

TEST(ReplaceFileContentsFailure, MissingFolderGivesTheSystemsReasonAndCreatesNothing) {
    TempFolder folder;
    const std::string file = (folder.path() / "missing" / "nbr.ini").string();
    EXPECT_EQ(replaceFileContents(file, "new\r\n"), systemErrorText(ENOENT));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

TEST(ReplaceFileContentsFailure, ATargetThatCannotBeReplacedKeepsNoTemporaryFile) {
    TempFolder folder;
    // A folder in the file's place cannot be renamed over.
    const std::string file = folder.file("nbr.ini");
    std::filesystem::create_directory(file);
    std::filesystem::create_directory(std::filesystem::path(file) / "inside");
    EXPECT_TRUE(replaceFileContents(file, "new\r\n").has_value());
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"nbr.ini"});
}

#ifndef _WIN32
TEST(ReplaceFileContentsPermissions, TheOldFilesPermissionsCarryOver) {
    using std::filesystem::perms;
    TempFolder folder;
    const std::string file = folder.file("nbr.ini");
    writeBytes(file, "old\r\n");
    const perms kept = perms::owner_read | perms::owner_write;
    std::filesystem::permissions(file, kept);
    ASSERT_EQ(replaceFileContents(file, "new\r\n"), std::nullopt);
    EXPECT_EQ(std::filesystem::status(file).permissions(), kept);
}

// A name a temporary file could once have taken is never written through or taken away.
// Another user's link where the new file is about to be made: the file takes another name, and
// the link and what it points at stay as they are.
TEST(ReplaceFileContentsTemporary, ALinkBesideTheTargetIsNeitherFollowedNorRemoved) {
    TempFolder folder;
    const std::string file = folder.file("nbr.ini");
    const std::string victim = folder.file("victim.txt");
    writeBytes(victim, "precious\r\n");
    std::filesystem::create_symlink(victim, folder.file(".nbr-planted"));
    static int namesTried = 0;
    namesTried = 0;
    ReplacementFile::nextNameForTests = [] {
        return std::string(namesTried++ == 0 ? ".nbr-planted" : ".nbr-free");
    };
    const auto result = replaceFileContents(file, "new\r\n");
    ReplacementFile::nextNameForTests = nullptr;
    ASSERT_EQ(result, std::nullopt);
    EXPECT_EQ(namesTried, 2);
    EXPECT_EQ(readBytes(file), "new\r\n");
    EXPECT_EQ(readBytes(victim), "precious\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file(".nbr-planted")));
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{".nbr-planted", "nbr.ini", "victim.txt"}));
}

// /dev/null can't be renamed over: replacing it would break the whole system when run as root.
TEST(ReplaceFileContentsSpecial, ADeviceIsWrittenInPlaceAndStaysADevice) {
    if (!std::filesystem::exists("/dev/null")) GTEST_SKIP() << "no /dev/null here";
    TempFolder folder;
    const std::string link = folder.file("nbr.ini");
    std::filesystem::create_symlink("/dev/null", link);
    EXPECT_EQ(replaceFileContents(link, "new\r\n"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"nbr.ini"});
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_EQ(replaceFileContents("/dev/full", "new\r\n"), systemErrorText(ENOSPC));
    }
}

TEST(ReplaceFileContentsLinks, ALinkToAMissingFileCreatesThatFile) {
    TempFolder folder;
    const std::string link = folder.file("converted.txt");
    std::filesystem::create_directory(folder.path() / "shared");
    std::filesystem::create_symlink("shared/conv.txt", link);
    ASSERT_EQ(replaceFileContents(link, "new\r\n"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(folder.path() / "shared" / "conv.txt"), "new\r\n");
}

TEST(ReplaceFileContentsLinks, ASymlinkKeepsPointingAtTheReplacedFile) {
    TempFolder folder;
    const std::string real = folder.file("real.txt");
    const std::string link = folder.file("link.txt");
    writeBytes(real, "old\r\n");
    std::filesystem::create_symlink(real, link);
    ASSERT_EQ(replaceFileContents(link, "new\r\n"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new\r\n");
}
#endif

}  // namespace
}  // namespace nickbridge::platform

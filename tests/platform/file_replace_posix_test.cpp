// SPDX-License-Identifier: MIT
// Replacement cases that hinge on POSIX owners, modes and links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#endif

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_access.h"
#include "platform/file_replace.h"
#include "support/file_bytes.h"
#include "support/other_user.h"
#include "support/temp_folder.h"

namespace nickbridge::platform {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct stat statOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info;
}

enum class Owner { NoFile, Root, TheUser };

struct OtherUserCase {
    const char* name;
    fs::perms folderPermissions;
    Owner fileOwner;
    bool replaced;  // otherwise refused with EACCES and left as it was
};

class ReplaceFileAsAnotherUser : public ::testing::TestWithParam<OtherUserCase> {};

// Only the file's own permissions decide, never the folder's: a folder anyone may write does not
// make root's file theirs, and a folder that takes no new file does not lock the user's own file.
TEST_P(ReplaceFileAsAnotherUser, OnlyAFileTheUserMayWriteIsReplaced) {
    const OtherUserCase& test = GetParam();
    TempFolder temp;
    const fs::path folder = temp.path() / "shared";
    fs::create_directory(folder);
    const fs::path file = folder / "converted.txt";
    if (test.fileOwner != Owner::NoFile) {
        writeBytes(file, "old\r\n");
        fs::permissions(file, fs::perms(0644));
        if (test.fileOwner == Owner::TheUser) {
            ASSERT_EQ(::chown(file.c_str(), testing::nobody().uid, testing::nobody().gid), 0);
        }
    }
    fs::permissions(folder, test.folderPermissions);

    const auto result = testing::runAsNobody(
        [&] { return replaceFileContents(file.string(), "new\r\n").value_or("replaced"); });
    if (!result) GTEST_SKIP() << "becoming another user needs root";

    EXPECT_EQ(*result, test.replaced ? "replaced" : systemErrorText(EACCES));
    const std::vector<std::string> names = test.fileOwner == Owner::NoFile
                                               ? std::vector<std::string>{}
                                               : std::vector<std::string>{"converted.txt"};
    EXPECT_EQ(namesIn(folder), names);
    if (test.fileOwner != Owner::NoFile) {
        EXPECT_EQ(readBytes(file), test.replaced ? "new\r\n" : "old\r\n");
        const uid_t owner = test.fileOwner == Owner::Root ? 0 : testing::nobody().uid;
        EXPECT_EQ(statOf(file).st_uid, owner);
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, ReplaceFileAsAnotherUser,
                         ::testing::Values(OtherUserCase{"RootsFileInAFolderAnyoneMayWrite",
                                                         fs::perms(0777), Owner::Root, false},
                                           OtherUserCase{"OwnFileInAFolderThatTakesNoNewFile",
                                                         fs::perms(0755), Owner::TheUser, true},
                                           OtherUserCase{"NoFileInAFolderThatTakesNoNewFile",
                                                         fs::perms(0755), Owner::NoFile, false}),
                         [](const auto& test) { return test.param.name; });

// Others never see a private file's new content, not even while it is written, and the new
// file keeps the old one's owner, group and mode.
TEST(ReplaceFilePermissions, APrivateFileStaysPrivateWhileWrittenAndKeepsItsOwner) {
    TempFolder folder;
    const fs::path file = folder.path() / "priv.csv";
    writeBytes(file, "old\r\n");
    // Only root can hand the file to someone else; a user's own file still checks the mode.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), testing::nobody().uid, testing::nobody().gid), 0);
    }
    fs::permissions(file, fs::perms(0640));
    const struct stat before = statOf(file);

    mode_t modeWhileWritten = 0777;
    ASSERT_EQ(replaceFile(file.string(),
                          [&](std::FILE* stream) {
                              struct stat info {};
                              ::fstat(::fileno(stream), &info);
                              modeWhileWritten = info.st_mode & 0777;
                              return std::fputs("new\r\n", stream) >= 0;
                          }),
              std::nullopt);
    EXPECT_EQ(modeWhileWritten & 077, 0u);
    const struct stat after = statOf(file);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced, not written in place";
}

// In a folder that takes no new file the file is rewritten in place. A write that fails (a full
// disk) at any point leaves the old content as it was; one that works leaves exactly the new
// content, shorter or longer than the old.
TEST(ReplaceFileInPlace, AFailedWriteLeavesTheOldContentAndAGoodOneExactlyTheNew) {
    TempFolder temp;
    const fs::path folder = temp.path() / "shared";
    fs::create_directory(folder);
    const fs::path file = folder / "converted.txt";
    if (::geteuid() != 0) GTEST_SKIP() << "handing a file to another user needs root";
    const std::string old(std::size_t{1} << 20, 'o');
    writeBytes(file, old);
    ASSERT_EQ(::chown(file.c_str(), testing::nobody().uid, testing::nobody().gid), 0);
    fs::permissions(folder, fs::perms(0755));

    const auto result = testing::runAsNobody([&] {
        std::string seen;
        for (const std::size_t writtenBeforeFailure : {std::size_t{0}, std::size_t{2} << 20}) {
            const auto failure = replaceFile(file.string(), [&](std::FILE* stream) {
                const std::string piece(writtenBeforeFailure, 'n');
                std::fwrite(piece.data(), 1, piece.size(), stream);
                errno = ENOSPC;
                return false;
            });
            seen +=
                failure.value_or("replaced") + (readBytes(file) == old ? ", kept; " : ", cut; ");
        }
        for (const std::string& content : {std::string("new\r\n"), std::string(3u << 20, 'n')}) {
            const auto failure = replaceFileContents(file.string(), content);
            seen += failure.value_or("replaced") +
                    (readBytes(file) == content ? ", new; " : ", not new; ");
        }
        return seen + (namesIn(folder) == std::vector<std::string>{"converted.txt"} ? "alone"
                                                                                    : "not alone");
    });
    if (!result) GTEST_SKIP() << "becoming another user needs root";

    const std::string full = systemErrorText(ENOSPC);
    EXPECT_EQ(*result, full + ", kept; " + full + ", kept; replaced, new; replaced, new; alone");
}

class ReplaceFileLongName : public ::testing::TestWithParam<std::size_t> {};

// The file being written needs a name no longer than the target's own.
TEST_P(ReplaceFileLongName, ANameUpToTheSystemsLimitIsWritten) {
    TempFolder folder;
    const fs::path file = folder.path() / std::string(GetParam(), 'n');
    writeBytes(file, "old\r\n");
    EXPECT_EQ(replaceFileContents(file.string(), "new\r\n"), std::nullopt);
    EXPECT_EQ(readBytes(file), "new\r\n");
    EXPECT_EQ(namesIn(folder.path()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplaceFileLongName, ::testing::Values(241u, 245u, 255u),
                         [](const auto& test) { return "Bytes" + std::to_string(test.param); });

#ifdef __linux__
// A conversion killed while it writes must leave no file behind: the new file has no name yet.
TEST(ReplaceFileUnnamed, NoNewNameAppearsInTheFolderWhileWriting) {
    TempFolder folder;
    const fs::path file = folder.path() / "converted.txt";
    writeBytes(file, "old\r\n");
    std::vector<std::string> namesWhileWritten;
    ASSERT_EQ(replaceFile(file.string(),
                          [&](std::FILE* stream) {
                              namesWhileWritten = namesIn(folder.path());
                              return std::fputs("new\r\n", stream) >= 0;
                          }),
              std::nullopt);
    EXPECT_EQ(namesWhileWritten, std::vector<std::string>{"converted.txt"});
}

// Where /proc is missing (some chroots and containers) the file still has no name while written,
// if the system lets the program link it from its descriptor. The child hides /proc behind an
// empty file system of its own; its exit status says what it saw.
TEST(ReplaceFileUnnamed, NoNewNameAppearsWithoutProcWhereTheDescriptorCanBeLinked) {
    if (::geteuid() != 0) GTEST_SKIP() << "hiding /proc needs root";
    TempFolder folder;
    const fs::path file = folder.path() / "converted.txt";
    writeBytes(file, "old\r\n");
    enum Outcome { Unnamed = 0, CannotHideProc = 10, Named, Failed };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("none", "/proc", "tmpfs", 0, nullptr) != 0 ||
            ::access("/proc/self/fd", F_OK) == 0) {
            ::_exit(CannotHideProc);
        }
        std::size_t namesWhileWritten = 0;
        const bool replaced = !replaceFile(file.string(), [&](std::FILE* stream) {
                                   namesWhileWritten = namesIn(folder.path()).size();
                                   return std::fputs("new\r\n", stream) >= 0;
                               }).has_value();
        if (!replaced || readBytes(file) != "new\r\n" || namesIn(folder.path()).size() != 1) {
            ::_exit(Failed);
        }
        ::_exit(namesWhileWritten == 1 ? Unnamed : Named);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == CannotHideProc) GTEST_SKIP() << "cannot hide /proc here";
    EXPECT_EQ(WEXITSTATUS(status), Unnamed);
}
#endif

TEST(ReplaceFileLinks, ALinkLoopIsReportedAndLeftAsItIs) {
    TempFolder folder;
    const fs::path loopA = folder.path() / "loopA";
    const fs::path loopB = folder.path() / "loopB";
    fs::create_symlink("loopB", loopA);
    fs::create_symlink("loopA", loopB);
    EXPECT_EQ(replaceFileContents(loopA.string(), "new\r\n"), systemErrorText(ELOOP));
    EXPECT_TRUE(fs::is_symlink(loopA));
    EXPECT_TRUE(fs::is_symlink(loopB));
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"loopA", "loopB"}));
}

}  // namespace
}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#include "platform/same_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge::platform {
namespace {

namespace fs = std::filesystem;

TEST(IsSameFileTest, KnowsAFileByWhatItIsNotHowItIsSpelt) {
    testing::TempFolder dir;
    const fs::path file = dir.path() / "s.txt";
    const fs::path other = dir.path() / "other.txt";
    testing::writeBytes(file, "alias a\r\n");
    testing::writeBytes(other, "alias a\r\n");  // the same bytes are not the same file
    fs::create_directory(dir.path() / "sub");
    fs::create_hard_link(file, dir.path() / "hard.txt");

    const struct {
        const char* name;
        fs::path second;
        bool same;
    } cases[] = {
        {"same spelling", file, true},
        {"other spelling", dir.path() / "sub" / ".." / "." / "s.txt", true},
        {"hard link", dir.path() / "hard.txt", true},
        {"another file", other, false},
        {"missing file", dir.path() / "missing.txt", false},
        {"its folder", dir.path(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isSameFile(file, c.second), c.same);
        EXPECT_EQ(isSameFile(c.second, file), c.same);
    }
    EXPECT_FALSE(isSameFile(dir.path() / "missing.txt", dir.path() / "missing.txt"));
}

#ifndef _WIN32
TEST(IsSameFileTest, FollowsSymbolicLinks) {
    testing::TempFolder dir;
    const fs::path file = dir.path() / "s.txt";
    testing::writeBytes(file, "alias a\r\n");
    fs::create_symlink("s.txt", dir.path() / "link.txt");
    fs::create_symlink("missing.txt", dir.path() / "dangling.txt");

    EXPECT_TRUE(isSameFile(file, dir.path() / "link.txt"));
    EXPECT_FALSE(isSameFile(file, dir.path() / "dangling.txt"));
}
#endif

#ifndef _WIN32
// Two roots of different file systems often share a number (procfs and sysfs both start at 1):
// a number alone must not make them one file.
TEST(IsSameFileTest, TheSameNumberOnAnotherFileSystemIsAnotherFile) {
    const std::vector<fs::path> roots{"/proc", "/sys", "/dev", "/dev/pts", "/dev/shm", "/"};
    for (std::size_t i = 0; i < roots.size(); ++i) {
        for (std::size_t j = i + 1; j < roots.size(); ++j) {
            struct stat first {};
            struct stat second {};
            if (::stat(roots[i].c_str(), &first) != 0 || ::stat(roots[j].c_str(), &second) != 0 ||
                first.st_ino != second.st_ino || first.st_dev == second.st_dev) {
                continue;
            }
            EXPECT_FALSE(isSameFile(roots[i], roots[j])) << roots[i] << " " << roots[j];
            const std::unique_ptr<std::FILE, int (*)(std::FILE*)> open(
                std::fopen(roots[i].c_str(), "r"), &std::fclose);
            if (open) {
                EXPECT_FALSE(isSameFile(open.get(), roots[j])) << roots[i] << " " << roots[j];
            }
            return;
        }
    }
    GTEST_SKIP() << "no two file systems here share a root number";
}
#endif

}  // namespace
}  // namespace nickbridge::platform

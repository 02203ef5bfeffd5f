// SPDX-License-Identifier: MIT
#include "platform/same_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

}  // namespace
}  // namespace nickbridge::platform

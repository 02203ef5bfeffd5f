// SPDX-License-Identifier: MIT
#include "platform/read_only.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge::platform {
namespace {

using std::filesystem::perms;
using testing::TempFolder;

struct PermissionCase {
    const char* name;
    perms permissions;
    bool readOnly;
    bool posixOnly = false;  // Windows keeps one read-only attribute, not separate bits
};

class IsReadOnlyFile : public ::testing::TestWithParam<PermissionCase> {};

// Only "nobody may write" counts: one write bit for anyone makes the file writable.
TEST_P(IsReadOnlyFile, LooksAtEveryWriteBit) {
#ifdef _WIN32
    if (GetParam().posixOnly) {
        GTEST_SKIP();
    }
#endif
    TempFolder folder;
    const auto file = folder.path() / "nbr.ini";
    testing::writeBytes(file, "x");
    std::filesystem::permissions(file, GetParam().permissions);
    EXPECT_EQ(isReadOnlyFile(file.string()), GetParam().readOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Permissions, IsReadOnlyFile,
    ::testing::Values(
        PermissionCase{"OwnerReadOnly", perms::owner_read, true},
        PermissionCase{"AllReadNoWrite", perms::owner_read | perms::group_read | perms::others_read,
                       true},
        PermissionCase{"NoBitsAtAll", perms::none, true},
        PermissionCase{"OwnerWrite", perms::owner_read | perms::owner_write, false},
        PermissionCase{"GroupWriteOnly", perms::owner_read | perms::group_write, false, true},
        PermissionCase{"OthersWriteOnly", perms::owner_read | perms::others_write, false, true}),
    [](const auto& test) { return test.param.name; });

TEST(IsReadOnlyFileMissing, AMissingFileIsNotReadOnly) {
    TempFolder folder;
    EXPECT_FALSE(isReadOnlyFile(folder.file("nbr.ini")));
}

}  // namespace
}  // namespace nickbridge::platform

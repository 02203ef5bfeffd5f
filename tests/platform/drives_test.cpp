// SPDX-License-Identifier: MIT
#include "platform/drives.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "platform/path_bytes.h"

namespace nickbridge::platform {
namespace {

// On the real machine (Wine's c: and z: in the Windows check): the drive of the current folder is
// listed, ready, named by its own designation, and its current folder is the current folder.
TEST(SystemDrives, TheDriveOfTheCurrentFolderStandsAtTheCurrentFolder) {
    const std::string here = pathBytes(std::filesystem::current_path());
    const std::vector<Drive> drives = systemDrives().list();
    const auto holding = driveHolding(here, drives);
    ASSERT_TRUE(holding.has_value()) << here;
    const Drive& drive = drives[*holding];
    EXPECT_EQ(driveNamedBy(drive.designation, drives), holding);
    EXPECT_EQ(driveDesignatedBy(drive.designation, drives), holding);
    EXPECT_EQ(systemDrives().currentFolder(drive), here);
    EXPECT_EQ(systemDrives().rootHolding(here), drive.root);
}

// A drive no longer listed (a stick pulled out leaves its empty mount folder) is not ready, and a
// drive letter's folders start at its root whatever the drives are.
TEST(SystemDrives, AnUnlistedDriveIsNotReady) {
#ifdef _WIN32
    EXPECT_EQ(systemDrives().rootHolding("c:\\work\\mail"), "c:\\");
#else
    const std::string folder = pathBytes(std::filesystem::temp_directory_path());
    EXPECT_THROW(systemDrives().currentFolder({folder + " [gone]", folder}), std::system_error);
#endif
}

}  // namespace
}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#include "platform/mount_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "platform/drives.h"

namespace nickbridge::platform {
namespace {

TEST(MountTable, ReadsEveryLineAndUndoesTheEscapesInNames) {
    const auto volumes = parseMountTable(
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb1 /media/alice/My\\040Stick vfat rw 0 0\n"
        "\n");
    EXPECT_THAT(volumes,
                ::testing::ElementsAre(
                    MountedVolume{"/", "/dev/sda1", "ext4"}, MountedVolume{"/proc", "proc", "proc"},
                    MountedVolume{"/media/alice/My Stick", "/dev/sdb1", "vfat"}));
}

TEST(MountTable, OffersTheVolumesAFileManagerWould) {
    struct Case {
        MountedVolume volume;
        bool offered;
    };
    const Case cases[] = {
        {{"/media/alice/USB", "/dev/sdb1", "vfat"}, true},
        {{"/run/media/alice/DISK", "/dev/sdc1", "ext4"}, true},
        {{"/mnt/backup", "server:/backup", "nfs4"}, true},
        {{"/home/alice/remote", "alice@host:", "fuse.sshfs"}, true},
        {{"/home/alice", "/dev/sda3", "ext4"}, false},  // the home folder itself is no drive
        {{"/media", "/dev/sdd1", "ext4"}, false},
        {{"/boot/efi", "/dev/sda2", "vfat"}, false},
        {{"/proc", "proc", "proc"}, false},
        {{"/media/alice/cg", "cgroup", "cgroup2"}, false},
        {{"/mnt/ram", "tmpfs", "tmpfs"}, false},
        {{"/mnt/snap", "/dev/loop3", "squashfs"}, false},
        {{"/mediaX/stick", "/dev/sde1", "vfat"}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isUserVolume(c.volume, "/home/alice"), c.offered) << c.volume.mountPoint;
    }
}

TEST(DriveNames, AssignedTextsSelectTheDrivesOfThisPlatform) {
#ifdef _WIN32
    const std::vector<Drive> drives{{"c: [SYSTEM]", "C:\\"}, {"d:", "D:\\"}};
    const std::optional<std::size_t> none;
    struct Case {
        const char* text;
        std::optional<std::size_t> named;       // by a drive list
        std::optional<std::size_t> designated;  // by a folder list
    };
    const Case cases[] = {
        {"c", 0, none},        {"C:\\temp", 0, none}, {"d:", 1, 1},
        {"c: [SYSTEM]", 0, 0}, {"e:", none, none},    {"", none, none},
    };
#else
    const std::vector<Drive> drives{{"/ [root]", "/"}, {"/media/USB [USB]", "/media/USB"}};
    const std::optional<std::size_t> none;
    struct Case {
        const char* text;
        std::optional<std::size_t> named;
        std::optional<std::size_t> designated;
    };
    const Case cases[] = {
        {"c", none, none},  // the default block's drive names nothing here
        {"/", 0, none},     // a root folder is a folder to a folder list
        {"/ [root]", 0, 0}, {"/media/USB [USB]", 1, 1}, {"/media/USB", 1, none}, {"", none, none},
    };
#endif
    for (const Case& c : cases) {
        EXPECT_EQ(driveNamedBy(c.text, drives), c.named) << c.text;
        EXPECT_EQ(driveDesignatedBy(c.text, drives), c.designated) << c.text;
    }
}

TEST(DriveNames, AFolderBelongsToTheDriveWithTheLongestRootHoldingIt) {
#ifdef _WIN32
    const std::vector<Drive> drives{{"c:", "C:\\"}, {"d:", "D:\\"}};
    EXPECT_EQ(driveHolding("d:\\work", drives), 1u);
    EXPECT_EQ(driveHolding("\\\\server\\share", drives), std::nullopt);
#else
    const std::vector<Drive> drives{{"/ [root]", "/"}, {"/media/USB [USB]", "/media/USB"}};
    EXPECT_EQ(driveHolding("/media/USB/notes", drives), 1u);
    EXPECT_EQ(driveHolding("/media/USB", drives), 1u);
    EXPECT_EQ(driveHolding("/media/USB2", drives), 0u);
#endif
}

}  // namespace
}  // namespace nickbridge::platform

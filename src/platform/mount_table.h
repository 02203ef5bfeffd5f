// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nickbridge::platform {

struct MountedVolume {
    std::string mountPoint;
    std::string source;  // the device, "/dev/sdb1", or a pseudo source such as "proc"
    std::string type;    // "ext4", "vfat", "proc", ...

    bool operator==(const MountedVolume&) const = default;
};

// The lines of /proc/self/mounts (fstab format; blanks in names escaped as \040).
std::vector<MountedVolume> parseMountTable(std::string_view table);

// Whether a desktop file manager would offer the volume as a place to keep files: a real or
// network file system mounted under /media, /run/media, /mnt or inside the user's home folder.
// The root "/" is not decided here: it is always the first drive.
bool isUserVolume(const MountedVolume& volume, std::string_view homeFolder);

}  // namespace nickbridge::platform

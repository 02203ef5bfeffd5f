// SPDX-License-Identifier: MIT
#include "platform/mount_table.h"

#include <array>
#include <sstream>

namespace nickbridge::platform {
namespace {

// The table writes blank, tab, newline and backslash in names as three octal digits.
std::string unescape(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool octal = field[i] == '\\' && field.size() - i > 3 && field[i + 1] >= '0' &&
                           field[i + 1] <= '3' && field[i + 2] >= '0' && field[i + 2] <= '7' &&
                           field[i + 3] >= '0' && field[i + 3] <= '7';
        if (octal) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool startsWithFolder(std::string_view path, std::string_view folder) {
    if (folder.empty()) return false;
    if (folder.back() == '/') folder.remove_suffix(1);
    return path.size() > folder.size() + 1 && path.substr(0, folder.size()) == folder &&
           path[folder.size()] == '/';
}

// Kernel file systems that hold no user files, and the stand-ins of FUSE helpers.
constexpr std::array<std::string_view, 24> kPseudoTypes{
    "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
    "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
    "mqueue",     "nsfs",        "overlay",  "proc",     "pstore",  "ramfs",
    "rpc_pipefs", "securityfs",  "squashfs", "sysfs",    "tmpfs",   "tracefs"};

}  // namespace

std::vector<MountedVolume> parseMountTable(std::string_view table) {
    std::vector<MountedVolume> volumes;
    std::istringstream lines{std::string(table)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string source;
        std::string mountPoint;
        std::string type;
        if (!(fields >> source >> mountPoint >> type)) continue;
        volumes.push_back({unescape(mountPoint), unescape(source), type});
    }
    return volumes;
}

bool isUserVolume(const MountedVolume& volume, std::string_view homeFolder) {
    for (std::string_view pseudo : kPseudoTypes) {
        if (volume.type == pseudo) return false;
    }
    const std::string_view where = volume.mountPoint;
    return startsWithFolder(where, "/media") || startsWithFolder(where, "/run/media") ||
           startsWithFolder(where, "/mnt") || startsWithFolder(where, homeFolder);
}

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#include "platform/planted_link.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace nickbridge::platform {

#ifdef _WIN32

bool isPlantedLink(const std::filesystem::path& /*path*/) { return false; }

#else

bool isPlantedLink(const std::filesystem::path& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return false;
    if (link.st_uid == ::geteuid()) return false;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    struct stat folderStatus {};
    // A folder we cannot look at gives no reason to trust the link.
    if (::stat(folder.c_str(), &folderStatus) != 0) return true;
    if (link.st_uid == folderStatus.st_uid) return false;
    return (folderStatus.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

#endif

}  // namespace nickbridge::platform

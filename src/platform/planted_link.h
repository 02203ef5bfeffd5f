// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace nickbridge::platform {

// True when `path` is a symbolic link that someone else could have placed to turn our writes on
// a file of ours: the link belongs neither to the user running us nor to the folder's owner, and
// the folder lets others than its owner write in it. The kernel's protected-symlinks rule refuses
// such links in sticky folders anyone may write; this applies it to every such folder. Always
// false on Windows, where only administrators create symbolic links.
bool isPlantedLink(const std::filesystem::path& path);

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <filesystem>

namespace nickbridge::platform {

// True when both paths name one existing file, however they are spelt: another folder name, a
// symbolic link or a hard link to it. False when either does not exist.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// True when `open` (standard input redirected from a file, say) is the file `path` names.
bool isSameFile(std::FILE* open, const std::filesystem::path& path);

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace nickbridge::platform {

// True when both paths name one existing file, however they are spelt: another folder name, a
// symbolic link or a hard link to it. False when either does not exist.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace nickbridge::platform

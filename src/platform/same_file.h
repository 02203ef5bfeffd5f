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

// True when both open streams are one regular file (standard input and output redirected from
// and to the same file). A terminal, pipe or device on both sides is no file to lose.
bool isSameRegularFile(std::FILE* first, std::FILE* second);

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace nickbridge::platform {

// The path as bytes in the 8-bit code page: the inverse of nativePath. On Windows a character
// the ANSI code page lacks becomes the system's stand-in ("?"); elsewhere the bytes unchanged.
std::string pathBytes(const std::filesystem::path& path);

// The separator of full paths: "\" on Windows, "/" elsewhere.
char nativeSeparator();

}  // namespace nickbridge::platform

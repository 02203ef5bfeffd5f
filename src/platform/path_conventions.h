#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace nickbridge::platform {

// The output path the main window starts with before the settings file is read:
// c:\temp\converted.txt on Windows, /tmp/converted.txt elsewhere.
std::string defaultOutputPath();

// Paths are held as bytes in the system's 8-bit code page, as the user and nbr.ini give them.
// This is the same path for the file system library: on Windows read in the ANSI code page, as
// the C library's fopen reads it; elsewhere the bytes unchanged.
std::filesystem::path nativePath(const std::string& path);

// fopen for a file system path, wide on Windows so no name is lost.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

}  // namespace nickbridge::platform

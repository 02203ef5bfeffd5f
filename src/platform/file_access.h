// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace nickbridge::platform {

// Paths are held as bytes in the system's 8-bit code page, as the user and nbr.ini give them.
// This is the same path for the file system library: on Windows read in the ANSI code page, as
// the C library's fopen reads it; elsewhere the bytes unchanged.
std::filesystem::path nativePath(const std::string& path);

// fopen for a file system path, wide on Windows so no name is lost.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// A binary write stream over an open descriptor; nothing when `fd` is -1 or on failure, and then
// the descriptor is closed and errno tells why.
std::FILE* writeStreamOver(int fd);

// Opens an existing file for writing from empty; never creates one.
std::FILE* rewriteExistingFile(const std::filesystem::path& path);

// Pushes what was written through to the disk; false (errno set) when that failed.
bool flushToDisk(std::FILE* file);

// Pushes what was written out of the stream and starts writing the file from byte `from` on to
// the disk without waiting, so that a later flushToDisk has less left to wait for. Where the
// system has no such call, or the file no such disk, only the push happens. False (errno set)
// when the push failed.
bool startWriteBack(std::FILE* file, std::uint64_t from);

// Makes room on the disk for the file's first `size` bytes, so that writing them cannot run out
// of space; what the file holds stays. 0 or the errno of the failure.
int reserveFileSpace(std::FILE* file, std::uint64_t size);

// Cuts the file to `size` bytes (or lengthens it with zeros). 0 or the errno of the failure.
int setFileSize(std::FILE* file, std::uint64_t size);

// The system's text for an errno value.
std::string systemErrorText(int error);

}  // namespace nickbridge::platform

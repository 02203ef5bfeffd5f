// SPDX-License-Identifier: MIT
#include "platform/same_file.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace nickbridge::platform {

#ifdef _WIN32

namespace {

// A file is known by its volume and its index on that volume; the C library's stat has no index.
bool fileIdentity(const std::filesystem::path& path, BY_HANDLE_FILE_INFORMATION& info) {
    const HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    return known;
}

// A pipe or console has no such information, so it is never taken for a file.
bool fileIdentity(std::FILE* open, BY_HANDLE_FILE_INFORMATION& info) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(open)));
    return handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &info) != 0;
}

bool sameIdentity(const BY_HANDLE_FILE_INFORMATION& first,
                  const BY_HANDLE_FILE_INFORMATION& second) {
    return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

}  // namespace

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return fileIdentity(a, first) && fileIdentity(b, second) && sameIdentity(first, second);
}

bool isSameFile(std::FILE* open, const std::filesystem::path& path) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return fileIdentity(open, first) && fileIdentity(path, second) && sameIdentity(first, second);
}

bool isSameRegularFile(std::FILE* first, std::FILE* second) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(first)));
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK) return false;
    BY_HANDLE_FILE_INFORMATION firstInfo{};
    BY_HANDLE_FILE_INFORMATION secondInfo{};
    return fileIdentity(first, firstInfo) && fileIdentity(second, secondInfo) &&
           sameIdentity(firstInfo, secondInfo) &&
           (firstInfo.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

#else

namespace {

bool sameIdentity(const struct stat& first, const struct stat& second) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           sameIdentity(first, second);
}

bool isSameFile(std::FILE* open, const std::filesystem::path& path) {
    struct stat first {};
    struct stat second {};
    return ::fstat(fileno(open), &first) == 0 && ::stat(path.c_str(), &second) == 0 &&
           sameIdentity(first, second);
}

bool isSameRegularFile(std::FILE* first, std::FILE* second) {
    struct stat firstStatus {};
    struct stat secondStatus {};
    return ::fstat(fileno(first), &firstStatus) == 0 && S_ISREG(firstStatus.st_mode) &&
           ::fstat(fileno(second), &secondStatus) == 0 && sameIdentity(firstStatus, secondStatus);
}

#endif

}  // namespace nickbridge::platform

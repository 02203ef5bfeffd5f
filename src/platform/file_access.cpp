// SPDX-License-Identifier: MIT
#include "platform/file_access.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace nickbridge::platform {

std::string systemErrorText(int error) { return std::generic_category().message(error); }

#ifdef _WIN32

std::filesystem::path nativePath(const std::string& path) {
    if (path.empty()) return {};
    const int size = static_cast<int>(path.size());
    const int wideSize = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    // A path that cannot be converted names nothing: opening the empty path fails and says so.
    if (wideSize == 0 ||
        MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), wideSize) != wideSize) {
        return {};
    }
    return std::filesystem::path(wide);
}

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    const std::string narrowMode(mode);
    return _wfopen(path.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
}

std::FILE* writeStreamOver(int fd) {
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        _close(fd);
        errno = error;
    }
    return file;
}

std::FILE* rewriteExistingFile(const std::filesystem::path& path) {
    return writeStreamOver(_wopen(path.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY));
}

bool flushToDisk(std::FILE* file) { return std::fflush(file) == 0 && _commit(_fileno(file)) == 0; }

bool startWriteBack(std::FILE* file, std::uint64_t /*from: Windows has no such call*/) {
    return std::fflush(file) == 0;
}

int reserveFileSpace(std::FILE* file, std::uint64_t size) {
    // Windows gives a file its clusters as it grows, so growing it reserves them; a file already
    // that long has them.
    const auto length = _filelengthi64(_fileno(file));
    if (length < 0) return errno;
    if (static_cast<std::uint64_t>(length) >= size) return 0;
    return setFileSize(file, size);
}

int setFileSize(std::FILE* file, std::uint64_t size) {
    if (std::fflush(file) != 0) return errno;
    return _chsize_s(_fileno(file), static_cast<__int64>(size));
}

#else

std::filesystem::path nativePath(const std::string& path) { return std::filesystem::path(path); }

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::FILE* writeStreamOver(int fd) {
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return file;
}

std::FILE* rewriteExistingFile(const std::filesystem::path& path) {
    return writeStreamOver(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
}

bool flushToDisk(std::FILE* file) { return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0; }

bool startWriteBack(std::FILE* file, std::uint64_t from) {
    if (std::fflush(file) != 0) return false;
#if defined(__linux__) && defined(SYNC_FILE_RANGE_WRITE)
    // Length 0: up to the end of the file. A refusal (a pipe, a device) leaves it all to the
    // final flush.
    static_cast<void>(
        ::sync_file_range(::fileno(file), static_cast<off_t>(from), 0, SYNC_FILE_RANGE_WRITE));
#else
    static_cast<void>(from);
#endif
    return true;
}

int reserveFileSpace(std::FILE* file, std::uint64_t size) {
    if (size == 0) return 0;
    return ::posix_fallocate(::fileno(file), 0, static_cast<off_t>(size));
}

int setFileSize(std::FILE* file, std::uint64_t size) {
    if (std::fflush(file) != 0) return errno;
    return ::ftruncate(::fileno(file), static_cast<off_t>(size)) == 0 ? 0 : errno;
}

#endif

}  // namespace nickbridge::platform

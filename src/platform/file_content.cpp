// SPDX-License-Identifier: MIT
#include "platform/file_content.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>

#ifndef _WIN32
#include <sys/mman.h>
#endif

namespace nickbridge::platform {
namespace {

// The length of a regular file, or 0 for anything else (a pipe or device has no length).
std::size_t regularFileSize(std::FILE* file) {
#ifdef _WIN32
    struct _stat64 status {};
    if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFREG) == 0) return 0;
#else
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
#endif
    return static_cast<std::size_t>(status.st_size);
}

}  // namespace

FileContent::~FileContent() {
#ifndef _WIN32
    if (mapped_ != nullptr) ::munmap(mapped_, mappedSize_);
#endif
}

std::string_view FileContent::bytes() const {
    if (mapped_ != nullptr) return {static_cast<const char*>(mapped_), mappedSize_};
    return read_;
}

int FileContent::load(std::FILE* file, std::string_view head) {
    return map(file, head) ? 0 : read(file, head);
}

bool FileContent::map(std::FILE* file, std::string_view head) {
#ifdef _WIN32
    (void)file;
    (void)head;
    return false;
#else
    const std::size_t size = regularFileSize(file);
    // Only a file read from its start: standard input may come in part way through one.
    const long position = std::ftell(file);
    if (size < head.size() || size == 0 || position < 0 ||
        static_cast<std::size_t>(position) != head.size()) {
        return false;
    }
    void* const mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, ::fileno(file), 0);
    if (mapped == MAP_FAILED) return false;
    // Only a hint for read-ahead: the mapping reads the same without it.
    static_cast<void>(::madvise(mapped, size, MADV_SEQUENTIAL));
    mapped_ = mapped;
    mappedSize_ = size;
    return true;
#endif
}

int FileContent::read(std::FILE* file, std::string_view head) {
    constexpr std::size_t kFirstRead = std::size_t{1} << 16;
    read_.assign(head);
    std::size_t have = read_.size();
    // One more byte than the file's length, so the end shows in the first read.
    std::size_t wanted = std::max(regularFileSize(file) + 1, have + kFirstRead);
    errno = 0;
    while (true) {
        read_.resize(wanted);
        have += std::fread(read_.data() + have, 1, wanted - have, file);
        if (have < wanted) break;
        wanted *= 2;
    }
    read_.resize(have);
    if (std::ferror(file)) return errno != 0 ? errno : EIO;
    return 0;
}

}  // namespace nickbridge::platform

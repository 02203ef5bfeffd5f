// SPDX-License-Identifier: MIT
#include "platform/file_content.h"

#include <sys/stat.h>
#include <sys/types.h>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

namespace nickbridge::platform {
namespace {

// How many bytes are left to read from `file`: known only for a regular file whose length and
// position we can tell (a pipe or device has neither; /proc files claim no length).
std::optional<std::size_t> bytesLeft(std::FILE* file) {
#ifdef _WIN32
    struct _stat64 status {};
    if (_fstat64(_fileno(file), &status) != 0 || (status.st_mode & _S_IFREG) == 0) {
        return std::nullopt;
    }
    const auto position = _ftelli64(file);
#else
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    const auto position = ::ftello(file);
#endif
    if (status.st_size <= 0 || position < 0 || position > status.st_size) return std::nullopt;
    return static_cast<std::size_t>(status.st_size - position);
}

// A large block comes fresh from the kernel, and taking its pages in one fault at a time as the
// read fills them would cost more than the read itself: ask for huge pages where the system
// gives them, and for the whole block at once.
void prepareLargeBlock(char* block, std::size_t size) {
#if defined(__linux__)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{1} << 21;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
    if (end <= first) return;
    // Stays inside the block: the same pointer moved on, not one made from the number.
    char* const aligned = block + (first - start);
    // Both are advice: a system without them reads as fast as before, only with more faults.
    static_cast<void>(::madvise(aligned, end - first, MADV_HUGEPAGE));
#ifdef MADV_POPULATE_WRITE
    static_cast<void>(::madvise(aligned, end - first, MADV_POPULATE_WRITE));
#endif
#else
    static_cast<void>(block);
    static_cast<void>(size);
#endif
}

}  // namespace

void FileContent::grow(std::size_t capacity) {
    // Unlike a string's resize, this leaves the bytes unwritten: the read writes them once.
    std::unique_ptr<char, ReleaseBlock> grown(static_cast<char*>(::operator new(capacity)));
    prepareLargeBlock(grown.get(), capacity);
    if (size_ > 0) std::memcpy(grown.get(), block_.get(), size_);
    block_ = std::move(grown);
    capacity_ = capacity;
}

int FileContent::load(std::FILE* file, std::string_view head) {
    constexpr std::size_t kFirstRead = std::size_t{1} << 16;
    const std::optional<std::size_t> expected = bytesLeft(file);
    // One more byte than the file's length, so a file that grew shows in the first read.
    grow(head.size() + (expected ? *expected + 1 : kFirstRead));
    std::memcpy(block_.get(), head.data(), head.size());
    size_ = head.size();
    if (beforeReadForTests != nullptr) beforeReadForTests(file);
    errno = 0;
    while (true) {
        size_ += std::fread(block_.get() + size_, 1, capacity_ - size_, file);
        if (size_ < capacity_) break;
        grow(capacity_ * 2);
    }
    if (std::ferror(file)) return errno != 0 ? errno : EIO;
    if (expected && size_ != head.size() + *expected) return kChangedWhileRead;
    return 0;
}

}  // namespace nickbridge::platform

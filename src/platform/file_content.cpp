// SPDX-License-Identifier: MIT
#include "platform/file_content.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/large_block.h"

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

}  // namespace

void FileContent::grow(std::size_t capacity) {
    // Unlike a string's resize, this leaves the bytes unwritten: the read writes them once.
    std::unique_ptr<char, ReleaseBlock> grown(static_cast<char*>(::operator new(capacity)));
    // Taking its pages one fault at a time as the read fills them would cost more than the
    // read itself.
    prepareLargeBlock(grown.get(), capacity, true);
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

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <memory>
#include <new>
#include <string_view>

namespace nickbridge::platform {

// The whole of an open file as one block of bytes of our own, for reading. A regular file is
// read in one read sized from its length; anything else (a pipe, standard input, a device) in
// reads that grow the block as it comes. The file is never mapped: another program that
// shortens it while we read it could then end ours.
class FileContent {
public:
    FileContent() = default;
    FileContent(const FileContent&) = delete;
    FileContent& operator=(const FileContent&) = delete;

    // Takes the content of `file`, of which `head` was already read. Returns 0 or the errno of
    // the failure (kChangedWhileRead when a regular file's length changed during the read);
    // throws std::bad_alloc when memory runs out.
    int load(std::FILE* file, std::string_view head);

    std::string_view bytes() const { return {block_.get(), size_}; }

    // Where a test acts as another program changing the file: called once the file's length is
    // known, just before its content is read. Never set by the program itself.
    static inline void (*beforeReadForTests)(std::FILE* file) = nullptr;

private:
    // Makes the block hold `capacity` bytes, keeping what it holds.
    void grow(std::size_t capacity);

    // Plain operator new, as a string's memory: what runs out of memory runs out here too.
    struct ReleaseBlock {
        void operator()(char* block) const { ::operator delete(block); }
    };
    std::unique_ptr<char, ReleaseBlock> block_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// What load returns when the file was shortened or lengthened while it was read: what we hold is
// then no copy the file ever had.
inline constexpr int kChangedWhileRead = -1;

}  // namespace nickbridge::platform

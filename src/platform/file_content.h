// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace nickbridge::platform {

// The whole of an open file as one block of bytes, for reading. A regular file read from its
// start is mapped into memory: no copy, and a fraction of the page faults that memory of our own
// costs. Anything else (a pipe, standard input, a device; every file on Windows) is read into
// memory, in one read sized from the file's length where it has one.
class FileContent {
public:
    FileContent() = default;
    FileContent(const FileContent&) = delete;
    FileContent& operator=(const FileContent&) = delete;
    ~FileContent();

    // Takes the content of `file`, of which `head` was already read. Returns 0 or the errno of
    // the failure; throws std::bad_alloc when memory runs out.
    int load(std::FILE* file, std::string_view head);

    std::string_view bytes() const;

private:
    bool map(std::FILE* file, std::string_view head);
    int read(std::FILE* file, std::string_view head);

    void* mapped_ = nullptr;
    std::size_t mappedSize_ = 0;
    std::string read_;
};

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace nickbridge::platform {

// The new content of a file while it is being written: a file of its own in the target's folder,
// readable by nobody else, that takes the target's place only when committed. Where the system
// can, it has no name until then, so a program killed mid-way leaves nothing behind; elsewhere
// its name is short and random, so it fits beside any target name.
class ReplacementFile {
public:
    // Opens the file beside `target`; nothing (errno set) when the folder takes no new file.
    static std::unique_ptr<ReplacementFile> create(const std::filesystem::path& target);
    ~ReplacementFile();  // a file never committed is removed
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    std::FILE* stream() const { return stream_; }

    // Pushes the content to the disk, gives the file the target's permissions (and its owner and
    // group where allowed), puts it in the target's place and makes that last. Returns why it
    // failed; the target is unchanged then.
    std::optional<std::string> commit();

    // Set by tests to choose the names a new file tries in turn; it then always has a name, so a
    // test can plant something where it will be made.
    static inline std::string (*nextNameForTests)() = nullptr;

private:
    ReplacementFile(std::FILE* stream, std::filesystem::path target, std::filesystem::path name);

    std::FILE* stream_;
    std::filesystem::path target_;
    std::filesystem::path name_;  // empty while the file has no name
};

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nickbridge::platform {

// Writes the new content into the open file; false when a write failed (errno tells why).
using ContentWriter = std::function<bool(std::FILE*)>;

// Gives `path` new content without ever leaving it cut short: the content goes to a new temporary
// file beside it, is flushed to disk, and is renamed over the file only when complete.
// - A read-only file (whoever runs us, root included) and a folder are left alone.
// - Through a symbolic link the file it points at is replaced; the link stays a link.
// - A device or pipe (/dev/null, /dev/full) can't be renamed over and is written directly.
// - An existing file's permissions carry over.
// Returns why it failed, in the system's words, or nothing on success; no temporary file stays.
std::optional<std::string> replaceFile(const std::string& path, const ContentWriter& write);

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content);

}  // namespace nickbridge::platform

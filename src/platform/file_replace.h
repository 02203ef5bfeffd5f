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

// Gives `path` new content without ever leaving it cut short: the content goes to a new file
// beside it, private and (on Linux) nameless while written, is flushed to disk, and takes the
// file's place only when complete; the folder is then flushed too, so the change survives a
// power loss.
// - Only a file that the user running us may write is replaced; a read-only file is left alone
//   whoever runs us, root included. A folder is left alone.
// - Through a symbolic link the file it points at is replaced; the link stays a link. A loop of
//   links is reported as the system reports it.
// - A device or pipe (/dev/null, /dev/full) can't be renamed over and is written directly.
// - A file the user may write in a folder that takes no new file is rewritten in place, with its
//   space reserved first and its old content put back should a write fail (see rewriteInPlace).
// - An existing file's permissions, owner and group carry over (owner and group where allowed).
// Returns why it failed, in the system's words, or nothing on success; no temporary file stays.
std::optional<std::string> replaceFile(const std::string& path, const ContentWriter& write);

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content);

}  // namespace nickbridge::platform

#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nickbridge::platform {

// The temporary file that replaceFile writes beside `target`.
std::filesystem::path replacementPath(const std::filesystem::path& target);

// Writes the new content into the open file; false when a write failed (errno tells why).
using ContentWriter = std::function<bool(std::FILE*)>;

// Gives `path` new content: writes a temporary file beside it and renames that over it, so the
// file is either as it was or complete, never cut short. A read-only file (whoever runs us, root
// included) and a folder are left alone; through a symbolic link the file it points at is
// replaced. An existing file's permissions carry over. Returns why it failed, in the system's
// words, or nothing on success; the temporary file never stays behind.
std::optional<std::string> replaceFile(const std::string& path, const ContentWriter& write);

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content);

// The system's text for an errno value.
std::string systemErrorText(int error);

}  // namespace nickbridge::platform

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nickbridge::platform {

// The name of the temporary file that replaceFileContents writes beside `path`.
std::string replacementPath(const std::string& path);

// Gives `path` exactly `content`: writes a temporary file beside it and renames that over it, so
// the file is either as it was or complete, never cut short. A read-only file is left alone.
// An existing file's permissions carry over. Returns why it failed, or nothing on success; the
// temporary file never stays behind.
std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content);

}  // namespace nickbridge::platform

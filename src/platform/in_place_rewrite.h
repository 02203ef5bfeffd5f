// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_replace.h"

namespace nickbridge::platform {

// Gives an existing regular file new content in place, for a folder that takes no new file
// beside it. The new content is first written to a file of our own in the system's temporary
// folder (gone once closed), so its size is known; the disk space for it is reserved before a
// byte of the old content is touched; and should a write still fail, the old content, kept the
// same way, is put back. A refused or failed write therefore leaves the file as it was. What
// remains: a kill (or power loss) during the rewrite itself can leave it cut, since the folder
// gives no room for a second copy.
// Returns why it failed, in the system's words, or nothing on success.
std::optional<std::string> rewriteInPlace(const std::filesystem::path& target,
                                          const ContentWriter& write);

}  // namespace nickbridge::platform

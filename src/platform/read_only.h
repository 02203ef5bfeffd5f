// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace nickbridge::platform {

// True when the file exists and its permissions let nobody write it; on Windows that is the
// read-only attribute. Root may write such a file anyway, so callers that must leave it alone ask
// here instead of relying on the system to refuse.
bool isReadOnlyFile(const std::filesystem::path& path);

// Why the user running the program may not write the existing file `path` (an errno value such as
// EACCES), or 0 when they may. A file is replaced through its folder, which would let anyone who
// may write the folder replace it; this asks about the file itself, for the real user.
int writeRefusal(const std::filesystem::path& path);

}  // namespace nickbridge::platform

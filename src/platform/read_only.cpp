// SPDX-License-Identifier: MIT
#include "platform/read_only.h"

#include <system_error>

#ifndef _WIN32
#include <unistd.h>

#include <cerrno>
#endif

namespace nickbridge::platform {

bool isReadOnlyFile(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        return false;
    }
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & anyWrite) == fs::perms::none;
}

#ifdef _WIN32

// Windows knows no other per-user refusal than the read-only attribute, asked above.
int writeRefusal(const std::filesystem::path& /*path*/) { return 0; }

#else

int writeRefusal(const std::filesystem::path& path) {
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

#endif

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#include "platform/read_only.h"

#include <system_error>

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

}  // namespace nickbridge::platform

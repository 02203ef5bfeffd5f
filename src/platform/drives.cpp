// SPDX-License-Identifier: MIT
#include "platform/drives.h"

#include "platform/file_access.h"
#include "platform/path_bytes.h"

namespace nickbridge::platform {

std::string Drives::rootHolding(const std::string& folder) const {
    const std::vector<Drive> drives = list();
    if (const auto holding = driveHolding(folder, drives)) return drives[*holding].root;
    return pathBytes(nativePath(folder).root_path());
}

}  // namespace nickbridge::platform

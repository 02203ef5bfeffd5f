// SPDX-License-Identifier: MIT
#include "platform/system_information.h"

#include <filesystem>
#include <system_error>

#include "platform/file_access.h"

namespace nickbridge::platform {

std::optional<std::string> systemInformationCommand(RawRegistry& registry) {
    std::string command;
    if (readRegistryValue(registry, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                          "PATH", command)) {
        return command;
    }
    std::string folder;
    if (!readRegistryValue(registry, kHkeyLocalMachine,
                           "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder)) {
        return std::nullopt;
    }
    std::string tool = folder + "\\MSINFO32.EXE";
    std::error_code error;
    if (!std::filesystem::is_regular_file(nativePath(tool), error)) return std::nullopt;
    return tool;
}

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace nickbridge::platform {

// The command line that starts the System Information tool, as the registry records it: the
// tool's "PATH" value unchanged if there is one (not checked, not quoted), else MSINFO32.EXE in
// the tool folder it names, if that file exists. Nothing when neither is found.
std::optional<std::string> systemInformationCommand(RawRegistry& registry);

}  // namespace nickbridge::platform

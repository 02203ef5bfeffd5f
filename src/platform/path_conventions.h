// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace nickbridge::platform {

// The output path the main window starts with before the settings file is read:
// c:\temp\converted.txt on Windows, /tmp/converted.txt elsewhere.
std::string defaultOutputPath();

}  // namespace nickbridge::platform

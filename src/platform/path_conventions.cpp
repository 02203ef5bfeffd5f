// SPDX-License-Identifier: MIT
#include "platform/path_conventions.h"

namespace nickbridge::platform {

std::string defaultOutputPath() {
#ifdef _WIN32
    return "c:\\temp\\converted.txt";
#else
    // No drive letters here: the Windows temp folder becomes the POSIX one.
    return "/tmp/converted.txt";
#endif
}

}  // namespace nickbridge::platform

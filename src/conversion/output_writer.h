// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace nickbridge {

struct WriteResult {
    bool ok = true;
    std::string reason;  // why the file could not be written
};

// Writes each line followed by CR LF through platform::replaceFile: a failure leaves the old file
// exactly as it was, and a read-only file is never replaced.
WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines);

}  // namespace nickbridge

#pragma once

#include <string>
#include <vector>

namespace nickbridge {

struct WriteResult {
    bool ok = true;
    std::string reason;  // why the file could not be written
};

// Writes each line followed by CR LF. A regular (or new) file is written to a temporary file
// beside it and renamed over it only when complete, so a failure leaves the old file as it was;
// a read-only file is never replaced.
WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines);

}  // namespace nickbridge

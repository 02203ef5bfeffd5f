// SPDX-License-Identifier: MIT
#include "output_writer.h"

#include <cstdio>

#include "platform/file_replace.h"

namespace nickbridge {

WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines) {
    const auto failure = platform::replaceFile(outputPath, [&lines](std::FILE* file) {
        for (const std::string& line : lines) {
            if (std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
                std::fwrite("\r\n", 1, 2, file) != 2) {
                return false;
            }
        }
        return true;
    });
    if (failure) return {false, *failure};
    return {};
}

}  // namespace nickbridge

#include "output_writer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/file_replace.h"
#include "platform/path_conventions.h"

namespace nickbridge {
namespace {

bool writeLines(std::FILE* file, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
            std::fwrite("\r\n", 1, 2, file) != 2) {
            return false;
        }
    }
    return true;
}

// A device or pipe can't be replaced by a rename: it is written directly.
WriteResult writeInPlace(const std::string& outputPath, const std::vector<std::string>& lines) {
    std::FILE* file = platform::openFile(platform::nativePath(outputPath), "wb");
    if (file == nullptr) return {false, platform::systemErrorText(errno)};
    int error = 0;
    if (!writeLines(file, lines) || std::fflush(file) != 0) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    if (error != 0) return {false, platform::systemErrorText(error)};
    return {};
}

bool isSpecialFile(const std::string& path) {
    std::error_code ignored;
    const auto status = std::filesystem::status(platform::nativePath(path), ignored);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

}  // namespace

WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines) {
    if (isSpecialFile(outputPath)) return writeInPlace(outputPath, lines);
    const auto failure = platform::replaceFile(
        outputPath, [&lines](std::FILE* file) { return writeLines(file, lines); });
    if (failure) return {false, *failure};
    return {};
}

}  // namespace nickbridge

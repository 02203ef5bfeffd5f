#include "output_writer.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace nickbridge {
namespace {

namespace fs = std::filesystem;

WriteResult failure(int error) { return {false, std::generic_category().message(error)}; }
WriteResult failure(const std::error_code& error) { return {false, error.message()}; }

// Writes every line with CR LF to `path`, replacing what it held.
WriteResult writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return failure(errno);
    int error = 0;
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
            std::fwrite("\r\n", 1, 2, file) != 2) {
            error = errno;
            break;
        }
    }
    if (error == 0 && std::fflush(file) != 0) error = errno;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    if (error != 0) return failure(error);
    return {};
}

std::string temporaryPathBeside(const fs::path& target) {
    std::random_device random;
    const fs::path name = "." + target.filename().string() + "." + std::to_string(random()) + ".tmp";
    return (target.parent_path() / name).string();
}

// A new or regular file is written beside the target and renamed over it when complete, so a
// failure never leaves it half-written; keeps the mode of the file it replaces.
WriteResult writeReplacing(const std::string& outputPath, const std::vector<std::string>& lines,
                           const fs::file_status& existing) {
    const fs::path target(outputPath);
    const std::string temporary = temporaryPathBeside(target);
    WriteResult result = writeLines(temporary, lines);
    std::error_code error;
    if (result.ok && fs::exists(existing)) {
        fs::permissions(temporary, existing.permissions(), error);
        if (error) result = failure(error);
    }
    if (result.ok) {
        fs::rename(temporary, target, error);
        if (error) result = failure(error);
    }
    if (!result.ok) fs::remove(temporary, error);
    return result;
}

}  // namespace

WriteResult writeOutputFile(const std::string& outputPath, const std::vector<std::string>& lines) {
    std::error_code error;
    const fs::file_status existing = fs::status(outputPath, error);
    if (fs::is_directory(existing)) return failure(std::make_error_code(std::errc::is_a_directory));
    if (!fs::exists(existing) || fs::is_regular_file(existing)) {
        return writeReplacing(outputPath, lines, existing);
    }
    // A device or pipe can't be replaced by a rename: write to it directly.
    return writeLines(outputPath, lines);
}

}  // namespace nickbridge

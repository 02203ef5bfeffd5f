#include "platform/file_replace.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/read_only.h"

namespace nickbridge::platform {

namespace fs = std::filesystem;

namespace {

bool writeWhole(const fs::path& file, std::string_view content) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    return !out.fail();
}

}  // namespace

std::string replacementPath(const std::string& path) { return path + ".tmp"; }

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content) {
    if (isReadOnlyFile(path)) {
        return "the file is read-only";
    }
    const fs::path target(path);
    const std::string tempName = replacementPath(path);
    const fs::path temp(tempName);
    std::error_code ignored;
    if (!writeWhole(temp, content)) {
        fs::remove(temp, ignored);
        return "cannot write \"" + tempName + "\"";
    }
    const fs::file_status old = fs::status(target, ignored);
    if (fs::exists(old)) {
        fs::permissions(temp, old.permissions(), ignored);
    }
    std::error_code error;
    fs::rename(temp, target, error);
    if (error) {
        fs::remove(temp, ignored);
        return "cannot replace the file: " + error.message();
    }
    return std::nullopt;
}

}  // namespace nickbridge::platform

#include "platform/file_replace.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/read_only.h"

namespace nickbridge::platform {

namespace fs = std::filesystem;

namespace {

// Returns the errno of the first failure, 0 when the file was written and closed.
int writeWhole(const std::string& path, const ContentWriter& write) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return errno;
    int error = 0;
    if (!write(file) || std::fflush(file) != 0) error = errno != 0 ? errno : EIO;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    return error;
}

// Through a symbolic link the file it points at is replaced, and the link stays a link.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(fs::path(path), error))) return path;
    const fs::path target = fs::canonical(fs::path(path), error);
    return error ? path : target.string();
}

}  // namespace

std::string systemErrorText(int error) { return std::generic_category().message(error); }

std::string replacementPath(const std::string& path) { return path + ".tmp"; }

std::optional<std::string> replaceFile(const std::string& linkOrPath, const ContentWriter& write) {
    const std::string path = resolvedTarget(linkOrPath);
    std::error_code ignored;
    const fs::file_status old = fs::status(fs::path(path), ignored);
    if (fs::is_directory(old)) return systemErrorText(EISDIR);
    if (isReadOnlyFile(path)) return "the file is read-only";

    const std::string temp = replacementPath(path);
    errno = 0;
    if (const int error = writeWhole(temp, write); error != 0) {
        fs::remove(fs::path(temp), ignored);
        return systemErrorText(error);
    }
    if (fs::exists(old)) fs::permissions(fs::path(temp), old.permissions(), ignored);
    std::error_code renameError;
    fs::rename(fs::path(temp), fs::path(path), renameError);
    if (renameError) {
        fs::remove(fs::path(temp), ignored);
        return renameError.message();
    }
    return std::nullopt;
}

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content) {
    return replaceFile(path, [content](std::FILE* file) {
        return std::fwrite(content.data(), 1, content.size(), file) == content.size();
    });
}

}  // namespace nickbridge::platform

#include "platform/file_replace.h"

#include <cerrno>
#include <system_error>

#include "platform/path_conventions.h"
#include "platform/read_only.h"

namespace nickbridge::platform {

namespace fs = std::filesystem;

namespace {

// Returns the errno of the first failure, 0 when the file was written and closed.
int writeWhole(const fs::path& path, const ContentWriter& write) {
    errno = 0;
    std::FILE* file = openFile(path, "wb");
    if (file == nullptr) return errno;
    int error = 0;
    if (!write(file) || std::fflush(file) != 0) error = errno != 0 ? errno : EIO;
    if (std::fclose(file) != 0 && error == 0) error = errno;
    return error;
}

// Through a symbolic link the file it points at is replaced, and the link stays a link.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

}  // namespace

std::string systemErrorText(int error) { return std::generic_category().message(error); }

fs::path replacementPath(const fs::path& target) {
    fs::path temp = target;
    temp += ".tmp";
    return temp;
}

std::optional<std::string> replaceFile(const std::string& path, const ContentWriter& write) {
    const fs::path target = resolvedTarget(nativePath(path));
    std::error_code ignored;
    const fs::file_status old = fs::status(target, ignored);
    if (fs::is_directory(old)) return systemErrorText(EISDIR);
    if (isReadOnlyFile(target)) return "the file is read-only";

    const fs::path temp = replacementPath(target);
    if (const int error = writeWhole(temp, write); error != 0) {
        fs::remove(temp, ignored);
        return systemErrorText(error);
    }
    if (fs::exists(old)) fs::permissions(temp, old.permissions(), ignored);
    std::error_code renameError;
    fs::rename(temp, target, renameError);
    if (renameError) {
        fs::remove(temp, ignored);
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

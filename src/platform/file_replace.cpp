// SPDX-License-Identifier: MIT
#include "platform/file_replace.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/file_access.h"
#include "platform/read_only.h"

namespace nickbridge::platform {

namespace fs = std::filesystem;

namespace {

// Returns the errno of the first failure, 0 when the file was written and closed.
int writeAndClose(std::FILE* file, const ContentWriter& write, bool toDisk) {
    errno = 0;
    int error = 0;
    if (!write(file) || (toDisk ? !flushToDisk(file) : std::fflush(file) != 0)) {
        error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    return error;
}

// The file a chain of symbolic links ends at, existing or not.
fs::path linkTarget(fs::path path) {
    constexpr int kMostLinks = 40;  // as the kernel's own limit, against loops
    std::error_code error;
    for (int i = 0; i < kMostLinks && fs::is_symlink(fs::symlink_status(path, error)); ++i) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

bool isSpecialFile(const fs::file_status& status) {
    return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

// A new file beside `target` under a name nobody uses; `temp` receives its name.
std::FILE* createTemporaryBeside(const fs::path& target, fs::path& temp) {
    constexpr int kAttempts = 100;
    std::random_device random;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temp = target;
        // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict, a false positive) on
        // "." + std::string.
        temp += ".";
        temp += std::to_string(random());
        temp += ".tmp";
        if (std::FILE* file = createNewFile(temp)) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

std::optional<std::string> writeInPlace(const fs::path& target, const ContentWriter& write) {
    std::FILE* file = openFile(target, "wb");
    if (file == nullptr) return systemErrorText(errno);
    if (const int error = writeAndClose(file, write, false); error != 0) {
        return systemErrorText(error);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> replaceFile(const std::string& path, const ContentWriter& write) {
    const fs::path target = linkTarget(nativePath(path));
    std::error_code ignored;
    const fs::file_status old = fs::status(target, ignored);
    if (fs::is_directory(old)) return systemErrorText(EISDIR);
    if (isReadOnlyFile(target)) return "the file is read-only";
    if (isSpecialFile(old)) return writeInPlace(target, write);

    fs::path temp;
    std::FILE* file = createTemporaryBeside(target, temp);
    if (file == nullptr) return systemErrorText(errno);
    if (const int error = writeAndClose(file, write, true); error != 0) {
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

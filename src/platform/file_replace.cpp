// SPDX-License-Identifier: MIT
#include "platform/file_replace.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/file_access.h"
#include "platform/in_place_rewrite.h"
#include "platform/read_only.h"
#include "platform/replacement_file.h"

namespace nickbridge::platform {

namespace fs = std::filesystem;

namespace {

// The errno of the first failure, 0 when the content was written and pushed out of the stream.
int writeContent(std::FILE* file, const ContentWriter& write) {
    errno = 0;
    if (!write(file) || std::fflush(file) != 0) return errno != 0 ? errno : EIO;
    return 0;
}

// The file a chain of symbolic links ends at, existing or not. A loop ends at a link, which the
// caller's status check then reports as the system does.
fs::path linkTarget(fs::path path) {
    constexpr int kMostLinks = 40;  // as the kernel's own limit
    std::error_code error;
    for (int i = 0; i < kMostLinks && fs::is_symlink(fs::symlink_status(path, error)); ++i) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// The folder answers who may create files in it, not who may change this one.
bool folderRefusesNewFiles(int error) { return error == EACCES || error == EPERM; }

// A device or pipe, which cannot be renamed over and keeps no content to lose, is written
// directly.
std::optional<std::string> writeToDevice(const fs::path& target, const ContentWriter& write) {
    std::FILE* file = rewriteExistingFile(target);
    if (file == nullptr) return systemErrorText(errno);
    int error = writeContent(file, write);
    if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error != 0) return systemErrorText(error);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> replaceFile(const std::string& path, const ContentWriter& write) {
    const fs::path target = linkTarget(nativePath(path));
    std::error_code statusError;
    const fs::file_status old = fs::status(target, statusError);
    if (statusError && statusError != std::errc::no_such_file_or_directory) {
        return statusError.message();
    }
    if (fs::is_directory(old)) return systemErrorText(EISDIR);
    const bool exists = fs::exists(old);
    if (exists) {
        if (isReadOnlyFile(target)) return "the file is read-only";
        if (const int refusal = writeRefusal(target)) return systemErrorText(refusal);
        if (!fs::is_regular_file(old)) return writeToDevice(target, write);
    }

    const auto replacement = ReplacementFile::create(target);
    if (!replacement) {
        const int error = errno;
        if (exists && folderRefusesNewFiles(error)) return rewriteInPlace(target, write);
        return systemErrorText(error);
    }
    if (const int error = writeContent(replacement->stream(), write)) {
        return systemErrorText(error);
    }
    return replacement->commit();
}

std::optional<std::string> replaceFileContents(const std::string& path, std::string_view content) {
    return replaceFile(path, [content](std::FILE* file) {
        return std::fwrite(content.data(), 1, content.size(), file) == content.size();
    });
}

}  // namespace nickbridge::platform

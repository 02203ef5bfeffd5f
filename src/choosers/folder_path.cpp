// SPDX-License-Identifier: MIT
#include "choosers/folder_path.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "choosers/list_refusal.h"
#include "platform/file_access.h"
#include "platform/path_bytes.h"

namespace nickbridge::choosers {

namespace {

// Longer than any path a system opens (4 KiB on Linux, 32,767 UTF-16 units on Windows): refused
// before the path is copied and taken apart, which for a line of megabytes in the settings file
// took seconds.
constexpr std::size_t kLongestOpenablePath = std::size_t{128} * 1024;
// How much of such a path a refusal shows.
constexpr std::size_t kShownOfTooLongPath = 200;

}  // namespace

std::string folderNamedBy(std::string_view text, const platform::Drives& drives) {
    if (text.empty()) throw noFolderGiven();
    if (text.size() > kLongestOpenablePath) {
        throw cannotOpenFolder(std::string(text.substr(0, kShownOfTooLongPath)) + "...",
                               platform::systemErrorText(ENAMETOOLONG));
    }
    const std::vector<platform::Drive> list =
        platform::mayDesignateDrive(text) ? drives.list() : std::vector<platform::Drive>();
    if (const auto drive = platform::driveDesignatedBy(text, list)) {
        try {
            return drives.currentFolder(list[*drive]);
        } catch (const std::system_error& error) {
            throw driveNotReady(list[*drive].designation, error.code().message());
        }
    }
    std::error_code error;
    std::filesystem::path folder =
        std::filesystem::absolute(platform::nativePath(std::string(text)), error);
    if (error) throw cannotOpenFolder(std::string(text), error.message());
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder != folder.root_path()) folder = folder.parent_path();
    return platform::pathBytes(folder);
}

std::string startingFolder() {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::string() : platform::pathBytes(here);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == platform::nativeSeparator()) return folder + name;
    return folder + platform::nativeSeparator() + name;
}

}  // namespace nickbridge::choosers

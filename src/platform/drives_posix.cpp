// SPDX-License-Identifier: MIT
// Drives where there are no drive letters: "/" and the volumes a user keeps files on.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/drives.h"
#include "platform/mount_table.h"

namespace nickbridge::platform {
namespace {

std::string designationFor(const std::string& mountPoint) {
    if (mountPoint == "/") return "/ [root]";
    const std::string name = std::filesystem::path(mountPoint).filename().native();
    return mountPoint + " [" + name + "]";
}

class PosixDrives final : public Drives {
public:
    std::vector<Drive> list() const override {
        std::vector<Drive> drives{{designationFor("/"), "/"}};
        std::ifstream mounts("/proc/self/mounts");
        std::ostringstream table;
        table << mounts.rdbuf();
        const char* home = std::getenv("HOME");
        for (const MountedVolume& volume : parseMountTable(table.str())) {
            if (!isUserVolume(volume, home != nullptr ? home : "")) continue;
            Drive drive{designationFor(volume.mountPoint), volume.mountPoint};
            // A volume mounted twice on one place is listed once.
            if (std::find(drives.begin(), drives.end(), drive) == drives.end()) {
                drives.push_back(std::move(drive));
            }
        }
        return drives;
    }

    std::string currentFolder(const Drive& drive) const override {
        std::error_code error;
        if (!std::filesystem::is_directory(drive.root, error)) {
            throw std::system_error(error ? error : std::make_error_code(std::errc::no_such_device),
                                    drive.root);
        }
        const std::vector<Drive> drives = list();
        // An unmounted stick leaves its empty mount folder behind: the drive itself is gone.
        const bool listed = std::any_of(drives.begin(), drives.end(),
                                        [&](const Drive& d) { return d.root == drive.root; });
        if (!listed) {
            throw std::system_error(std::make_error_code(std::errc::no_such_device), drive.root);
        }
        std::string here = std::filesystem::current_path().native();
        const auto holding = driveHolding(here, drives);
        if (holding && drives[*holding].root == drive.root) return here;
        return drive.root;
    }
};

}  // namespace

const Drives& systemDrives() {
    static const PosixDrives drives;
    return drives;
}

std::optional<std::size_t> driveNamedBy(std::string_view text, const std::vector<Drive>& drives) {
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (text == drives[i].designation || text == drives[i].root) return i;
    }
    return std::nullopt;
}

bool mayDesignateDrive(std::string_view text) { return !text.empty() && text.back() == ']'; }

std::optional<std::size_t> driveDesignatedBy(std::string_view text,
                                             const std::vector<Drive>& drives) {
    if (!mayDesignateDrive(text)) return std::nullopt;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (text == drives[i].designation) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> driveHolding(std::string_view folder, const std::vector<Drive>& drives) {
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        std::string_view root = drives[i].root;
        const bool holds =
            folder == root ||
            (folder.substr(0, root.size()) == root &&
             (root.back() == '/' || (folder.size() > root.size() && folder[root.size()] == '/')));
        if (holds && (!best || root.size() > drives[*best].root.size())) best = i;
    }
    return best;
}

}  // namespace nickbridge::platform

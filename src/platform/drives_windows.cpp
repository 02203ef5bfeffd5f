// SPDX-License-Identifier: MIT
// Drives as Windows has them: the logical drives, each with its own current folder.
#include <windows.h>

#include <cctype>
#include <system_error>

#include "platform/drives.h"
#include "platform/file_access.h"
#include "platform/path_bytes.h"

namespace nickbridge::platform {
namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// "c: [SYSTEM]", or "c:" for a drive without a label, as the system's own drive lists show it.
std::string designationFor(char letter, const std::string& root) {
    std::string designation{lower(letter), ':'};
    // Removable drives are not asked for a label: an empty floppy or card reader would be
    // touched at every listing.
    if (GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE) return designation;
    char label[MAX_PATH + 1] = {};
    if (GetVolumeInformationA(root.c_str(), label, static_cast<DWORD>(sizeof label), nullptr,
                              nullptr, nullptr, nullptr, 0) &&
        label[0] != '\0') {
        designation += " [";
        designation += label;
        designation += ']';
    }
    return designation;
}

class WindowsDrives final : public Drives {
public:
    WindowsDrives() {
        // A drive without its medium must answer "not ready", not ask the user to insert one.
        SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    }

    std::vector<Drive> list() const override {
        std::vector<Drive> drives;
        const DWORD present = GetLogicalDrives();
        for (int i = 0; i < 26; ++i) {
            if ((present & (DWORD{1} << i)) == 0) continue;
            const char letter = static_cast<char>('A' + i);
            const std::string root{letter, ':', '\\'};
            drives.push_back({designationFor(letter, root), root});
        }
        return drives;
    }

    std::string currentFolder(const Drive& drive) const override {
        ULARGE_INTEGER ignored;
        if (!GetDiskFreeSpaceExA(drive.root.c_str(), &ignored, nullptr, nullptr)) {
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                    drive.root);
        }
        // "x:" alone names the drive's current folder, which Windows keeps for each drive.
        const std::string bare = drive.root.substr(0, 2);
        char folder[MAX_PATH + 1] = {};
        const DWORD length =
            GetFullPathNameA(bare.c_str(), static_cast<DWORD>(sizeof folder), folder, nullptr);
        if (length == 0 || length > MAX_PATH) return drive.root;
        std::string current(folder, length);
        // Only a root ends in a separator (Wine adds one to the others).
        if (current.size() > drive.root.size() && current.back() == '\\') current.pop_back();
        return current;
    }

    // A drive letter's root: the drive list is not read, which would ask every drive its label.
    std::string rootHolding(const std::string& folder) const override {
        return pathBytes(nativePath(folder).root_path());
    }
};

}  // namespace

const Drives& systemDrives() {
    static const WindowsDrives drives;
    return drives;
}

std::optional<std::size_t> driveNamedBy(std::string_view text, const std::vector<Drive>& drives) {
    if (text.empty()) return std::nullopt;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (lower(drives[i].root[0]) == lower(text[0])) return i;
    }
    return std::nullopt;
}

bool mayDesignateDrive(std::string_view text) {
    return text.size() >= 2 && text[1] == ':' && (text.size() == 2 || text[2] == ' ');
}

std::optional<std::size_t> driveDesignatedBy(std::string_view text,
                                             const std::vector<Drive>& drives) {
    if (!mayDesignateDrive(text)) return std::nullopt;
    return driveNamedBy(text, drives);
}

std::optional<std::size_t> driveHolding(std::string_view folder, const std::vector<Drive>& drives) {
    if (folder.size() < 2 || folder[1] != ':') return std::nullopt;
    return driveNamedBy(folder, drives);
}

}  // namespace nickbridge::platform

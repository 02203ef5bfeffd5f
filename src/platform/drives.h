// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nickbridge::platform {

// One entry of a chooser's drive list. Texts are bytes in the 8-bit code page.
struct Drive {
    // What the drive list shows and reports: "c: [SYSTEM]" on Windows, "/ [root]" or
    // "/media/alice/USB [USB]" elsewhere. It never equals a folder path, so a folder list can tell
    // a drive designation from a folder.
    std::string designation;
    // The drive's root folder: "C:\", "/", "/media/alice/USB".
    std::string root;

    bool operator==(const Drive&) const = default;
};

// The machine's drives, behind an interface so that tests can offer drives that are not ready.
class Drives {
public:
    virtual ~Drives() = default;
    // Windows: the logical drives in letter order. Elsewhere: "/" first, then the mounted volumes
    // a user keeps files on.
    virtual std::vector<Drive> list() const = 0;
    // The folder a bare drive designation stands for: Windows keeps one current folder per drive;
    // elsewhere it is the process's current folder when that lies on the drive, else its root.
    // Throws std::system_error when the drive is not ready or no longer there.
    virtual std::string currentFolder(const Drive& drive) const = 0;
    // The root of the drive that holds `folder`, where its folder list starts: a mounted volume's
    // own folder, not the root of the whole tree above it; the path's own root when no listed
    // drive holds it.
    virtual std::string rootHolding(const std::string& folder) const;
};

// The drives of this machine.
const Drives& systemDrives();

// The drive a text selects, if any: on Windows any text that begins with a drive's letter;
// elsewhere the designation itself or the drive's root folder.
std::optional<std::size_t> driveNamedBy(std::string_view text, const std::vector<Drive>& drives);

// Whether a text has the form of a bare drive designation, decided without listing the drives
// (which on Windows asks every drive for its label).
bool mayDesignateDrive(std::string_view text);

// The drive a folder list takes for a bare drive designation instead of a folder: on Windows
// "x:" alone or followed by a blank (its label); elsewhere a designation exactly.
std::optional<std::size_t> driveDesignatedBy(std::string_view text,
                                             const std::vector<Drive>& drives);

// The drive whose root holds `folder` (the longest matching root), if any.
std::optional<std::size_t> driveHolding(std::string_view folder, const std::vector<Drive>& drives);

}  // namespace nickbridge::platform

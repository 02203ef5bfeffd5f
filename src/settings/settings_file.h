// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "selection/field_selection.h"

namespace nickbridge {

inline constexpr const char* kSettingsFileName = "nbr.ini";

// Why a save leaves alone a link named nbr.ini that another user placed where others may write.
inline constexpr std::string_view kPlantedLinkReason =
    "it is a symbolic link that another user placed in a folder others may write to; the file it "
    "points at is left untouched";

// Everything saveSettings writes, in the fifteen lines' order.
struct SettingsValues {
    std::string sourcePath;            // line 1
    std::string outputPath;            // line 2
    std::string sourceFileListFolder;  // line 3
    std::string sourceFolder;          // line 4
    std::string sourceDrive;           // line 5
    std::string outputFolder;          // line 6
    std::string outputDrive;           // line 7
    FieldSelection boxes;              // lines 8-15, in kBoxOrder
};

// What a restore read. An empty optional (line missing, file unreadable, or a box line that is
// not 0, 1 or 2) leaves its target as it is.
struct RestoredValues {
    std::optional<std::string> sourcePath;
    std::optional<std::string> outputPath;
    std::optional<std::string> sourceFileListFolder;
    std::optional<std::string> sourceFolder;
    std::optional<std::string> sourceDrive;
    std::optional<std::string> outputFolder;
    std::optional<std::string> outputDrive;
    std::array<std::optional<BoxState>, kBoxOrder.size()> boxes;  // in kBoxOrder

    bool operator==(const RestoredValues&) const = default;
};

struct SaveResult {
    bool ok = true;
    std::string reason;  // why the save failed
};

// Lines 1 to 15 of settings text; a line that is missing, or a box line that is not 0, 1 or 2,
// gives no value.
RestoredValues readSettings(std::istream& in);

// The fifteen lines a save writes; nothing when a value holds a line break, which would shift
// every later value to another line.
std::optional<std::string> settingsText(const SettingsValues& values);

// nbr.ini: fifteen bare value lines, no header or keys. A relative path is resolved against the
// current folder at each access, so runs started from different folders keep their own settings.
class SettingsFile {
public:
    explicit SettingsFile(std::string path = kSettingsFileName);

    // A symbolic link named nbr.ini that another user placed in a folder others may write to is
    // never followed: the start appends nothing through it, a restore reads nothing through it
    // and a save fails with kPlantedLinkReason.

    // Appends the 37-line default block (2 empty lines, 5 "c", 30 "1"); failures are ignored.
    void appendDefaultBlock() const;
    // Reads lines 1 to 15; never fails, never writes.
    RestoredValues read() const;
    // Replaces the file with exactly fifteen lines, atomically; a read-only file is not replaced.
    SaveResult save(const SettingsValues& values) const;

private:
    std::string path_;
};

// `Cannot save the settings file "nbr.ini": REASON`
std::string cannotSaveSettings(const std::string& reason);

}  // namespace nickbridge

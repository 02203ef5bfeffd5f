// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include <array>
#include <fstream>
#include <utility>
#include <vector>

#include "platform/file_access.h"
#include "platform/file_replace.h"
#include "platform/planted_link.h"
#include "platform/read_only.h"
#include "settings/settings_lines.h"

namespace nickbridge {

namespace {

// Lines 1 to 7 in file order (lines 8 to 15 follow kBoxOrder); read and save share them.
constexpr std::array kTextLines = {
    &SettingsValues::sourcePath,           &SettingsValues::outputPath,
    &SettingsValues::sourceFileListFolder, &SettingsValues::sourceFolder,
    &SettingsValues::sourceDrive,          &SettingsValues::outputFolder,
    &SettingsValues::outputDrive,
};
constexpr std::array kRestoredTextLines = {
    &RestoredValues::sourcePath,           &RestoredValues::outputPath,
    &RestoredValues::sourceFileListFolder, &RestoredValues::sourceFolder,
    &RestoredValues::sourceDrive,          &RestoredValues::outputFolder,
    &RestoredValues::outputDrive,
};
static_assert(kTextLines.size() + kBoxOrder.size() == settings_lines::kValueLineCount);
static_assert(kRestoredTextLines.size() == kTextLines.size());

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

void SettingsFile::appendDefaultBlock() const {
    // Root could append to a read-only file; the user made it read-only to keep it as it is.
    const auto file = platform::nativePath(path_);
    if (platform::isReadOnlyFile(file) || platform::isPlantedLink(file)) {
        return;
    }
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << settings_lines::defaultBlock();
}

RestoredValues readSettings(std::istream& in) {
    RestoredValues restored;
    std::vector<std::string> lines;
    try {
        lines = settings_lines::readLines(in, settings_lines::kValueLineCount);
    } catch (const std::ios_base::failure&) {
        // A folder in the file's place opens but cannot be read: every value is missing.
        return restored;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < kRestoredTextLines.size()) {
            restored.*kRestoredTextLines[i] =
                std::string(settings_lines::skipLeadingBlanks(lines[i]));
        } else {
            restored.boxes[i - kRestoredTextLines.size()] = settings_lines::parseBoxState(lines[i]);
        }
    }
    return restored;
}

std::optional<std::string> settingsText(const SettingsValues& values) {
    std::string text;
    for (const auto line : kTextLines) {
        const std::string& value = values.*line;
        if (value.find_first_of(kLineEnd) != std::string::npos) {
            return std::nullopt;
        }
        text += value;
        text += kLineEnd;
    }
    for (const auto box : kBoxOrder) {
        text += settings_lines::printBoxState(values.boxes.*box);
        text += kLineEnd;
    }
    return text;
}

RestoredValues SettingsFile::read() const {
    const auto file = platform::nativePath(path_);
    // Values from a file someone else chose are not ours to restore.
    if (platform::isPlantedLink(file)) {
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    return readSettings(in);
}

SaveResult SettingsFile::save(const SettingsValues& values) const {
    const std::optional<std::string> text = settingsText(values);
    if (!text) {
        return {false, "a value holds a line break"};
    }
    if (platform::isPlantedLink(platform::nativePath(path_))) {
        return {false, std::string(kPlantedLinkReason)};
    }
    if (auto failure = platform::replaceFileContents(path_, *text)) {
        return {false, std::move(*failure)};
    }
    return {};
}

std::string cannotSaveSettings(const std::string& reason) {
    return std::string("Cannot save the settings file \"") + kSettingsFileName + "\": " + reason;
}

}  // namespace nickbridge

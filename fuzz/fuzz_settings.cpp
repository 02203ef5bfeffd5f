// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes read as nbr.ini. Besides the sanitizers it checks that at most the
// fifteen value lines are read, each value is its own line and nothing of the next one, and
// whatever was read is saved and read back unchanged.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "settings/settings_file.h"

namespace {

using namespace nickbridge;

using fuzzing::require;

// The first fifteen lines, split here on their own: a line ends at CR LF, CR or LF, and text
// after the last line end is a line.
std::vector<std::string_view> firstLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty() && lines.size() < 15) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

RestoredValues read(const std::string& text) {
    std::istringstream in(text);
    return readSettings(in);
}

// Lines 1 to 7 in file order, as read and as saved.
constexpr std::array kReadText = {
    &RestoredValues::sourcePath,           &RestoredValues::outputPath,
    &RestoredValues::sourceFileListFolder, &RestoredValues::sourceFolder,
    &RestoredValues::sourceDrive,          &RestoredValues::outputFolder,
    &RestoredValues::outputDrive,
};
constexpr std::array kSavedText = {
    &SettingsValues::sourcePath,           &SettingsValues::outputPath,
    &SettingsValues::sourceFileListFolder, &SettingsValues::sourceFolder,
    &SettingsValues::sourceDrive,          &SettingsValues::outputFolder,
    &SettingsValues::outputDrive,
};

std::string_view withoutLeadingBlanks(std::string_view line) {
    const std::size_t start = line.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const RestoredValues restored = read(text);
    const std::vector<std::string_view> lines = firstLines(text);

    constexpr std::size_t kTextLines = kReadText.size();
    SettingsValues resaved;
    for (std::size_t i = 0; i < kTextLines; ++i) {
        const std::optional<std::string>& value = restored.*kReadText[i];
        require(value.has_value() == (i < lines.size()), "a text value read past the lines");
        if (!value) continue;
        require(value->find_first_of("\r\n") == std::string::npos, "a value spans two lines");
        require(*value == withoutLeadingBlanks(lines[i]), "a value is not its own line");
        resaved.*kSavedText[i] = *value;
    }
    std::size_t boxesRead = 0;
    for (std::size_t i = 0; i < restored.boxes.size(); ++i) {
        if (!restored.boxes[i]) continue;
        require(kTextLines + i < lines.size(), "a box value read past the lines");
        ++boxesRead;
        resaved.boxes.*kBoxOrder[i] = *restored.boxes[i];
    }
    require(boxesRead <= lines.size() - std::min(lines.size(), kTextLines),
            "more values than lines");

    // Read values never hold a line break, so a save takes them and gives them back.
    const std::optional<std::string> saved = settingsText(resaved);
    require(saved.has_value(), "a read value is refused by the save");
    const RestoredValues reread = read(*saved);
    for (std::size_t i = 0; i < kTextLines; ++i) {
        if (restored.*kReadText[i]) {
            require(reread.*kReadText[i] == restored.*kReadText[i],
                    "a text value does not survive a save");
        }
    }
    for (std::size_t i = 0; i < restored.boxes.size(); ++i) {
        if (restored.boxes[i]) {
            require(reread.boxes[i] == restored.boxes[i], "a box does not survive a save");
        }
    }
    return 0;
}

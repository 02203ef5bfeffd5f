// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nickbridge {

// The whole test of whether a file is a nickname file: its first line starts with "alia".
bool isNicknameFile(std::string_view fileText);

// Appends one record text per alias line of `fileText`, in file order:
// alias text + "|", then "|" + note text + "^^" for every note line that follows.
// Lines end at CR (an LF right after it belongs to the line end); a lone LF is text.
void appendRecords(std::string_view fileText, std::vector<std::string>& records);

enum class LoadStatus { Loaded, Refused, Unreadable };

struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    std::string reason;  // why the file could not be read, for Unreadable
};

// Reads the nickname file at `sourcePath` (bytes, never re-encoded) and appends its
// records. A refused or unreadable file adds nothing.
LoadResult loadTheStuff(const std::string& sourcePath, std::vector<std::string>& records);

}  // namespace nickbridge

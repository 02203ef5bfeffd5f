// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_content.h"

namespace nickbridge {

// The whole test of whether a file is a nickname file: its first line starts with "alia".
bool isNicknameFile(std::string_view fileText);

// Walks the nicknames of a file in file order: each one's alias line and the note lines after
// it. Lines end at CR (an LF right after it belongs to the line end); a lone LF is text.
class RecordLineReader {
public:
    explicit RecordLineReader(std::string_view fileText) : rest_(fileText) {}

    // Reads the next nickname's lines; false when the file holds no more.
    bool next();
    // The text not read yet: where the next nickname's lines start.
    std::string_view unread() const { return rest_; }
    // False only for notes at the very start of a file that failed the check.
    bool hasAliasLine() const { return hasAliasLine_; }
    // The alias line without "alias" and its separator.
    std::string_view aliasText() const { return aliasText_; }
    // Each note line without "note" and its separator, whichever nickname it names.
    const std::vector<std::string_view>& noteTexts() const { return noteTexts_; }

private:
    std::string_view takeLine();

    std::string_view rest_;
    bool hasAliasLine_ = false;
    std::string_view aliasText_;
    std::vector<std::string_view> noteTexts_;
};

// Walks the records of a nickname file in file order, each built in one reused buffer:
// alias text + "|", then "|" + note text + "^^" for every note line that follows.
class RecordReader {
public:
    explicit RecordReader(std::string_view fileText) : lines_(fileText) {}

    // Builds the next record; false when the file holds no more.
    bool next();
    // The record just built, until the next call; the caller may change it in place.
    std::string& record() { return record_; }

private:
    RecordLineReader lines_;
    std::string record_;
};

enum class LoadStatus { Loaded, Refused, Unreadable };

struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    std::string reason;  // why the file could not be read, for Unreadable
};

// A nickname file, checked and held whole for one conversion (bytes, never re-encoded). Only the
// first four bytes of a refused file are read.
class NicknameFile {
public:
    LoadResult open(const std::string& sourcePath);
    // The same from a stream that is already open, such as standard input.
    LoadResult read(std::FILE* stream);

    std::string_view text() const { return content_.bytes(); }

private:
    platform::FileContent content_;
};

}  // namespace nickbridge

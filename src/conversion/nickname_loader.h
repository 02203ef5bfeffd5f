// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/file_content.h"

namespace nickbridge {

// The whole test of whether a file is a nickname file: its first line starts with "alia".
bool isNicknameFile(std::string_view fileText);

// Walks the records of a nickname file in file order, each built in one reused buffer:
// alias text + "|", then "|" + note text + "^^" for every note line that follows.
// Lines end at CR (an LF right after it belongs to the line end); a lone LF is text.
class RecordReader {
public:
    explicit RecordReader(std::string_view fileText) : rest_(fileText) {}

    // Builds the next record; false when the file holds no more.
    bool next();
    // The record just built, until the next call; the caller may change it in place.
    std::string& record() { return record_; }

private:
    std::string_view takeLine();
    void addNote(std::string_view line);

    std::string_view rest_;
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

// SPDX-License-Identifier: MIT
#include "nickname_loader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>

#include "platform/file_access.h"

namespace nickbridge {
namespace {

constexpr std::string_view kAliasMark = "alia";
constexpr std::string_view kNoteMark = "note";
// An alias line loses "alias" and its separator, a note line "note" and its separator.
constexpr std::size_t kAliasPrefixLength = 6;
constexpr std::size_t kNotePrefixLength = 5;

std::string_view textAfter(std::string_view line, std::size_t prefixLength) {
    return line.size() > prefixLength ? line.substr(prefixLength) : std::string_view{};
}

// Calls onLine for every line. A line ends at CR; an LF right after the CR belongs to that line
// end, while a lone LF is part of the text. The last line may lack a line end.
template <typename OnLine>
void forEachLine(std::string_view text, OnLine&& onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t cr = text.find('\r', start);
        if (cr == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, cr - start));
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
}

// Appends to `text` until it holds `limit` bytes or the file ends; the errno of a read failure,
// else 0.
int readUpTo(std::FILE* file, std::string& text, std::size_t limit) {
    char buffer[1 << 16];
    errno = 0;
    while (text.size() < limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit - text.size());
        const std::size_t got = std::fread(buffer, 1, wanted, file);
        text.append(buffer, got);
        if (got < wanted) break;
    }
    return std::ferror(file) ? (errno != 0 ? errno : EIO) : 0;
}

}  // namespace

bool isNicknameFile(std::string_view fileText) { return fileText.starts_with(kAliasMark); }

void appendRecords(std::string_view fileText, std::vector<std::string>& records) {
    forEachLine(fileText, [&records](std::string_view line) {
        if (line.starts_with(kNoteMark)) {
            // A note belongs to the last record read, whichever nickname it names.
            if (records.empty()) records.emplace_back();
            std::string& last = records.back();
            last += '|';
            last += textAfter(line, kNotePrefixLength);
            last += "^^";
        } else {
            std::string& record = records.emplace_back(textAfter(line, kAliasPrefixLength));
            record += '|';
        }
    });
}

LoadResult loadTheStuff(const std::string& sourcePath, std::vector<std::string>& records) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        platform::openFile(platform::nativePath(sourcePath), "rb"), &std::fclose);
    if (!file) return {LoadStatus::Unreadable, platform::systemErrorText(errno)};

    const std::size_t kept = records.size();
    try {
        // The first line is checked before the rest is read, so a large file picked by mistake
        // is refused at once.
        std::string text;
        int error = readUpTo(file.get(), text, kAliasMark.size());
        if (error == 0 && !isNicknameFile(text)) return {LoadStatus::Refused, {}};
        if (error == 0) error = readUpTo(file.get(), text, std::string::npos);
        if (error != 0) return {LoadStatus::Unreadable, platform::systemErrorText(error)};
        appendRecords(text, records);
        return {};
    } catch (const std::bad_alloc&) {
        records.resize(kept);
        return {LoadStatus::Unreadable, platform::systemErrorText(ENOMEM)};
    }
}

}  // namespace nickbridge

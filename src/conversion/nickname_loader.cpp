#include "nickname_loader.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "platform/path_conventions.h"

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

std::string errnoText(int error) { return std::generic_category().message(error); }

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
    std::FILE* file = platform::openFile(platform::nativePath(sourcePath), "rb");
    if (file == nullptr) return {LoadStatus::Unreadable, errnoText(errno)};

    std::string text;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    const int readError = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (readError != 0) return {LoadStatus::Unreadable, errnoText(readError)};

    if (!isNicknameFile(text)) return {LoadStatus::Refused, {}};
    appendRecords(text, records);
    return {};
}

}  // namespace nickbridge

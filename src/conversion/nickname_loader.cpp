// SPDX-License-Identifier: MIT
#include "nickname_loader.h"

#include <cerrno>
#include <memory>
#include <new>

#include "messages.h"
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

LoadResult unreadable(int error) {
    if (error == platform::kChangedWhileRead) {
        return {LoadStatus::Unreadable, std::string(messages::kSourceChanged)};
    }
    return {LoadStatus::Unreadable, platform::systemErrorText(error)};
}

}  // namespace

bool isNicknameFile(std::string_view fileText) { return fileText.starts_with(kAliasMark); }

std::string_view RecordLineReader::takeLine() {
    const std::size_t cr = rest_.find('\r');
    const std::string_view line = rest_.substr(0, cr);
    std::size_t next = cr == std::string_view::npos ? rest_.size() : cr + 1;
    if (next < rest_.size() && rest_[next] == '\n') ++next;
    rest_.remove_prefix(next);
    return line;
}

bool RecordLineReader::next() {
    if (rest_.empty()) return false;
    noteTexts_.clear();
    // Only a file that failed the check can start with a note: it gets a record of its own.
    hasAliasLine_ = !rest_.starts_with(kNoteMark);
    aliasText_ = hasAliasLine_ ? textAfter(takeLine(), kAliasPrefixLength) : std::string_view{};
    // A note belongs to the last record read, whichever nickname it names.
    while (rest_.starts_with(kNoteMark)) {
        noteTexts_.push_back(textAfter(takeLine(), kNotePrefixLength));
    }
    return true;
}

bool RecordReader::next() {
    if (!lines_.next()) return false;
    record_.clear();
    if (lines_.hasAliasLine()) {
        record_ += lines_.aliasText();
        record_ += '|';
    }
    for (const std::string_view note : lines_.noteTexts()) {
        record_ += '|';
        record_ += note;
        record_ += "^^";
    }
    return true;
}

LoadResult NicknameFile::open(const std::string& sourcePath) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        platform::openFile(platform::nativePath(sourcePath), "rb"), &std::fclose);
    if (!file) return unreadable(errno);
    return read(file.get());
}

LoadResult NicknameFile::read(std::FILE* stream) {
    try {
        // The first line is checked before the rest is read, so a large file picked by mistake
        // is refused at once.
        char head[kAliasMark.size()];
        errno = 0;
        const std::size_t got = std::fread(head, 1, sizeof head, stream);
        if (std::ferror(stream)) return unreadable(errno != 0 ? errno : EIO);
        if (!isNicknameFile({head, got})) return {LoadStatus::Refused, {}};
        if (const int error = content_.load(stream, {head, got}); error != 0) {
            return unreadable(error);
        }
        return {};
    } catch (const std::bad_alloc&) {
        return unreadable(ENOMEM);
    }
}

}  // namespace nickbridge

// SPDX-License-Identifier: MIT
#include "field_extraction.h"

#include <array>
#include <cstring>

namespace nickbridge {
namespace {

constexpr auto npos = std::string_view::npos;

// The position of the last `c` before `end`, or npos.
std::size_t lastBefore(std::string_view text, char c, std::size_t end) {
#if defined(__GLIBC__)
    if (end == 0) return npos;  // an empty view may have no data at all
    const void* found = ::memrchr(text.data(), c, end);
    return found == nullptr
               ? npos
               : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
#else
    while (end > 0) {
        if (text[--end] == c) return end;
    }
    return npos;
#endif
}

// A set of bytes looked up in one step, for the scans that stop at any of several markers.
class ByteSet {
public:
    constexpr explicit ByteSet(std::string_view bytes) {
        for (const char c : bytes) members_[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool has(char c) const { return members_[static_cast<unsigned char>(c)]; }

    // The position of the last member before `end`, or npos.
    std::size_t lastBefore(std::string_view text, std::size_t end) const {
        while (end > 0) {
            if (has(text[--end])) return end;
        }
        return npos;
    }
    // The position of the first member from `start` on, or npos.
    std::size_t firstFrom(std::string_view text, std::size_t start) const {
        for (; start < text.size(); ++start) {
            if (has(text[start])) return start;
        }
        return npos;
    }

private:
    std::array<bool, 256> members_{};
};

struct Tag {
    std::string_view word;  // "<", the keyword and ":"; the value starts right after it
    std::string_view FieldViews::*field;
    bool notesOnly;
};

constexpr std::array<Tag, 4> kTags{{
    {"<name:", &FieldViews::fullName, true},
    {"<phone:", &FieldViews::phone, false},
    {"<address:", &FieldViews::address, false},
    {"<fax:", &FieldViews::fax, false},
}};

// Whether `text` starts with the tag word `word`. The words differ in their second byte, which
// rules out all but one of them before any comparison.
bool startsWithTag(std::string_view text, std::string_view word) {
    return text.size() > 1 && text[1] == word[1] && text.starts_with(word);
}

// A tag's value runs to the first ">" after it, and the last tag of a word that has a ">" after it
// wins: so the winners are the last tags that end before the record's last ">". One walk back over
// the "<" before that ">" finds all of them, each "<" looked at once. A name tag counts only in the
// note part, which starts at `noteStart` (npos: no note part).
void readTags(std::string_view blob, std::size_t noteStart, FieldViews& fields) {
    const std::size_t lastClose = lastBefore(blob, '>', blob.size());
    if (lastClose == npos) return;
    std::array<bool, kTags.size()> done{};
    std::size_t missing = kTags.size();
    for (std::size_t open = lastClose; missing > 0;) {
        open = lastBefore(blob, '<', open);
        if (open == npos) break;
        const std::string_view beforeClose = blob.substr(open, lastClose - open);
        for (std::size_t i = 0; i < kTags.size(); ++i) {
            if (done[i]) continue;
            // Every "<" from here on lies before the note part too.
            const bool outOfReach = kTags[i].notesOnly && open < noteStart;
            if (!outOfReach && !startsWithTag(beforeClose, kTags[i].word)) continue;
            if (!outOfReach) {
                const std::size_t valueStart = open + kTags[i].word.size();
                fields.*kTags[i].field =
                    blob.substr(valueStart, blob.find('>', valueStart) - valueStart);
            }
            done[i] = true;
            --missing;
        }
    }
}

constexpr ByteSet kDomainEnd(",>| ");
constexpr ByteSet kLocalStart(",< |:");

// The last "@" followed somewhere by one of ", > | space" gives the address: its domain runs to
// that character, its local part back to the nearest ", < space | :". An "@" has such a character
// after it exactly when it lies before the text's last one, so no scan restarts per "@".
std::string_view emailAddress(std::string_view blob) {
    const std::size_t lastEnd = kDomainEnd.lastBefore(blob, blob.size());
    if (lastEnd == npos) return {};
    const std::size_t at = lastBefore(blob, '@', lastEnd);
    if (at == npos) return {};
    const std::size_t start = kLocalStart.lastBefore(blob, at);
    if (start == npos) return {};
    // Both ends stop at a space, so the address never needs trimming.
    return blob.substr(start + 1, kDomainEnd.firstFrom(blob, at) - start - 1);
}

// Free notes: what follows the last ">" of a record with notes, up to its final "^^",
// unless the notes end in a tag.
std::string_view notesText(std::string_view blob) {
    if (!blob.ends_with("^^") || blob.size() < 3) return {};
    const std::size_t last = blob.size() - 3;
    if (blob[last] == '>') return {};
    const std::size_t close = lastBefore(blob, '>', last);
    if (close == npos) return {};
    return blob.substr(close + 1, last - close);
}

}  // namespace

std::string_view nameWithoutNotes(std::string_view blob) {
    if (const std::size_t open = blob.find('"'); open != npos) {
        if (const std::size_t close = blob.find('"', open + 1); close != npos) {
            return blob.substr(open + 1, close - open - 1);
        }
    }
    const std::size_t space = blob.find(' ');
    return space == npos ? std::string_view{} : blob.substr(0, space + 1);
}

NameParts splitFullName(std::string_view name) {
    const std::size_t space = name.find(' ');
    if (space == npos) return {name, {}};
    return {name.substr(0, space), name.substr(space + 1)};
}

void spaceOutLineBreakMarks(std::string& recordText) {
    char* const begin = recordText.data();
    const std::size_t size = recordText.size();
    for (char* p = begin;
         (p = static_cast<char*>(
              std::memchr(p, '\x03', size - static_cast<std::size_t>(p - begin)))) != nullptr;) {
        *p = ' ';
    }
}

FieldViews extractFieldViews(std::string_view blob) {
    FieldViews fields;
    const std::size_t bars = blob.find("||");
    const bool hasNotes = bars != npos && bars + 2 < blob.size();

    if (!hasNotes) fields.fullName = nameWithoutNotes(blob);
    readTags(blob, hasNotes ? bars + 2 : npos, fields);
    const NameParts parts = splitFullName(fields.fullName);
    fields.firstName = parts.first;
    fields.lastName = parts.last;
    fields.email = emailAddress(blob);
    fields.notes = notesText(blob);
    return fields;
}

FieldSet extractFields(std::string_view recordText) {
    std::string cleaned(recordText);
    spaceOutLineBreakMarks(cleaned);
    return convertFieldSet<std::string>(extractFieldViews(cleaned));
}

}  // namespace nickbridge

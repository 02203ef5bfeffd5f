// SPDX-License-Identifier: MIT
#include "field_extraction.h"

#include <algorithm>
#include <string>

namespace nickbridge {
namespace {

constexpr auto npos = std::string_view::npos;

// A tag is "<word:" and its value runs to the first ">" after it. The last tag that has a ">"
// after it wins, so it is the last tag that starts before the text's last ">": found with one
// backward search instead of a forward scan from every "<".
std::string tagValue(std::string_view text, std::string_view tag) {
    const std::size_t lastClose = text.rfind('>');
    if (lastClose == npos || lastClose < tag.size()) return {};
    const std::size_t open = text.rfind(tag, lastClose - tag.size());
    if (open == npos) return {};
    const std::size_t valueStart = open + tag.size();
    const std::size_t close = text.find('>', valueStart);
    return std::string(text.substr(valueStart, close - valueStart));
}

// Without notes the full name is the first quoted text, else everything up to and including
// the first space (a nickname and its separator).
std::string nameWithoutNotes(std::string_view blob) {
    if (const std::size_t open = blob.find('"'); open != npos) {
        if (const std::size_t close = blob.find('"', open + 1); close != npos) {
            return std::string(blob.substr(open + 1, close - open - 1));
        }
    }
    const std::size_t space = blob.find(' ');
    return space == npos ? std::string{} : std::string(blob.substr(0, space + 1));
}

// The last "@" followed somewhere by one of ", > | space" gives the address: its domain runs to
// that character, its local part back to the nearest ", < space | :". An "@" has such a character
// after it exactly when it lies before the text's last one, so no scan restarts per "@".
std::string emailAddress(std::string_view blob) {
    constexpr std::string_view domainEnd = ",>| ";
    constexpr std::string_view localStart = ",< |:";
    const std::size_t lastEnd = blob.find_last_of(domainEnd);
    if (lastEnd == npos) return {};
    const std::size_t at = blob.rfind('@', lastEnd);
    if (at == npos) return {};
    const std::size_t end = blob.find_first_of(domainEnd, at);
    const std::size_t start = blob.find_last_of(localStart, at);
    if (start == npos) return {};
    // Both ends stop at a space, so the address never needs trimming.
    std::string address(blob.substr(start + 1, at - start - 1));
    address += blob.substr(at, end - at);
    return address;
}

// Free notes: what follows the last ">" of a record with notes, up to its final "^^",
// unless the notes end in a tag.
std::string notesText(std::string_view blob) {
    if (!blob.ends_with("^^") || blob.size() < 3) return {};
    const std::size_t last = blob.size() - 3;
    if (blob[last] == '>') return {};
    const std::size_t close = blob.rfind('>', last);
    if (close == npos) return {};
    return std::string(blob.substr(close + 1, last - close));
}

}  // namespace

FieldSet extractFields(std::string_view recordText) {
    FieldSet fields;
    std::string cleaned(recordText);
    std::replace(cleaned.begin(), cleaned.end(), '\x03', ' ');
    const std::string_view blob = cleaned;

    const std::size_t bars = blob.find("||");
    const std::string_view notePart = bars == npos ? std::string_view{} : blob.substr(bars + 2);

    fields.username = notePart.empty() ? nameWithoutNotes(blob) : tagValue(notePart, "<name:");
    const std::string_view name = fields.username;
    if (const std::size_t space = name.find(' '); space == npos) {
        fields.firstname = fields.username;
    } else {
        fields.firstname = name.substr(0, space);
        fields.lastname = name.substr(space + 1);
    }

    fields.emailAddr = emailAddress(blob);
    fields.phone = tagValue(blob, "<phone:");
    fields.address = tagValue(blob, "<address:");
    fields.FAX = tagValue(blob, "<fax:");
    fields.NOTE = notesText(blob);
    return fields;
}

}  // namespace nickbridge

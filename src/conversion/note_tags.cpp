// SPDX-License-Identifier: MIT
#include "note_tags.h"

#include <algorithm>
#include <cstdint>

namespace nickbridge {
namespace {

constexpr auto npos = std::string_view::npos;

constexpr std::array<std::string_view, kNoteTagCount> kTagWords{
    "name",    "first",    "last",       "phone",    "phone2",     "fax",      "fax2",
    "mobile",  "mobile2",  "otherphone", "address",  "city",       "state",    "zip",
    "country", "address2", "city2",      "state2",   "zip2",       "country2", "title",
    "company", "web",      "web2",       "otherweb", "otheremail",
};
constexpr std::size_t kLongestWord = 10;

// A word of up to ten characters as two numbers, a byte each, zeros after its end (a word holds
// no zero byte), so words compare as numbers.
struct WordKey {
    std::uint64_t head = 0;
    std::uint16_t tail = 0;
    bool operator==(const WordKey&) const = default;
};

constexpr char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr WordKey keyOf(std::string_view word) {
    WordKey key;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lowerCase(word[i]));
        if (i < 8) {
            key.head |= std::uint64_t{byte} << (8 * i);
        } else {
            key.tail = static_cast<std::uint16_t>(key.tail | byte << (8 * (i - 8)));
        }
    }
    return key;
}

constexpr std::array<WordKey, kNoteTagCount> kTagKeys = [] {
    std::array<WordKey, kNoteTagCount> keys{};
    for (std::size_t tag = 0; tag < kNoteTagCount; ++tag) keys[tag] = keyOf(kTagWords[tag]);
    return keys;
}();

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The tag that `word` names, without regard to case; Count when it names none we carry.
NoteTag tagNamed(std::string_view word) {
    if (word.size() > kLongestWord) return NoteTag::Count;
    const auto found = std::find(kTagKeys.begin(), kTagKeys.end(), keyOf(word));
    return static_cast<NoteTag>(found - kTagKeys.begin());
}

}  // namespace

void NoteTags::clear() {
    values_.fill({});
    found_.fill(false);
}

void NoteTags::read(std::string_view note, std::string& freeText) {
    // Match every "<" with its ">" in one pass, so a value may hold "<…>" and a "<" left open
    // costs no scan of its own.
    openAt_.clear();
    closeAt_.clear();
    unclosed_.clear();
    // Each of the two is found by a search of its own, which goes on from where it last stopped.
    std::size_t nextOpen = note.find('<');
    std::size_t nextClose = note.find('>');
    while (nextOpen != nextClose) {  // both npos only at the end
        if (nextOpen < nextClose) {
            unclosed_.push_back(openAt_.size());
            openAt_.push_back(nextOpen);
            closeAt_.push_back(npos);
            nextOpen = note.find('<', nextOpen + 1);
        } else {
            if (!unclosed_.empty()) {
                closeAt_[unclosed_.back()] = nextClose;
                unclosed_.pop_back();
            }
            nextClose = note.find('>', nextClose + 1);
        }
    }

    const std::size_t freeStart = freeText.size();
    if (freeStart != 0) freeText += '\n';
    const std::size_t textStart = freeText.size();
    std::size_t at = 0;
    for (std::size_t open = 0; open < openAt_.size(); ++open) {
        const std::size_t lt = openAt_[open];
        if (lt < at) continue;  // inside a tag already read
        std::size_t wordEnd = lt + 1;
        while (wordEnd < note.size() && isWordChar(note[wordEnd])) ++wordEnd;
        const bool isTag = wordEnd > lt + 1 && wordEnd < note.size() && note[wordEnd] == ':' &&
                           closeAt_[open] != npos;
        if (!isTag) continue;
        freeText += note.substr(at, lt - at);
        const NoteTag tag = tagNamed(note.substr(lt + 1, wordEnd - lt - 1));
        if (tag != NoteTag::Count && !has(tag)) {
            values_[index(tag)] = note.substr(wordEnd + 1, closeAt_[open] - wordEnd - 1);
            found_[index(tag)] = true;
        }
        at = closeAt_[open] + 1;
    }
    freeText += note.substr(std::min(at, note.size()));

    // Blanks at either end of this line's free text go; a line without any adds nothing.
    std::size_t end = freeText.size();
    while (end > textStart && isBlank(freeText[end - 1])) --end;
    std::size_t begin = textStart;
    while (begin < end && isBlank(freeText[begin])) ++begin;
    if (begin == end) {
        freeText.resize(freeStart);
        return;
    }
    freeText.resize(end);
    freeText.erase(textStart, begin - textStart);
}

}  // namespace nickbridge

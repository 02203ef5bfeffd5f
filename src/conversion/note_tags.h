// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nickbridge {

// The tags of the notes that the vCard carries, as later versions of the mail client write them
// ("2" for the work side). Other tags are read past and kept out of the free text.
enum class NoteTag : std::size_t {
    Name,
    First,
    Last,
    Phone,
    Phone2,
    Fax,
    Fax2,
    Mobile,
    Mobile2,
    OtherPhone,
    Address,
    City,
    State,
    Zip,
    Country,
    Address2,
    City2,
    State2,
    Zip2,
    Country2,
    Title,
    Company,
    Web,
    Web2,
    OtherWeb,
    OtherEmail,
    Count
};
inline constexpr std::size_t kNoteTagCount = static_cast<std::size_t>(NoteTag::Count);

// What the note lines of one nickname hold, read as the mail client reads them for its own
// export: a tag is "<", a word, ":" and a value up to the ">" that closes the "<"; the word is
// compared without regard to case, the first of two equal tags wins, and a value may hold a
// balanced "<…>". The text outside the tags is the free text. Values are views into the notes.
class NoteTags {
public:
    // Forgets the tags read so far.
    void clear();
    // Reads one note text; its free text, without blanks at either end, is appended to
    // `freeText`, after a line break when `freeText` already holds some.
    void read(std::string_view noteText, std::string& freeText);

    bool has(NoteTag tag) const { return found_[index(tag)]; }
    std::string_view operator[](NoteTag tag) const { return values_[index(tag)]; }

private:
    static constexpr std::size_t index(NoteTag tag) { return static_cast<std::size_t>(tag); }

    std::array<std::string_view, kNoteTagCount> values_{};
    std::array<bool, kNoteTagCount> found_{};
    // Per "<" of the note text, in order: where it stands and where its ">" stands (npos: none).
    std::vector<std::size_t> openAt_;
    std::vector<std::size_t> closeAt_;
    std::vector<std::size_t> unclosed_;  // the "<" still open while matching
};

}  // namespace nickbridge

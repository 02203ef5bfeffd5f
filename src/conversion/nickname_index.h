// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace nickbridge {

// A run of whole records of a file, from the start of one record to the start of another.
struct FilePart {
    std::string_view text;
    std::size_t firstRecord = 0;  // the number of its first record in the file, from 0
};

// The nicknames of one file, compared without regard to case as the mail client compares them:
// the address list each was first defined with, so a list can name its members by nickname, and
// which alias line of its nickname each record is, so a nickname's second alias line gets a card
// of its own. Built in one pass before the cards are written; the cards then look up only the
// words of their lists, from any number of threads at once.
class NicknameIndex {
public:
    static constexpr std::size_t kNotDefined = static_cast<std::size_t>(-1);
    static constexpr std::size_t kWholeFile = static_cast<std::size_t>(-1);

    // Reads every alias line of the file, and cuts the file into parts of at least `partBytes`
    // (the last one may be shorter) at the records that start them. The views stay valid as long
    // as `fileText`.
    explicit NicknameIndex(std::string_view fileText, std::size_t partBytes = kWholeFile);

    // Where `nickname` stands among the nicknames in the order first met, from 0; kNotDefined
    // when the file defines none.
    std::size_t placeOf(std::string_view nickname) const;
    // The address list first defined for the nickname at `place`.
    std::string_view addressesAt(std::size_t place) const { return entries_[place].addresses; }
    // How many different nicknames the file defines.
    std::size_t size() const { return entries_.size(); }
    // Which alias line of its nickname the record numbered `record` (from 0, in file order) is:
    // 1 for the first, 2 for the second…
    std::uint32_t ordinalOf(std::size_t record) const { return ordinals_[record]; }
    // The parts of the file, in file order; one for an empty file.
    const std::vector<FilePart>& parts() const { return parts_; }

    // Nicknames compared without regard to ASCII case.
    static bool sameNickname(std::string_view a, std::string_view b);

private:
    struct Entry {
        std::string_view nickname;
        std::string_view addresses;
        std::uint32_t met = 0;
    };
    // The slot for `nickname`, whose hash is `hash`: the one that holds it, else the free one
    // where it would go.
    std::uint64_t& slotFor(std::string_view nickname, std::uint64_t hash);
    const std::uint64_t& slotFor(std::string_view nickname, std::uint64_t hash) const;
    // Counts one more alias line of the nickname, its entry made the first time.
    void add(std::string_view nickname, std::string_view addresses, std::uint64_t hash);
    void grow();

    std::vector<Entry> entries_;  // in the order first met
    // Open addressing over the entries, never more than half full and a power of two in size.
    // A slot holds the high half of its nickname's hash and the entry's place plus one (0: free),
    // so a lookup seldom reads an entry that is not the one it looks for.
    std::vector<std::uint64_t> slots_;
    std::vector<std::uint32_t> ordinals_;
    std::vector<FilePart> parts_;
};

}  // namespace nickbridge

// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace nickbridge {

// The nicknames of one file, compared without regard to case as the mail client compares them:
// the address list each was first defined with, so a list can name its members by nickname, and
// which alias line of its nickname each record is, so a nickname's second alias line gets a card
// of its own. Built in one pass before the cards are written; the cards then look up only the
// words of their lists.
class NicknameIndex {
public:
    // Reads every alias line of the file. The views stay valid as long as `fileText`.
    explicit NicknameIndex(std::string_view fileText);

    bool defines(std::string_view nickname) const;
    // The address list first defined for `nickname`, for the card numbered `card` (numbers only
    // grow); nullptr when the file defines none or that card took it already (a list that names a
    // member twice).
    const std::string_view* addressesFor(std::string_view nickname, std::size_t card);
    // Which alias line of its nickname the record numbered `record` (from 0, in file order) is:
    // 1 for the first, 2 for the second…
    std::uint32_t ordinalOf(std::size_t record) const { return ordinals_[record]; }

    // Nicknames compared without regard to ASCII case.
    static bool sameNickname(std::string_view a, std::string_view b);

private:
    struct Entry {
        std::string_view nickname;
        std::string_view addresses;
        std::uint32_t met = 0;
        bool taken = false;  // by the card that asked last
    };
    // The slot for `nickname`, whose hash is `hash`: the one that holds it, else the free one
    // where it would go.
    std::uint64_t& slotFor(std::string_view nickname, std::uint64_t hash);
    const std::uint64_t& slotFor(std::string_view nickname, std::uint64_t hash) const;
    Entry* find(std::string_view nickname);
    // Counts one more alias line of the nickname, its entry made the first time.
    void add(std::string_view nickname, std::string_view addresses, std::uint64_t hash);
    void grow();

    std::vector<Entry> entries_;  // in the order first met
    // Open addressing over the entries, never more than half full and a power of two in size.
    // A slot holds the high half of its nickname's hash and the entry's place plus one (0: free),
    // so a lookup seldom reads an entry that is not the one it looks for.
    std::vector<std::uint64_t> slots_;
    std::vector<std::uint32_t> ordinals_;
    // The card that asked last and the entries it took, freed again when the next one asks.
    std::size_t askingCard_ = 0;
    std::vector<Entry*> taken_;
};

}  // namespace nickbridge

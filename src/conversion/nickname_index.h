// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_map>

namespace nickbridge {

// The nicknames of one file, compared without regard to case as the mail client compares them:
// the address list each was first defined with, so a list can name its members by nickname, and
// how often each has been met, so a nickname's second alias line gets a card of its own.
class NicknameIndex {
public:
    // Reads every alias line of the file. The views stay valid as long as `fileText`.
    explicit NicknameIndex(std::string_view fileText);

    bool defines(std::string_view nickname) const { return entries_.contains(nickname); }
    // The address list first defined for `nickname`, for the card numbered `card`; nullptr when
    // the file defines none or that card took it already (a list that names a member twice).
    const std::string_view* addressesFor(std::string_view nickname, std::size_t card);
    // Counts one more alias line of `nickname`: 1 for its first, 2 for its second…
    std::size_t meet(std::string_view nickname);

private:
    struct FoldedHash {
        std::size_t operator()(std::string_view text) const;
    };
    struct FoldedEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    struct Entry {
        std::string_view addresses;
        std::size_t met = 0;
        std::size_t takenByCard = 0;  // card numbers start at 1
    };

    std::unordered_map<std::string_view, Entry, FoldedHash, FoldedEqual> entries_;
};

}  // namespace nickbridge

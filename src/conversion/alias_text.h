// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace nickbridge {

// An alias line's text cut in two: the nickname ("…" around one that holds blanks) and the
// list of addresses after it.
struct AliasParts {
    std::string_view nickname;
    std::string_view addresses;
};

AliasParts splitAliasText(std::string_view aliasText);

// The text of a note line after the nickname it names.
std::string_view afterNickname(std::string_view noteText);

// One entry of an address list: a mailbox ("Name <addr>" gives addr, "addr (comment)" gives
// addr), or a bare word, which may name another nickname.
struct AddressEntry {
    std::string_view text;
    bool isMailbox = false;
};

// Calls `take` with every entry of an address list, in order. Entries are split at commas
// outside quotes, parentheses and "<…>"; empty entries are skipped.
template <typename Take>
void forEachAddress(std::string_view list, Take&& take);

// One entry's address; empty when it holds none.
AddressEntry readAddressEntry(std::string_view entry);

// Where the entry that starts at `from` ends: the next comma outside quotes, parentheses and
// "<…>", or the end of the list.
std::size_t entryEnd(std::string_view list, std::size_t from);

template <typename Take>
void forEachAddress(std::string_view list, Take&& take) {
    for (std::size_t from = 0; from < list.size();) {
        const std::size_t end = entryEnd(list, from);
        const AddressEntry entry = readAddressEntry(list.substr(from, end - from));
        if (!entry.text.empty()) take(entry);
        from = end + 1;
    }
}

}  // namespace nickbridge

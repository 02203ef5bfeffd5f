// SPDX-License-Identifier: MIT
#include "nickname_index.h"

#include "alias_text.h"
#include "nickname_loader.h"

namespace nickbridge {
namespace {

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A guess at the number of nicknames, so the table is not rebuilt as it fills: few records are
// shorter than this.
constexpr std::size_t kBytesPerNicknameGuess = 128;

}  // namespace

std::size_t NicknameIndex::FoldedHash::operator()(std::string_view text) const {
    // FNV-1a over the folded bytes.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(folded(c))) * 1099511628211ULL;
    return static_cast<std::size_t>(hash);
}

bool NicknameIndex::sameNickname(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

NicknameIndex::NicknameIndex(std::string_view fileText) {
    entries_.reserve(fileText.size() / kBytesPerNicknameGuess);
    RecordLineReader reader(fileText);
    while (reader.next()) {
        const AliasParts alias = splitAliasText(reader.aliasText());
        // The first definition wins; later ones only count.
        Entry& entry = entries_.try_emplace(alias.nickname, Entry{alias.addresses}).first->second;
        ordinals_.push_back(++entry.met);
    }
}

const std::string_view* NicknameIndex::addressesFor(std::string_view nickname, std::size_t card) {
    const auto found = entries_.find(nickname);
    if (found == entries_.end() || found->second.takenByCard == card) return nullptr;
    found->second.takenByCard = card;
    return &found->second.addresses;
}

}  // namespace nickbridge

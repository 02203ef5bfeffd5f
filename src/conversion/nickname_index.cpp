// SPDX-License-Identifier: MIT
#include "nickname_index.h"

#include "alias_text.h"
#include "nickname_loader.h"

namespace nickbridge {
namespace {

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t NicknameIndex::FoldedHash::operator()(std::string_view text) const {
    // FNV-1a over the folded bytes.
    std::size_t hash = static_cast<std::size_t>(14695981039346656037ULL);
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(folded(c))) * static_cast<std::size_t>(1099511628211ULL);
    }
    return hash;
}

bool NicknameIndex::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

NicknameIndex::NicknameIndex(std::string_view fileText) {
    RecordLineReader reader(fileText);
    while (reader.next()) {
        if (!reader.hasAliasLine()) continue;
        const AliasParts alias = splitAliasText(reader.aliasText());
        // The first definition wins; later ones only count.
        entries_.try_emplace(alias.nickname, Entry{alias.addresses});
    }
}

const std::string_view* NicknameIndex::addressesFor(std::string_view nickname, std::size_t card) {
    const auto found = entries_.find(nickname);
    if (found == entries_.end() || found->second.takenByCard == card) return nullptr;
    found->second.takenByCard = card;
    return &found->second.addresses;
}

std::size_t NicknameIndex::meet(std::string_view nickname) {
    return ++entries_[nickname].met;
}

}  // namespace nickbridge

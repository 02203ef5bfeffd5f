// SPDX-License-Identifier: MIT
#include "nickname_index.h"

#include <utility>

#include "alias_text.h"
#include "nickname_loader.h"

namespace nickbridge {
namespace {

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A guess at the number of nicknames, so the table is not rebuilt as it fills: few records are
// shorter than this.
constexpr std::size_t kBytesPerNicknameGuess = 128;

// FNV-1a over the bytes folded to lower case.
std::size_t foldedHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(folded(c))) * 1099511628211ULL;
    return static_cast<std::size_t>(hash);
}

}  // namespace

bool NicknameIndex::sameNickname(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

NicknameIndex::NicknameIndex(std::string_view fileText) {
    std::size_t slots = 16;
    while (slots < 2 * (fileText.size() / kBytesPerNicknameGuess)) slots *= 2;
    slots_.resize(slots);
    ordinals_.reserve(fileText.size() / kBytesPerNicknameGuess);
    RecordLineReader reader(fileText);
    while (reader.next()) {
        const AliasParts alias = splitAliasText(reader.aliasText());
        Entry* entry = &slotFor(alias.nickname);
        if (entry->met == 0) {
            if (2 * (used_ + 1) > slots_.size()) {
                grow();
                entry = &slotFor(alias.nickname);
            }
            // The first definition wins; later ones only count.
            entry->nickname = alias.nickname;
            entry->addresses = alias.addresses;
            ++used_;
        }
        ordinals_.push_back(++entry->met);
    }
}

const NicknameIndex::Entry& NicknameIndex::slotFor(std::string_view nickname) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = foldedHash(nickname) & mask;; at = (at + 1) & mask) {
        const Entry& entry = slots_[at];
        if (entry.met == 0 || sameNickname(entry.nickname, nickname)) return entry;
    }
}

NicknameIndex::Entry& NicknameIndex::slotFor(std::string_view nickname) {
    return const_cast<Entry&>(std::as_const(*this).slotFor(nickname));
}

void NicknameIndex::grow() {
    const std::vector<Entry> old = std::exchange(slots_, std::vector<Entry>(slots_.size() * 2));
    for (const Entry& entry : old) {
        if (entry.met != 0) slotFor(entry.nickname) = entry;
    }
}

const std::string_view* NicknameIndex::addressesFor(std::string_view nickname, std::size_t card) {
    Entry& entry = slotFor(nickname);
    if (entry.met == 0 || entry.takenByCard == card) return nullptr;
    entry.takenByCard = card;
    return &entry.addresses;
}

}  // namespace nickbridge

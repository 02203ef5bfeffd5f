// SPDX-License-Identifier: MIT
#include "nickname_index.h"

#include <array>
#include <utility>

#include "alias_text.h"
#include "nickname_loader.h"
#include "platform/large_block.h"

namespace nickbridge {
namespace {

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A guess at the number of nicknames, so the table is not rebuilt as it fills: few records are
// shorter than this.
constexpr std::size_t kBytesPerNicknameGuess = 128;

constexpr std::uint64_t kHashHalf = 0xFFFF'FFFF'0000'0000ULL;
constexpr std::uint64_t kPlaceHalf = ~kHashHalf;

// FNV-1a over the bytes folded to lower case, its high half mixed into the low bits that choose
// the slot.
std::uint64_t foldedHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(folded(c))) * 1099511628211ULL;
    return hash ^ (hash >> 32);
}

// Asks for the memory at `address` ahead of its use; only advice, and where the compiler has no
// way to give it, nothing.
void prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    static_cast<void>(address);
#endif
}

struct Found {
    AliasParts alias;
    std::uint64_t hash = 0;
};

}  // namespace

bool NicknameIndex::sameNickname(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

NicknameIndex::NicknameIndex(std::string_view fileText, std::size_t partBytes) {
    const std::size_t guess = fileText.size() / kBytesPerNicknameGuess;
    // A large file's arrays are megabytes, fresh from the system: taken in huge pages where it
    // gives them.
    entries_.reserve(guess);
    platform::prepareLargeBlock(entries_.data(), guess * sizeof(Entry), false);
    ordinals_.reserve(guess);
    platform::prepareLargeBlock(ordinals_.data(), guess * sizeof(std::uint32_t), false);
    // Sized for the guess; a file of many short records makes it grow, twice as large each time.
    std::size_t slots = 16;
    while (slots < guess) slots *= 2;
    slots_.reserve(slots);
    platform::prepareLargeBlock(slots_.data(), slots * sizeof(std::uint64_t), false);
    slots_.resize(slots);
    // Each nickname's slot is a cache miss of its own: the slots of a batch of nicknames are asked
    // for together, so the misses overlap, and then filled in file order.
    constexpr std::size_t kBatch = 16;
    std::array<Found, kBatch> batch;
    RecordLineReader reader(fileText);
    std::size_t partStart = 0;
    std::size_t partRecord = 0;
    for (bool more = true; more;) {
        std::size_t count = 0;
        while (count < kBatch) {
            const std::size_t offset = fileText.size() - reader.unread().size();
            // A part ends where a record starts; the last one at the end of the file.
            if (offset - partStart >= partBytes && offset > partStart && offset < fileText.size()) {
                parts_.push_back({fileText.substr(partStart, offset - partStart), partRecord});
                partStart = offset;
                partRecord = ordinals_.size() + count;
            }
            if (!(more = reader.next())) break;
            const AliasParts alias = splitAliasText(reader.aliasText());
            const std::uint64_t hash = foldedHash(alias.nickname);
            prefetch(&slots_[hash & (slots_.size() - 1)]);
            batch[count++] = {alias, hash};
        }
        for (std::size_t i = 0; i < count; ++i) {
            add(batch[i].alias.nickname, batch[i].alias.addresses, batch[i].hash);
        }
    }
    parts_.push_back({fileText.substr(partStart), partRecord});
}

void NicknameIndex::add(std::string_view nickname, std::string_view addresses, std::uint64_t hash) {
    std::uint64_t* slot = &slotFor(nickname, hash);
    if (*slot == 0) {
        // The first definition wins; later ones only count.
        if (2 * (entries_.size() + 1) > slots_.size()) {
            grow();
            slot = &slotFor(nickname, hash);
        }
        entries_.push_back({nickname, addresses});
        *slot = (hash & kHashHalf) | entries_.size();
    }
    ordinals_.push_back(++entries_[(*slot & kPlaceHalf) - 1].met);
}

const std::uint64_t& NicknameIndex::slotFor(std::string_view nickname, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const std::uint64_t& slot = slots_[at];
        if (slot == 0) return slot;
        if ((slot & kHashHalf) == (hash & kHashHalf) &&
            sameNickname(entries_[(slot & kPlaceHalf) - 1].nickname, nickname)) {
            return slot;
        }
    }
}

std::uint64_t& NicknameIndex::slotFor(std::string_view nickname, std::uint64_t hash) {
    return const_cast<std::uint64_t&>(std::as_const(*this).slotFor(nickname, hash));
}

std::size_t NicknameIndex::placeOf(std::string_view nickname) const {
    const std::uint64_t slot = slotFor(nickname, foldedHash(nickname));
    return slot == 0 ? kNotDefined : (slot & kPlaceHalf) - 1;
}

void NicknameIndex::grow() {
    slots_.assign(slots_.size() * 2, 0);
    for (std::size_t place = 0; place < entries_.size(); ++place) {
        const std::uint64_t hash = foldedHash(entries_[place].nickname);
        slotFor(entries_[place].nickname, hash) = (hash & kHashHalf) | (place + 1);
    }
}

}  // namespace nickbridge

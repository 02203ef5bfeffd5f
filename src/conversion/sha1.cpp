// SPDX-License-Identifier: MIT
#include "sha1.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace nickbridge {
namespace {

using Word = std::uint32_t;

constexpr Word rotl(Word x, int n) { return (x << n) | (x >> (32 - n)); }

// Calls `f` with each of 0 … N - 1 as a compile-time constant, so each call is compiled on its
// own: the rounds then index the schedule and choose their mixing function with constants.
template <typename F, std::size_t... n>
void unrolled(std::index_sequence<n...>, F&& f) {
    (f(std::integral_constant<std::size_t, n>{}), ...);
}

// The four stages of 20 rounds each have their own mixing function and constant.
constexpr Word mix(std::size_t stage, Word x, Word y, Word z) {
    if (stage == 0) return z ^ (x & (y ^ z));        // choose
    if (stage == 2) return (x & y) | (z & (x | y));  // majority
    return x ^ y ^ z;                                // parity
}

constexpr std::array<Word, 4> kStageConstants{0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xCA62C1D6};

}  // namespace

void Sha1::compress() {
    // The message schedule kept in a ring of 16 words: word i replaces word i - 16.
    std::array<Word, 16> w;
    for (std::size_t i = 0; i < 16; ++i) {
        w[i] = Word{block_[4 * i]} << 24 | Word{block_[4 * i + 1]} << 16 |
               Word{block_[4 * i + 2]} << 8 | Word{block_[4 * i + 3]};
    }
    const auto word = [&w](std::size_t i) {
        if (i < 16) return w[i];
        Word& slot = w[i & 15];
        slot = rotl(w[(i - 3) & 15] ^ w[(i - 8) & 15] ^ w[(i - 14) & 15] ^ slot, 1);
        return slot;
    };
    Word a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
    // Five rounds at a time. A round's new word goes where its oldest was, so the five words take
    // turns in each role and five rounds bring them back to where they started: none is moved.
    unrolled(std::make_index_sequence<16>{}, [&](auto fifth) {
        constexpr std::size_t i = 5 * fifth;
        constexpr std::size_t stage = i / 20;
        constexpr Word k = kStageConstants[stage];
        e += rotl(a, 5) + mix(stage, b, c, d) + k + word(i);
        b = rotl(b, 30);
        d += rotl(e, 5) + mix(stage, a, b, c) + k + word(i + 1);
        a = rotl(a, 30);
        c += rotl(d, 5) + mix(stage, e, a, b) + k + word(i + 2);
        e = rotl(e, 30);
        b += rotl(c, 5) + mix(stage, d, e, a) + k + word(i + 3);
        d = rotl(d, 30);
        a += rotl(b, 5) + mix(stage, c, d, e) + k + word(i + 4);
        c = rotl(c, 30);
    });
    state_[0] += a, state_[1] += b, state_[2] += c, state_[3] += d, state_[4] += e;
}

void Sha1::update(std::string_view bytes) {
    length_ += bytes.size();
    while (!bytes.empty()) {
        const std::size_t taken = std::min(bytes.size(), block_.size() - filled_);
        std::memcpy(block_.data() + filled_, bytes.data(), taken);
        bytes.remove_prefix(taken);
        filled_ += taken;
        if (filled_ == block_.size()) {
            compress();
            filled_ = 0;
        }
    }
}

Sha1Digest Sha1::finish() {
    // Padding: one bit, zeros up to 56 bytes into a block, then the length in bits.
    constexpr std::size_t kLengthAt = 56;
    const std::uint64_t bits = length_ * 8;
    block_[filled_++] = 0x80;
    if (filled_ > kLengthAt) {
        std::fill(block_.begin() + static_cast<std::ptrdiff_t>(filled_), block_.end(), 0);
        compress();
        filled_ = 0;
    }
    std::fill(block_.begin() + static_cast<std::ptrdiff_t>(filled_),
              block_.begin() + static_cast<std::ptrdiff_t>(kLengthAt), 0);
    for (std::size_t i = 0; i < 8; ++i) {
        block_[kLengthAt + i] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    }
    compress();

    Sha1Digest digest{};
    for (std::size_t i = 0; i < digest.size(); ++i) {
        digest[i] = static_cast<std::uint8_t>(state_[i / 4] >> (24 - 8 * (i % 4)));
    }
    return digest;
}

Sha1Digest sha1(std::string_view bytes) {
    Sha1 hash;
    hash.update(bytes);
    return hash.finish();
}

}  // namespace nickbridge

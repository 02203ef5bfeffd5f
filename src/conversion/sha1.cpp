// SPDX-License-Identifier: MIT
#include "sha1.h"

#include <algorithm>
#include <cstring>

namespace nickbridge {
namespace {

constexpr std::uint32_t rotl(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

}  // namespace

void Sha1::compress() {
    // The message schedule kept in a ring of 16 words: word i replaces word i - 16. (Worked out
    // whole up front, the compiler's vector code for it stalls on its own stores.)
    std::array<std::uint32_t, 16> w;
    for (std::size_t i = 0; i < 16; ++i) {
        w[i] = std::uint32_t{block_[4 * i]} << 24 | std::uint32_t{block_[4 * i + 1]} << 16 |
               std::uint32_t{block_[4 * i + 2]} << 8 | std::uint32_t{block_[4 * i + 3]};
    }
    const auto word = [&w](std::size_t i) {
        if (i < 16) return w[i];
        std::uint32_t& slot = w[i & 15];
        slot = rotl(w[(i - 3) & 15] ^ w[(i - 8) & 15] ^ w[(i - 14) & 15] ^ slot, 1);
        return slot;
    };
    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
    // Four stages of 20 rounds, each with its own mixing function and constant. A round's new
    // word goes where its oldest was, so the five words take turns in each role and five rounds
    // bring them back to where they started: no word is ever moved.
    const auto stage = [&](std::size_t first, auto mix, std::uint32_t k) {
        for (std::size_t i = first; i < first + 20; i += 5) {
            e += rotl(a, 5) + mix(b, c, d) + k + word(i);
            b = rotl(b, 30);
            d += rotl(e, 5) + mix(a, b, c) + k + word(i + 1);
            a = rotl(a, 30);
            c += rotl(d, 5) + mix(e, a, b) + k + word(i + 2);
            e = rotl(e, 30);
            b += rotl(c, 5) + mix(d, e, a) + k + word(i + 3);
            d = rotl(d, 30);
            a += rotl(b, 5) + mix(c, d, e) + k + word(i + 4);
            c = rotl(c, 30);
        }
    };
    using Word = std::uint32_t;
    const auto choose = [](Word x, Word y, Word z) { return z ^ (x & (y ^ z)); };
    const auto parity = [](Word x, Word y, Word z) { return x ^ y ^ z; };
    const auto majority = [](Word x, Word y, Word z) { return (x & y) | (z & (x | y)); };
    stage(0, choose, 0x5A827999);
    stage(20, parity, 0x6ED9EBA1);
    stage(40, majority, 0x8F1BBCDC);
    stage(60, parity, 0xCA62C1D6);
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

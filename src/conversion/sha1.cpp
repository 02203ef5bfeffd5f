// SPDX-License-Identifier: MIT
#include "sha1.h"

#include <algorithm>
#include <cstring>

namespace nickbridge {
namespace {

constexpr std::uint32_t rotl(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

}  // namespace

void Sha1::compress() {
    // The message schedule kept in a ring of 16 words: word i replaces word i - 16.
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
    const auto round = [&](std::size_t i, std::uint32_t f, std::uint32_t k) {
        const std::uint32_t next = rotl(a, 5) + f + e + k + word(i);
        e = d, d = c, c = rotl(b, 30), b = a, a = next;
    };
    // Four stages of 20 rounds, each with its own mixing function and constant.
    std::size_t i = 0;
    for (; i < 20; ++i) round(i, (b & c) | (~b & d), 0x5A827999);
    for (; i < 40; ++i) round(i, b ^ c ^ d, 0x6ED9EBA1);
    for (; i < 60; ++i) round(i, (b & c) | (b & d) | (c & d), 0x8F1BBCDC);
    for (; i < 80; ++i) round(i, b ^ c ^ d, 0xCA62C1D6);
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

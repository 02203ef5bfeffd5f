// SPDX-License-Identifier: MIT
#include "sha1.h"

#include <cstddef>

namespace nickbridge {
namespace {

constexpr std::uint32_t rotl(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

using Block = std::array<std::uint8_t, 64>;

void compress(std::array<std::uint32_t, 5>& h, const Block& block) {
    std::array<std::uint32_t, 80> w{};
    for (std::size_t i = 0; i < 16; ++i) {
        w[i] = std::uint32_t{block[4 * i]} << 24 | std::uint32_t{block[4 * i + 1]} << 16 |
               std::uint32_t{block[4 * i + 2]} << 8 | std::uint32_t{block[4 * i + 3]};
    }
    for (std::size_t i = 16; i < 80; ++i) w[i] = rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (std::size_t i = 0; i < 80; ++i) {
        std::uint32_t f = 0;
        std::uint32_t k = 0;
        if (i < 20) {
            f = (b & c) | (~b & d), k = 0x5A827999;
        } else if (i < 40) {
            f = b ^ c ^ d, k = 0x6ED9EBA1;
        } else if (i < 60) {
            f = (b & c) | (b & d) | (c & d), k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d, k = 0xCA62C1D6;
        }
        const std::uint32_t next = rotl(a, 5) + f + e + k + w[i];
        e = d, d = c, c = rotl(b, 30), b = a, a = next;
    }
    h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
}

}  // namespace

Sha1Digest sha1(std::string_view bytes) {
    std::array<std::uint32_t, 5> h{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    Block block{};
    std::size_t filled = 0;
    const auto take = [&](std::uint8_t byte) {
        block[filled++] = byte;
        if (filled == block.size()) {
            compress(h, block);
            filled = 0;
        }
    };
    for (const char c : bytes) take(static_cast<std::uint8_t>(c));
    // Padding: one bit, zeros up to 56 bytes into the block, then the length in bits.
    const std::uint64_t bits = std::uint64_t{bytes.size()} * 8;
    take(0x80);
    while (filled != 56) take(0);
    for (int shift = 56; shift >= 0; shift -= 8) take(static_cast<std::uint8_t>(bits >> shift));

    Sha1Digest digest{};
    for (std::size_t i = 0; i < 20; ++i) {
        digest[i] = static_cast<std::uint8_t>(h[i / 4] >> (24 - 8 * (i % 4)));
    }
    return digest;
}

}  // namespace nickbridge

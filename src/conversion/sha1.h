// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nickbridge {

using Sha1Digest = std::array<std::uint8_t, 20>;

// SHA-1 (FIPS 180-4) over bytes given in pieces. Only name-based UUIDs use it, never for
// security.
class Sha1 {
public:
    void update(std::string_view bytes);
    // The digest of everything given; the object is spent.
    Sha1Digest finish();

private:
    void compress();

    std::array<std::uint32_t, 5> state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    std::array<std::uint8_t, 64> block_{};
    std::size_t filled_ = 0;
    std::uint64_t length_ = 0;
};

// The SHA-1 digest of `bytes`.
Sha1Digest sha1(std::string_view bytes);

}  // namespace nickbridge

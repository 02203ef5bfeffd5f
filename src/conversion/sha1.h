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
    // How the blocks are worked through: with the processor's SHA instructions where it has
    // them (a few times faster), else, or when asked, in plain code.
    enum class Engine { Fastest, Plain };

    explicit Sha1(Engine engine = Engine::Fastest);

    void update(std::string_view bytes);
    // The digest of everything given; the object is spent.
    Sha1Digest finish();

    using State = std::array<std::uint32_t, 5>;
    using Block = std::array<std::uint8_t, 64>;

private:
    void (*compress_)(State& state, const Block& block);
    State state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    Block block_{};
    std::size_t filled_ = 0;
    std::uint64_t length_ = 0;
};

// The SHA-1 digest of `bytes`.
Sha1Digest sha1(std::string_view bytes, Sha1::Engine engine = Sha1::Engine::Fastest);

}  // namespace nickbridge

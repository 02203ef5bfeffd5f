// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace nickbridge {

using Sha1Digest = std::array<std::uint8_t, 20>;

// The SHA-1 digest of `bytes` (FIPS 180-4). Only name-based UUIDs use it, never for security.
Sha1Digest sha1(std::string_view bytes);

}  // namespace nickbridge

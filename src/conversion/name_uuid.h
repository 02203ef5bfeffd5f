// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace nickbridge {

using Uuid = std::array<std::uint8_t, 16>;

// The name-based UUID (version 5, SHA-1; RFC 4122 section 4.3) of `name` in `nameSpace`, written
// as 36 lower-case characters: the same name always gives the same UUID.
std::string nameBasedUuid(const Uuid& nameSpace, std::string_view name);

}  // namespace nickbridge

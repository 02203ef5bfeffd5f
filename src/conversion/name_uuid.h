// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace nickbridge {

using Uuid = std::array<std::uint8_t, 16>;

// Appends the name-based UUID (version 5, SHA-1; RFC 4122 section 4.3) of `name` in `nameSpace`,
// as 36 lower-case characters: the same name always gives the same UUID.
void appendNameBasedUuid(std::string& out, const Uuid& nameSpace, std::string_view name);

// The same on its own.
std::string nameBasedUuid(const Uuid& nameSpace, std::string_view name);

}  // namespace nickbridge

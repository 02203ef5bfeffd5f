// SPDX-License-Identifier: MIT
#include "name_uuid.h"

#include <array>

#include "sha1.h"

namespace nickbridge {

void appendNameBasedUuid(std::string& out, const Uuid& nameSpace, std::string_view name) {
    Sha1 hash;
    hash.update({reinterpret_cast<const char*>(nameSpace.data()), nameSpace.size()});
    hash.update(name);
    Sha1Digest digest = hash.finish();
    digest[6] = static_cast<std::uint8_t>((digest[6] & 0x0F) | 0x50);  // version 5
    digest[8] = static_cast<std::uint8_t>((digest[8] & 0x3F) | 0x80);  // RFC 4122 variant

    // Written into a buffer first and appended whole.
    constexpr std::string_view kHex = "0123456789abcdef";
    std::array<char, 36> text{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < nameSpace.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text[at++] = '-';
        text[at++] = kHex[digest[i] >> 4];
        text[at++] = kHex[digest[i] & 0x0F];
    }
    out.append(text.data(), text.size());
}

std::string nameBasedUuid(const Uuid& nameSpace, std::string_view name) {
    std::string text;
    appendNameBasedUuid(text, nameSpace, name);
    return text;
}

}  // namespace nickbridge

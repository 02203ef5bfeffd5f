// SPDX-License-Identifier: MIT
#include "platform/registry.h"

#include <array>

namespace nickbridge::platform {
namespace {

using ValueBuffer = std::array<unsigned char, kValueBufferSize>;

// A REG_DWORD is stored least significant byte first; the buffer starts zeroed, so a shorter
// value reads as if padded with zeros.
std::uint32_t littleEndianWord(const ValueBuffer& buffer) {
    return std::uint32_t{buffer[0]} | std::uint32_t{buffer[1]} << 8U |
           std::uint32_t{buffer[2]} << 16U | std::uint32_t{buffer[3]} << 24U;
}

bool readValue(RawRegistry& registry, RawRegistry::Key key, const std::string& valueName,
               std::string& value) {
    ValueBuffer buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kValueBufferSize;
    if (registry.queryValue(key, valueName, type, buffer.data(), size) != kErrorSuccess) {
        return false;
    }
    // An empty value has no last character to look at: it counts as not read, which lets the
    // caller try its next source.
    if (size == 0 || size > kValueBufferSize) return false;
    const std::size_t length = buffer[size - 1] == 0 ? size - 1 : size;
    if (type == kRegSz) {
        value.assign(reinterpret_cast<const char*>(buffer.data()), length);
    } else if (type == kRegDword) {
        value = std::to_string(littleEndianWord(buffer));
    }
    return true;
}

}  // namespace

bool readRegistryValue(RawRegistry& registry, std::uint32_t root, const std::string& keyName,
                       const std::string& valueName, std::string& value) {
    RawRegistry::Key key = 0;
    bool read = false;
    if (registry.open(root, keyName, kKeyRead, key) == kErrorSuccess) {
        read = readValue(registry, key, valueName, value);
        registry.close(key);
    }
    if (!read) value.clear();
    return read;
}

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace nickbridge::platform {

// The three registry functions the About box needs, in the form of their Windows ANSI
// originals (RegOpenKeyExA, RegQueryValueExA, RegCloseKey), so readRegistryValue can be tested
// against an in-memory registry. Statuses are Windows error codes, 0 for success.
class RawRegistry {
public:
    using Key = std::uintptr_t;

    virtual ~RawRegistry() = default;
    virtual std::int32_t open(std::uint32_t root, const std::string& keyName,
                              std::uint32_t accessMask, Key& key) = 0;
    // Reads up to `size` bytes into `buffer`; `size` becomes the number of bytes stored (or, when
    // they do not fit, the number needed, with kErrorMoreData).
    virtual std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                                    unsigned char* buffer, std::uint32_t& size) = 0;
    virtual void close(Key key) = 0;
};

// The 32-bit root-key handle, as Windows numbers it.
inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorMoreData = 234;

// Values longer than this count as not found.
inline constexpr std::uint32_t kValueBufferSize = 1024;

// Reads `valueName` of the key `keyName` below `root` into `value`: a REG_SZ as its bytes (one
// trailing NUL dropped), a REG_DWORD in decimal; a value of another type is found but leaves
// `value` as it was. On any failure `value` is emptied and the result is false. The key is opened
// for reading only, which a standard user is allowed, and is always closed again.
bool readRegistryValue(RawRegistry& registry, std::uint32_t root, const std::string& keyName,
                       const std::string& valueName, std::string& value);

}  // namespace nickbridge::platform

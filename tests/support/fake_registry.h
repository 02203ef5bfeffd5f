// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "platform/registry.h"

namespace nickbridge::testing {

// An in-memory registry that answers as Windows does to a standard user: keys below
// HKEY_LOCAL_MACHINE open for reading only, a value too large for the buffer gives
// ERROR_MORE_DATA with the size it needs. It counts open keys, so a test sees one left open.
class FakeRegistry final : public platform::RawRegistry {
public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };

    void set(const std::string& keyName, const std::string& valueName, Value value) {
        keys_[keyName][valueName] = std::move(value);
    }
    // A REG_SZ as the registry usually holds it: the text and its terminating NUL.
    void setText(const std::string& keyName, const std::string& valueName, std::string text) {
        set(keyName, valueName, {platform::kRegSz, std::move(text) + '\0'});
    }

    std::int32_t open(std::uint32_t root, const std::string& keyName, std::uint32_t accessMask,
                      Key& key) override {
        if ((accessMask & ~platform::kKeyRead) != 0) return platform::kErrorAccessDenied;
        const auto found = keys_.find(keyName);
        if (root != platform::kHkeyLocalMachine || found == keys_.end()) {
            return platform::kErrorFileNotFound;
        }
        key = reinterpret_cast<Key>(&found->second);
        ++openKeys;
        return platform::kErrorSuccess;
    }

    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* buffer, std::uint32_t& size) override {
        const auto& values = *reinterpret_cast<const std::map<std::string, Value>*>(key);
        const auto found = values.find(valueName);
        if (found == values.end()) return platform::kErrorFileNotFound;
        const Value& value = found->second;
        type = value.type;
        const auto needed = static_cast<std::uint32_t>(value.bytes.size());
        const bool fits = needed <= size;
        size = needed;
        if (!fits) return platform::kErrorMoreData;
        std::memcpy(buffer, value.bytes.data(), value.bytes.size());
        return platform::kErrorSuccess;
    }

    void close(Key) override { --openKeys; }

    int openKeys = 0;

private:
    std::map<std::string, std::map<std::string, Value>> keys_;
};

}  // namespace nickbridge::testing

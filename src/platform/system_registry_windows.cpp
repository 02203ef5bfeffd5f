// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/system_registry.h"

namespace nickbridge::platform {
namespace {

// Predefined root keys are 32-bit values sign-extended to a pointer: on 64-bit Windows
// HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002, and the zero-extended value is no key at all.
HKEY rootKey(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
}

HKEY openKey(RawRegistry::Key key) { return reinterpret_cast<HKEY>(key); }

class WindowsRegistry final : public RawRegistry {
public:
    std::int32_t open(std::uint32_t root, const std::string& keyName, std::uint32_t accessMask,
                      Key& key) override {
        HKEY opened = nullptr;
        const LONG status = RegOpenKeyExA(rootKey(root), keyName.c_str(), 0, accessMask, &opened);
        key = reinterpret_cast<Key>(opened);
        return status;
    }

    std::int32_t queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* buffer, std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD stored = size;
        const LONG status =
            RegQueryValueExA(openKey(key), valueName.c_str(), nullptr, &valueType, buffer, &stored);
        type = valueType;
        size = stored;
        return status;
    }

    void close(Key key) override { RegCloseKey(openKey(key)); }
};

}  // namespace

RawRegistry& systemRegistry() {
    static WindowsRegistry registry;
    return registry;
}

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#include "platform/system_registry.h"

namespace nickbridge::platform {
namespace {

// No registry here: every key is missing, so nothing is ever queried or closed.
class NoRegistry final : public RawRegistry {
public:
    std::int32_t open(std::uint32_t, const std::string&, std::uint32_t, Key&) override {
        return kErrorFileNotFound;
    }
    std::int32_t queryValue(Key, const std::string&, std::uint32_t&, unsigned char*,
                            std::uint32_t&) override {
        return kErrorFileNotFound;
    }
    void close(Key) override {}
};

}  // namespace

RawRegistry& systemRegistry() {
    static NoRegistry registry;
    return registry;
}

}  // namespace nickbridge::platform

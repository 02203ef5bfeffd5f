// SPDX-License-Identifier: MIT
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_registry.h"

namespace nickbridge::platform {
namespace {

using testing::FakeRegistry;
using namespace std::string_literals;

const std::string kKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::string stored;
    bool found;
    std::string text;  // value afterwards; it held "before" on entry
};

class GetKeyValueReads : public ::testing::TestWithParam<ValueCase> {};

// The fake also refuses more than read access, as Windows does to a standard user: a key opened
// for all access would fail every case here.

TEST_P(GetKeyValueReads, TheStoredBytesByType) {
    const ValueCase& c = GetParam();
    FakeRegistry registry;
    registry.set(kKey, "PATH", {c.type, c.stored});
    std::string value = "before";
    EXPECT_EQ(readRegistryValue(registry, kHkeyLocalMachine, kKey, "PATH", value), c.found);
    EXPECT_EQ(value, c.text);
    EXPECT_EQ(registry.openKeys, 0);
}

const std::string k1024(1024, 'x');

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueReads,
    ::testing::Values(
        ValueCase{"TextWithItsNul", kRegSz, "C:\\MSINFO32.EXE\0"s, true, "C:\\MSINFO32.EXE"},
        ValueCase{"TextWithoutNulStaysWhole", kRegSz, "abc", true, "abc"},
        ValueCase{"OnlyOneTrailingNulGoes", kRegSz, "ab\0\0"s, true, "ab\0"s},
        ValueCase{"ExactlyTheBufferSize", kRegSz, k1024, true, k1024},
        ValueCase{"OneByteOverTheBufferIsNotFound", kRegSz, k1024 + '\0', false, ""},
        ValueCase{"ZeroBytesIsNotFound", kRegSz, "", false, ""},
        ValueCase{"DwordInDecimal", kRegDword, "\x78\x56\x34\x12"s, true, "305419896"},
        ValueCase{"DwordIsUnsigned", kRegDword, "\xff\xff\xff\xff"s, true, "4294967295"},
        ValueCase{"OtherTypeFoundButKeepsTheText", 3 /* REG_BINARY */, "\x01\x02"s, true,
                  "before"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(readRegistryValue, MissingKeyOrValueEmptiesTheTextAndClosesWhatItOpened) {
    FakeRegistry registry;
    registry.setText(kKey, "PATH", "x");
    const struct {
        std::uint32_t root;
        std::string key;
        std::string value;
    } misses[] = {
        {kHkeyLocalMachine, kKey, "MISSING"},
        {kHkeyLocalMachine, "SOFTWARE\\Missing", "PATH"},
    };
    for (const auto& miss : misses) {
        std::string value = "before";
        EXPECT_FALSE(readRegistryValue(registry, miss.root, miss.key, miss.value, value))
            << miss.key;
        EXPECT_EQ(value, "");
        EXPECT_EQ(registry.openKeys, 0) << miss.value;
    }
}

}  // namespace
}  // namespace nickbridge::platform

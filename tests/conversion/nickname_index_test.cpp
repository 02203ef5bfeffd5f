// SPDX-License-Identifier: MIT
#include "conversion/nickname_index.h"

#include <gtest/gtest.h>

#include <string>

namespace nickbridge {
namespace {

// Records far shorter than the table's first guess: it grows several times and must still find
// every nickname, in any case, with its first address list.
TEST(NicknameIndex, FindsEveryNicknameOfAFileOfShortRecords) {
    constexpr std::size_t kCount = 5000;
    std::string file;
    for (std::size_t i = 0; i < kCount; ++i) {
        file += "alias n" + std::to_string(i) + " a" + std::to_string(i) + "@x\r\n";
    }
    file += "alias N17 again@x\r\n";
    NicknameIndex index(file);
    for (std::size_t i = 0; i < kCount; ++i) {
        const std::string nickname = "n" + std::to_string(i);
        ASSERT_EQ(index.placeOf(nickname), i) << nickname;
        EXPECT_EQ(index.addressesAt(i), "a" + std::to_string(i) + "@x");
        EXPECT_EQ(index.ordinalOf(i), 1u);
    }
    EXPECT_EQ(index.ordinalOf(kCount), 2u);  // N17's second alias line
    EXPECT_EQ(index.placeOf("N17"), 17u);
    EXPECT_EQ(index.size(), kCount);
    EXPECT_EQ(index.placeOf("n" + std::to_string(kCount)), NicknameIndex::kNotDefined);
}

// The same nickname again and again, within one batch of lookups and across batches: each alias
// line counts on, and the first address list stays.
TEST(NicknameIndex, CountsANicknameRepeatedCloseTogether) {
    std::string file;
    for (std::size_t i = 0; i < 40; ++i) {
        file += (i % 2 == 0 ? "alias Twin t" : "alias other" + std::to_string(i) + " o") +
                std::to_string(i) + "@x\r\n";
    }
    NicknameIndex index(file);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(index.ordinalOf(i), i % 2 == 0 ? i / 2 + 1 : 1u) << i;
    }
    ASSERT_NE(index.placeOf("twin"), NicknameIndex::kNotDefined);
    EXPECT_EQ(index.addressesAt(index.placeOf("TWIN")), "t0@x");
}

}  // namespace
}  // namespace nickbridge

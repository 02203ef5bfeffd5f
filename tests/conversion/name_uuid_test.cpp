// SPDX-License-Identifier: MIT
#include "conversion/name_uuid.h"

#include <gtest/gtest.h>

#include <string>

#include "conversion/sha1.h"
#include "test_support.h"

namespace nickbridge {
namespace {

std::string hex(const Sha1Digest& digest) {
    constexpr const char* kHex = "0123456789abcdef";
    std::string text;
    for (const auto byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
    }
    return text;
}

struct DigestCase {
    std::string name;
    std::string message;
    const char* digest;
};

class Sha1Vectors : public ::testing::TestWithParam<DigestCase> {};

// Both ways of working through a block; on a processor without SHA instructions both are plain.
TEST_P(Sha1Vectors, GiveThePublishedDigest) {
    EXPECT_EQ(hex(sha1(GetParam().message)), GetParam().digest);
    EXPECT_EQ(hex(sha1(GetParam().message, Sha1::Engine::Plain)), GetParam().digest);
}

// FIPS 180 examples, and lengths either side of where the padding needs a second block.
INSTANTIATE_TEST_SUITE_P(
    Published, Sha1Vectors,
    ::testing::Values(
        DigestCase{"Empty", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        DigestCase{"Abc", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        DigestCase{"TwoBlocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                   "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        DigestCase{"PaddingFitsInOneBlock", std::string(55, 'a'),
                   "c1c8bbdc22796e28c0e15163d20899b65621d65a"},
        DigestCase{"PaddingNeedsASecondBlock", std::string(56, 'a'),
                   "c2db330f6083854c99d4b5bfb6e8f29f201be699"},
        DigestCase{"WholeBlock", std::string(64, 'a'), "0098ba824b5c16427bd7a1122a5a442a25ec644d"},
        DigestCase{"MillionA", std::string(1'000'000, 'a'),
                   "34aa973cd4c4daa4f61eeb2bdbad27316534016f"}),
    test::CaseName{});

constexpr Uuid kDnsNamespace{0x6b, 0xa7, 0xb8, 0x10, 0x9d, 0xad, 0x11, 0xd1,
                             0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};

TEST(NameBasedUuid, GivesThePublishedVersion5Uuids) {
    // RFC 9562 appendix A.4, and Python's uuid.uuid5 documentation.
    EXPECT_EQ(nameBasedUuid(kDnsNamespace, "www.example.com"),
              "2ed6657d-e927-568b-95e1-2665a8aea6a2");
    EXPECT_EQ(nameBasedUuid(kDnsNamespace, "python.org"), "886313e1-3b8a-5372-9b90-0c9aee199e5d");
}

}  // namespace
}  // namespace nickbridge

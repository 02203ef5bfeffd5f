// SPDX-License-Identifier: MIT
#include "ui/path_text.h"

#include <gtest/gtest.h>

#include <string>

namespace nickbridge::testing {
namespace {

using ui::pathBytes;
using ui::pathText;

TEST(PathText, EveryOneAndTwoByteStringComesBackUnchanged) {
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        ASSERT_EQ(pathBytes(pathText(one)), one) << first;
        for (int second = 0; second < 256; ++second) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(pathBytes(pathText(two)), two) << first << ' ' << second;
        }
    }
}

// Each undecodable byte becomes U+DC00 plus the byte; everything valid is shown as it is.
TEST(PathText, ShowsValidUtf8AsItIsAndEachOtherByteAsItsOwnEscape) {
    const struct {
        const char* name;
        std::string bytes;
        std::u16string shown;
    } cases[] = {
        {"Latin-1", "caf\xE9.txt", u"caf\xDCE9.txt"},
        {"two-byte", "\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
        {"three-byte", "\xE2\x82\xAC", u"\u20AC"},
        {"four-byte", "\xF0\x9F\x98\x80", u"\U0001F600"},
        {"highest code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"beyond the highest", "\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},
        {"overlong slash", "\xC0\xAF", u"\xDCC0\xDCAF"},
        {"overlong three-byte", "\xE0\x80\xAF", u"\xDCE0\xDC80\xDCAF"},
        {"encoded surrogate", "\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},
        {"cut short before a slash", "\xE2\x82/", u"\xDCE2\xDC82/"},
        {"cut short at the end", "a\xF0\x9F\x98", u"a\xDCF0\xDC9F\xDC98"},
        {"stray continuation", "\x80z", u"\xDC80z"},
        {"invalid lead bytes", "\xF8\xFF", u"\xDCF8\xDCFF"},
        {"escape of a four-byte code point", "\xF0\x90\x82\x80\xE9",
         u"\U00010080\xDCE9"},  // the pair's low half lies in the escape range
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString shown = pathText(c.bytes);
        EXPECT_EQ(shown, QString::fromStdU16String(c.shown));
        EXPECT_EQ(pathBytes(shown), c.bytes);
    }
}

}  // namespace
}  // namespace nickbridge::testing

// SPDX-License-Identifier: MIT
#include "conversion/vcard_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/text_charset.h"
#include "test_support.h"

namespace nickbridge {
namespace {

struct DecodeCase {
    std::string name;
    Charset charset;
    std::string bytes;
    std::string utf8;
};

class Decoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, GivesTheCharactersOfTheCodePage) {
    EXPECT_EQ(cleanValue(GetParam().bytes, CharDecoder(GetParam().charset), ValueKind::Text),
              GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, Decoding,
    ::testing::Values(
        DecodeCase{"Windows1252Quote", Charset::Windows1252, "O\x92Hara", "O\u2019Hara"},
        DecodeCase{"Windows1252Euro", Charset::Windows1252, "\x80 5", "\u20ac 5"},
        DecodeCase{"Windows1252Latin1", Charset::Windows1252, "Ren\xe9", "Ren\u00e9"},
        // Unassigned in Windows-1252: a control character, left out.
        DecodeCase{"Windows1252Unassigned", Charset::Windows1252, "a\x81z", "az"},
        DecodeCase{"MacintoshAccent", Charset::Macintosh, "Ren\x8e", "Ren\u00e9"},
        DecodeCase{"MacintoshEuro", Charset::Macintosh, "\xdb", "\u20ac"},
        DecodeCase{"Utf8Kept", Charset::Utf8, "Ren\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
                   "Ren\u00e9 \u20ac \U0001F600"},
        DecodeCase{"Utf8InvalidByte", Charset::Utf8, "a\xe9z", "a\ufffdz"},
        DecodeCase{"Utf8Overlong", Charset::Utf8, "\xc0\xaf", "\ufffd\ufffd"},
        DecodeCase{"Utf8CutShort", Charset::Utf8, "a\xe2\x82", "a\ufffd\ufffd"},
        DecodeCase{"Utf8Surrogate", Charset::Utf8, "\xed\xa0\x80", "\ufffd\ufffd\ufffd"}),
    test::CaseName{});

struct DetectCase {
    std::string name;
    std::string bytes;
    Charset detected;
};

class AutoCharset : public ::testing::TestWithParam<DetectCase> {};

TEST_P(AutoCharset, TakesUtf8OnlyWhenTheWholeFileIsUtf8) {
    EXPECT_EQ(resolveCharset(Charset::Auto, GetParam().bytes), GetParam().detected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AutoCharset,
    ::testing::Values(DetectCase{"Ascii", "alias a a@b\r\n", Charset::Windows1252},
                      DetectCase{"Utf8", "alias ren\xc3\xa9 r@b\r\n", Charset::Utf8},
                      DetectCase{"Latin", "alias ren\xe9 r@b\r\n", Charset::Windows1252},
                      DetectCase{"Utf8ThenOneBadByte", "alias \xc3\xa9\r\nnote \xe9\r\n",
                                 Charset::Windows1252},
                      DetectCase{"CutAtTheEnd", "alias \xc3", Charset::Windows1252}),
    test::CaseName{});

// ASCII is read 32 bytes at a time: a byte beyond ASCII counts wherever it falls.
TEST(AutoCharset, SeesAByteBeyondAsciiAnywhere) {
    for (std::size_t at = 0; at <= 70; ++at) {
        SCOPED_TRACE(at);
        const std::string before(at, 'a');
        const std::string after(70 - at, 'z');
        EXPECT_EQ(resolveCharset(Charset::Auto, before + "\xc3\xa9" + after), Charset::Utf8);
        EXPECT_EQ(resolveCharset(Charset::Auto, before + "\xe9" + after), Charset::Windows1252);
    }
}

TEST(ChosenCharset, IsKeptWhateverTheFileHolds) {
    EXPECT_EQ(resolveCharset(Charset::Macintosh, "alias \xc3\xa9"), Charset::Macintosh);
    EXPECT_EQ(resolveCharset(Charset::Utf8, "alias \xe9"), Charset::Utf8);
}

struct ValueCase {
    std::string name;
    std::string raw;
    ValueKind kind;
    std::string written;  // as the property line holds it
};

class Values : public ::testing::TestWithParam<ValueCase> {};

TEST_P(Values, AreCleanedAndEscaped) {
    std::string line = "X:";
    appendValue(line, GetParam().raw, CharDecoder(Charset::Windows1252), GetParam().kind);
    EXPECT_EQ(line, "X:" + GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Values,
    ::testing::Values(ValueCase{"Backslash", "C:\\temp", ValueKind::Text, "C:\\\\temp"},
                      ValueCase{"Comma", "Smith, Jr.", ValueKind::Text, "Smith\\, Jr."},
                      ValueCase{"Semicolon", "a;b", ValueKind::Text, "a\\;b"},
                      ValueCase{"Code3IsALineBreak", "1 Main St\x03Springfield", ValueKind::Text,
                                "1 Main St\\nSpringfield"},
                      ValueCase{"CrLfIsOneLineBreak", "a\r\nb\nc\rd", ValueKind::Text,
                                "a\\nb\\nc\\nd"},
                      ValueCase{"TabKept", "a\tb", ValueKind::Text, "a\tb"},
                      ValueCase{"OtherControlsLeftOut",
                                "a\x01\x1f\x7f"
                                "b",
                                ValueKind::Text, "ab"},
                      ValueCase{"BlanksAtTheEndsGo", " \t\x03 a b \x03\t ", ValueKind::Text, "a b"},
                      ValueCase{"QuotesKept", "say \"hi\"", ValueKind::Text, "say \"hi\""},
                      ValueCase{"UriNotEscaped", "http://x.org/a,b;c\\d", ValueKind::Uri,
                                "http://x.org/a,b;c\\d"},
                      ValueCase{"UriKeepsNoLineBreak", "http://x.org/\x03more", ValueKind::Uri,
                                "http://x.org/more"}),
    test::CaseName{});

// Plain bytes are read eight at a time: a byte that is not plain must be seen wherever it falls
// in or after a group of eight, and a value must be read to its last byte.
TEST(Values, AreReadWholeWhereverTheirSpecialCharactersFall) {
    const struct {
        const char* name;
        char byte;
        ValueKind kind;
        std::string written;
    } cases[] = {
        {"comma", ',', ValueKind::Text, "\\,"},          {"semicolon", ';', ValueKind::Text, "\\;"},
        {"backslash", '\\', ValueKind::Text, "\\\\"},    {"code 3", '\x03', ValueKind::Text, "\\n"},
        {"control", '\x01', ValueKind::Text, ""},        {"DEL", '\x7f', ValueKind::Text, ""},
        {"accent", '\xe9', ValueKind::Text, "\xc3\xa9"}, {"tab", '\t', ValueKind::Text, "\t"},
        {"comma in a URI", ',', ValueKind::Uri, ","},
    };
    const CharDecoder decoder(Charset::Windows1252);
    for (const auto& c : cases) {
        for (std::size_t before = 1; before <= 17; ++before) {
            for (const std::size_t after : {std::size_t{1}, std::size_t{7}, std::size_t{8}}) {
                SCOPED_TRACE(std::string(c.name) + " after " + std::to_string(before) +
                             " bytes, before " + std::to_string(after));
                const std::string head(before, 'x');
                const std::string tail(after, 'y');
                std::string line;
                EXPECT_TRUE(appendValue(line, head + c.byte + tail, decoder, c.kind));
                EXPECT_EQ(line, head + c.written + tail);
            }
        }
    }
    for (std::size_t length = 0; length <= 17; ++length) {
        SCOPED_TRACE("plain, " + std::to_string(length) + " bytes");
        const std::string plain(length, 'p');
        std::string line;
        EXPECT_EQ(appendValue(line, " \t" + plain + "\x03 ", decoder, ValueKind::Text), length > 0);
        EXPECT_EQ(line, plain);
    }
}

TEST(Values, ThatHoldNothingAppendNothing) {
    std::string line = "NOTE:";
    EXPECT_FALSE(
        appendValue(line, " \x03\x01 ", CharDecoder(Charset::Windows1252), ValueKind::Text));
    EXPECT_EQ(line, "NOTE:");
}

std::vector<std::string> physicalLines(const std::string& folded) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t crlf; (crlf = folded.find("\r\n", start)) != std::string::npos;
         start = crlf + 2) {
        lines.push_back(folded.substr(start, crlf - start));
    }
    lines.push_back(folded.substr(start));
    return lines;
}

std::string folded(const std::string& line) {
    std::string out;
    appendFolded(out, line, true);
    return out;
}

TEST(Folding, LeavesA75OctetLineWhole) {
    const std::string line = "NOTE:" + std::string(70, 'x');
    EXPECT_EQ(folded(line), line);
}

TEST(Folding, BreaksThe76thOctetOntoAContinuationLine) {
    const std::string line = "NOTE:" + std::string(71, 'x');
    EXPECT_EQ(folded(line), "NOTE:" + std::string(70, 'x') + "\r\n x");
}

TEST(Folding, KeepsEveryLineWithin75OctetsAndUnfoldsToTheLine) {
    const std::string line = "NOTE:" + std::string(300, 'y');
    const std::string text = folded(line);
    std::string unfolded;
    for (const std::string& physical : physicalLines(text)) {
        EXPECT_LE(physical.size(), kVCardLineLimit);
        unfolded += unfolded.empty() ? physical : physical.substr(1);
    }
    EXPECT_EQ(unfolded, line);
}

TEST(Folding, NeverSplitsATwoByteCharacter) {
    // "é" would straddle octets 75 and 76.
    const std::string line = "NOTE:" + std::string(69, 'x') + "\xc3\xa9z";
    EXPECT_EQ(folded(line), "NOTE:" + std::string(69, 'x') + "\r\n \xc3\xa9z");
}

TEST(Folding, NeverSplitsAThreeByteCharacter) {
    // "€" would straddle octets 74 to 76.
    const std::string line = "NOTE:" + std::string(68, 'x') +
                             "\xe2\x82\xac"
                             "z";
    EXPECT_EQ(folded(line), "NOTE:" + std::string(68, 'x') +
                                "\r\n \xe2\x82\xac"
                                "z");
}

TEST(Folding, NeverPutsASpaceRightAfterTheFold) {
    const std::string line = "NOTE:" + std::string(69, 'x') + "a b";
    EXPECT_EQ(folded(line), "NOTE:" + std::string(69, 'x') + "\r\n a b");
}

TEST(Folding, BreaksBeforeASpaceOnlyWhenALineIsNothingElse) {
    const std::string line = "NOTE:" + std::string(100, ' ') + "z";
    for (const std::string& physical : physicalLines(folded(line))) {
        EXPECT_LE(physical.size(), kVCardLineLimit);
    }
}

TEST(Folding, IsLeftOutOnRequest) {
    const std::string line = "NOTE:" + std::string(300, 'y');
    std::string out;
    appendFolded(out, line, false);
    EXPECT_EQ(out, line);
}

}  // namespace
}  // namespace nickbridge

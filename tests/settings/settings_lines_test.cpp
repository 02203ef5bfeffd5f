// SPDX-License-Identifier: MIT
#include "settings/settings_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace nickbridge::settings_lines {
namespace {

using ::testing::ElementsAreArray;

struct SplitCase {
    const char* name;
    std::string bytes;
    std::size_t count;
    std::vector<std::string> lines;
};

class ReadLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ReadLines, SplitsAtEveryKindOfLineEnd) {
    std::istringstream in(GetParam().bytes);
    EXPECT_THAT(readLines(in, GetParam().count), ElementsAreArray(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLines,
    ::testing::Values(SplitCase{"Empty", "", 15, {}},
                      SplitCase{"CrLf", "a\r\nb\r\n", 15, {"a", "b"}},
                      SplitCase{"LoneLf", "a\nb\n", 15, {"a", "b"}},
                      SplitCase{"CrOnly", "a\rb\r", 15, {"a", "b"}},
                      SplitCase{"MixedEnds", "a\r\nb\nc\rd\r\n", 15, {"a", "b", "c", "d"}},
                      // LF then CR is two line ends, not one.
                      SplitCase{"LfThenCr", "a\n\rb", 15, {"a", "", "b"}},
                      SplitCase{"EmptyLines", "\r\n\r\nc\r\n", 15, {"", "", "c"}},
                      SplitCase{"LastLineWithoutEnd", "a\r\nb", 15, {"a", "b"}},
                      // Longer than the runs the reader gathers bytes in.
                      SplitCase{"LongLines",
                                std::string(10'000, 'x') + "\r\n" + std::string(8'192, 'y'),
                                15,
                                {std::string(10'000, 'x'), std::string(8'192, 'y')}},
                      SplitCase{"StopsAtCount", "1\r\n2\r\n3\r\n4\r\n", 2, {"1", "2"}},
                      SplitCase{"BlanksCommasQuotesKept", " a, \"b\" \r\n", 15, {" a, \"b\" "}},
                      SplitCase{"EightBitAndNulBytes",
                                std::string("\xe9\0\xff\r\n", 5),
                                15,
                                {std::string("\xe9\0\xff", 3)}}),
    [](const auto& test) { return test.param.name; });

TEST(ReadLinesPosition, LeavesTheStreamRightAfterTheLastLineRead) {
    std::istringstream in("a\r\nb\r\nc");
    ASSERT_THAT(readLines(in, 1), ElementsAreArray({"a"}));
    EXPECT_THAT(readLines(in, 15), ElementsAreArray({"b", "c"}));
}

struct BlankCase {
    const char* line;
    const char* value;
};

class SkipLeadingBlanks : public ::testing::TestWithParam<BlankCase> {};

TEST_P(SkipLeadingBlanks, DropsOnlyTheBlanksBeforeTheText) {
    EXPECT_EQ(skipLeadingBlanks(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Lines, SkipLeadingBlanks,
                         ::testing::Values(BlankCase{"c:\\temp", "c:\\temp"},
                                           BlankCase{"   c:\\temp", "c:\\temp"},
                                           BlankCase{"\t c", "c"}, BlankCase{"c  ", "c  "},
                                           BlankCase{" a b ", "a b "}, BlankCase{"   ", ""},
                                           BlankCase{"", ""}));

struct BoxCase {
    const char* line;
    std::optional<BoxState> state;
};

class ParseBoxState : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ParseBoxState, AcceptsOnlyZeroOneAndTwo) {
    EXPECT_EQ(parseBoxState(GetParam().line), GetParam().state) << '"' << GetParam().line << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseBoxState,
    ::testing::Values(BoxCase{"1", BoxState::Ticked}, BoxCase{" 1 ", BoxState::Ticked},
                      BoxCase{" 0 ", BoxState::Clear}, BoxCase{" 2 ", BoxState::Greyed},
                      BoxCase{"\t2\t", BoxState::Greyed}, BoxCase{"01", BoxState::Ticked},
                      BoxCase{"+1", BoxState::Ticked}, BoxCase{"-0", BoxState::Clear},
                      BoxCase{"3", std::nullopt}, BoxCase{"10", std::nullopt},
                      BoxCase{"-1", std::nullopt}, BoxCase{"99999999999999999999", std::nullopt},
                      BoxCase{"word", std::nullopt}, BoxCase{"1x", std::nullopt},
                      BoxCase{"1 1", std::nullopt}, BoxCase{"c", std::nullopt},
                      BoxCase{"", std::nullopt}, BoxCase{"  ", std::nullopt},
                      BoxCase{"+", std::nullopt}, BoxCase{"1.0", std::nullopt}));

TEST(PrintBoxState, IsBlankDigitBlankAndReadsBack) {
    for (const BoxState state : {BoxState::Clear, BoxState::Ticked, BoxState::Greyed}) {
        const std::string printed = printBoxState(state);
        ASSERT_EQ(printed.size(), 3u);
        EXPECT_EQ(printed.front(), ' ');
        EXPECT_EQ(printed.back(), ' ');
        EXPECT_EQ(parseBoxState(printed), state);
    }
    EXPECT_EQ(printBoxState(BoxState::Ticked), "\x20\x31\x20");
}

TEST(DefaultBlock, IsTwoEmptyFiveCAndThirtyOneLinesEachEndingCrLf) {
    std::string expected = "\r\n\r\n";
    for (int i = 0; i < 5; ++i) expected += "c\r\n";
    for (int i = 0; i < 30; ++i) expected += "1\r\n";
    EXPECT_EQ(defaultBlock(), expected);
}

}  // namespace
}  // namespace nickbridge::settings_lines

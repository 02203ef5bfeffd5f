// SPDX-License-Identifier: MIT
#include "conversion/nickname_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "test_support.h"

namespace nickbridge {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using Records = std::vector<std::string>;

struct NicknameFileCase {
    const char* name;
    std::string_view text;
    bool accepted;
    friend void PrintTo(const NicknameFileCase& c, std::ostream* os) { *os << c.name; }
};

class IsNicknameFileTest : public ::testing::TestWithParam<NicknameFileCase> {};

TEST_P(IsNicknameFileTest, ChecksFirstFourCharacters) {
    EXPECT_EQ(isNicknameFile(GetParam().text), GetParam().accepted);
}

const NicknameFileCase kFirstLines[] = {
    {"Alias", "alias bob bob@home\r\n", true},
    {"Aliases", "aliases\r\n", true},
    {"JustAlia", "alia", true},
    {"CapitalA", "Alias bob bob@home\r\n", false},
    {"BlankFirstLine", "\r\nalias bob\r\n", false},
    {"LeadingLoneLfIsText", "\nalias bob", false},
    {"Empty", "", false},
};

INSTANTIATE_TEST_SUITE_P(FirstLines, IsNicknameFileTest, ::testing::ValuesIn(kFirstLines),
                         test::CaseName());

struct RecordsCase {
    const char* name;
    std::string_view text;
    Records expected;
    friend void PrintTo(const RecordsCase& c, std::ostream* os) { *os << c.name; }
};

// Every record the reader walks, in order.
Records readAll(std::string_view text) {
    Records records;
    RecordReader reader(text);
    while (reader.next()) records.push_back(reader.record());
    return records;
}

class RecordReaderTest : public ::testing::TestWithParam<RecordsCase> {};

TEST_P(RecordReaderTest, BuildsOneRecordPerAliasLine) {
    EXPECT_EQ(readAll(GetParam().text), GetParam().expected);
}

const RecordsCase kFiles[] = {
    {"AliasAndNote",
     "alias bob bob@home\r\nnote bob <name:Bob Smith>Plays chess\r\n",
     {"bob bob@home||bob <name:Bob Smith>Plays chess^^"}},
    {"NoFinalLineEnd", "alias kim kim@work", {"kim kim@work|"}},
    {"CrOnly", "alias a\rnote x\ralias b\r", {"a||x^^", "b|"}},
    {"LoneLfIsText", "alias a\nalias b\n", {"a\nalias b\n|"}},
    {"MixedEnds", "alias a\nb\r\nalias c", {"a\nb|", "c|"}},
    {"BlankLines", "alias a\r\n\r\nalias b\r\n\r\n", {"a|", "|", "b|", "|"}},
    {"CrCrLfIsTwoLineEnds", "alias a\r\r\nalias b", {"a|", "|", "b|"}},
    {"TwoNotes", "alias a\r\nnote x\r\nnote y\r\n", {"a||x^^|y^^"}},
    {"NoteAfterOtherNickname",
     "alias amy\r\nalias ben\r\nnote amy <phone:1>\r\n",
     {"amy|", "ben||amy <phone:1>^^"}},
    {"NotebookIsNote", "alias a\r\nnotebook 1\r\n", {"a||ook 1^^"}},
    {"BareNote", "alias a\r\nnote\r\n", {"a||^^"}},
    {"CapitalNoteIsAlias", "alias a\r\nNote bob x\r\n", {"a|", "ob x|"}},
    {"ShortAliasLines", "alias\r\nalia\r\nalias b\r\n", {"|", "|", "b|"}},
    {"AliasesFromSeventhCharacter", "aliases bob\r\n", {"s bob|"}},
    {"BytesPassUnchanged",
     "alias a\0b\x80\xff\tc\x03\r\nnote \x01\xe9\nz\r\n"sv,
     {"a\0b\x80\xff\tc\x03||\x01\xe9\nz^^"s}},
};

INSTANTIATE_TEST_SUITE_P(Files, RecordReaderTest, ::testing::ValuesIn(kFiles), test::CaseName());

class NicknameFileTest : public ::testing::Test {
protected:
    testing::TempFolder dir;
    NicknameFile file;
};

TEST_F(NicknameFileTest, HoldsTheWholeFileUnchanged) {
    const auto path = dir.file("nicknames.txt");
    const std::string_view text = "alias a\0\xe9\r\nnote x\r\nalias b"sv;
    testing::writeBytes(path, text);

    EXPECT_EQ(file.open(path).status, LoadStatus::Loaded);
    EXPECT_EQ(file.text(), text);
    EXPECT_EQ(readAll(file.text()), (Records{"a\0\xe9||x^^"s, "b|"}));
}

TEST_F(NicknameFileTest, RefusedFileHoldsNothing) {
    for (const std::string_view text : {"Alias bob\r\nalias kim\r\n"sv, ""sv}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        const auto path = dir.file("refused.txt");
        testing::writeBytes(path, text);

        EXPECT_EQ(file.open(path).status, LoadStatus::Refused);
        EXPECT_TRUE(file.text().empty());
    }
}

TEST_F(NicknameFileTest, UnreadableFileSaysWhy) {
    for (const std::string& path : {dir.file("missing.txt"), dir.path().string()}) {
        SCOPED_TRACE(path);
        const LoadResult result = file.open(path);

        EXPECT_EQ(result.status, LoadStatus::Unreadable);
        EXPECT_FALSE(result.reason.empty());
    }
}

}  // namespace
}  // namespace nickbridge

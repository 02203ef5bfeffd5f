// SPDX-License-Identifier: MIT
#include "conversion/field_extraction.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace nickbridge {
namespace {

struct ExtractionCase {
    const char* name;
    std::string record;
    FieldSet expected;
    friend void PrintTo(const ExtractionCase& c, std::ostream* os) { *os << c.name; }
};

class ExtractFieldsTest : public ::testing::TestWithParam<ExtractionCase> {};

TEST_P(ExtractFieldsTest, YieldsExpectedFields) {
    EXPECT_EQ(extractFields(GetParam().record), GetParam().expected);
}

// Record texts as the loader builds them: alias text, "|", then "|" note "^^" per note line.
// Fields in order: fullName, firstName, lastName, email, phone, fax, address, notes.
const ExtractionCase kCases[] = {
    {"TagsAndFreeNote",
     "bob bob@home||bob <name:Bob Smith><phone:555 0100>Plays chess^^",
     {"Bob Smith", "Bob", "Smith", "bob@home", "555 0100", "", "", "Plays chess"}},
    {"NicknameWithItsSpaceIsTheFullName",
     "kim kim@work|",
     {"kim ", "kim", "", "kim@work", "", "", "", ""}},
    {"NameSplitsAtItsFirstSpace",
     "mary mary@home||mary <name:Mary Ann Smith>^^",
     {"Mary Ann Smith", "Mary", "Ann Smith", "mary@home", "", "", "", ""}},
    {"QuotedName",
     "\"Bob Smith\" bob@home|",
     {"Bob Smith", "Bob", "Smith", "bob@home", "", "", "", ""}},
    {"UnpartneredQuoteFallsBackToFirstSpace",
     "\"Bob bob@home|",
     {"\"Bob ", "\"Bob", "", "bob@home", "", "", "", ""}},
    {"LastAddressWins", "team a@one, b@two|", {"team ", "team", "", "b@two", "", "", "", ""}},
    {"AtSignWithoutEndCharacterIsSkipped", "x a@b||x c@d^^", {"", "", "", "a@b", "", "", "", ""}},
    {"AddressWithNothingBeforeItIsDropped", "bob@home|", {}},
    {"ColonStartsLocalPart", "x mailto:al@home|", {"x ", "x", "", "al@home", "", "", "", ""}},
    {"Code3BecomesSpace",
     "pat pat@home||pat <address:1 Main St\x03Springfield>^^",
     {"", "", "", "pat@home", "", "", "1 Main St Springfield", ""}},
    {"NoteWithoutTagsGivesNoNoteAndNoName",
     "sue sue@home||sue Likes tea^^",
     {"", "", "", "sue@home", "", "", "", ""}},
    {"NoteRunsFromLastBracketEvenInAliasText",
     "joe Joe Doe <joe@home>||joe Likes tea^^",
     {"", "", "", "joe@home", "", "", "", "||joe Likes tea"}},
    {"NoteEndingInTagGivesNoNote",
     "ann ann@home||ann Likes tea<phone:555>^^",
     {"", "", "", "ann@home", "555", "", "", ""}},
    {"SecondNameTagWins",
     "lee lee@home||lee <name:Al Bo>^^|lee <name:Cyrus Dee>^^",
     {"Cyrus Dee", "Cyrus", "Dee", "lee@home", "", "", "", ""}},
    {"LeadingSpaceInNameGivesEmptyFirstName",
     "x||x <name: Al>^^",
     {" Al", "", "Al", "", "", "", "", ""}},
    {"NameTagOnlyCountsInNotes",
     "zed <name:Al Bo><phone:1>||zed Hi^^",
     {"", "", "", "", "1", "", "", "||zed Hi"}},
    {"BlankRecord", "|", {}},
    {"AllFourTags",
     "x||x <fax:2><address:3 Elm><phone:1>done^^",
     {"", "", "", "", "1", "2", "3 Elm", "done"}},
    // A tag needs its whole word and colon right after the "<".
    {"LongerWordIsNoTag", "x||x <phone:111><phone2:555>^^", {"", "", "", "", "111", "", "", ""}},
    {"ShortNameWordIsNoTag", "x||x <nam:Al Bo>Hi^^", {"", "", "", "", "", "", "", "Hi"}},
    {"ShortAddressWordIsNoTag", "x||x <addr:1 Main St>^^", {}},
    {"TagWithoutColonIsNoTag", "x||x <fax 555>^^", {}},
    {"TagWordIsCaseSensitive", "x||x <Phone:1><NAME:Al Bo>^^", {}},
    {"TagWithoutClosingBracketKeepsEarlierValue",
     "x||x <phone:111><phone:222^^",
     {"", "", "", "", "111", "", "", "<phone:222"}},
    {"LaterEmptyTagReplacesValue", "x||x <phone:111><phone:>^^", {}},
};

INSTANTIATE_TEST_SUITE_P(Records, ExtractFieldsTest, ::testing::ValuesIn(kCases), test::CaseName());

}  // namespace
}  // namespace nickbridge

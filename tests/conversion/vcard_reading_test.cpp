// SPDX-License-Identifier: MIT
// How the vCard export reads a nickname's lines: note tags, free text and address lists.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/alias_text.h"
#include "conversion/note_tags.h"
#include "test_support.h"

namespace nickbridge {
namespace {

using ::testing::ElementsAre;

struct TagCase {
    std::string name;
    std::string note;
    NoteTag tag;
    bool found;
    std::string value;
    std::string freeText;
};

class NoteTagReading : public ::testing::TestWithParam<TagCase> {};

TEST_P(NoteTagReading, FindsTheValueAndTheFreeText) {
    NoteTags tags;
    std::string freeText;
    tags.read(GetParam().note, freeText);
    EXPECT_EQ(tags.has(GetParam().tag), GetParam().found);
    EXPECT_EQ(std::string(tags[GetParam().tag]), GetParam().value);
    EXPECT_EQ(freeText, GetParam().freeText);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, NoteTagReading,
    ::testing::Values(
        TagCase{"Plain", "<phone:555 0100>Call me", NoteTag::Phone, true, "555 0100", "Call me"},
        TagCase{"WordWithoutRegardToCase", "<PHONE:1><Phone2:2>", NoteTag::Phone2, true, "2", ""},
        TagCase{"FirstOfTwoWins", "<phone:1><phone:2>", NoteTag::Phone, true, "1", ""},
        TagCase{"BalancedValue", "<name:Bob <Bobby> Smith>x", NoteTag::Name, true,
                "Bob <Bobby> Smith", "x"},
        TagCase{"WorkSideIsItsOwnTag", "<address2:Office>", NoteTag::Address, false, "", ""},
        TagCase{"UnclosedIsFreeText", "hi <phone:555", NoteTag::Phone, false, "", "hi <phone:555"},
        TagCase{"LaterTagAfterUnclosedOne", "<name:a <phone:1>", NoteTag::Phone, true, "1",
                "<name:a"},
        TagCase{"UnknownTagLeftOutOfTheText", "<primary:1>Note", NoteTag::Phone, false, "", "Note"},
        TagCase{"AngleWithoutWordIsText", "I <3 tea", NoteTag::Phone, false, "", "I <3 tea"},
        TagCase{"TextBetweenTags", " a <fax:1> b ", NoteTag::Fax, true, "1", "a  b"},
        TagCase{"EmptyValueCounts", "<title:><title:Boss>", NoteTag::Title, true, "", ""}),
    test::CaseName{});

TEST(NoteTagReading, JoinsTheFreeTextOfSeveralLinesWithLineBreaks) {
    NoteTags tags;
    std::string freeText;
    tags.read("<name:A>first", freeText);
    tags.read("<phone:1>", freeText);
    tags.read(" second ", freeText);
    EXPECT_EQ(freeText, "first\nsecond");
    EXPECT_EQ(std::string(tags[NoteTag::Name]), "A");
    tags.clear();
    EXPECT_FALSE(tags.has(NoteTag::Name));
}

TEST(AliasText, CutsNicknameAndAddresses) {
    EXPECT_EQ(splitAliasText("ada  ada@x.org, b@y").nickname, "ada");
    EXPECT_EQ(splitAliasText("ada  ada@x.org, b@y").addresses, "ada@x.org, b@y");
    EXPECT_EQ(splitAliasText("\"Ben Okafor\" ben@x").nickname, "Ben Okafor");
    EXPECT_EQ(splitAliasText("\"Ben Okafor\" ben@x").addresses, "ben@x");
    EXPECT_EQ(afterNickname("\"Ben Okafor\" <name:Ben>"), "<name:Ben>");
}

std::vector<std::string> entries(std::string_view list) {
    std::vector<std::string> found;
    forEachAddress(list, [&found](const AddressEntry& entry) {
        found.push_back((entry.isMailbox ? "mail " : "word ") + std::string(entry.text));
    });
    return found;
}

TEST(AddressLists, SplitAtCommasOutsideQuotesParenthesesAndAngles) {
    EXPECT_THAT(entries("a@x, \"Doe, J\" <j@x>, k@x (Kim, Lee), <odd,one@x>, team"),
                ElementsAre("mail a@x", "mail j@x", "mail k@x", "mail odd,one@x", "word team"));
}

TEST(AddressLists, SkipEmptyEntries) { EXPECT_THAT(entries(" , a@x,, "), ElementsAre("mail a@x")); }

}  // namespace
}  // namespace nickbridge

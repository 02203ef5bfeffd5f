// SPDX-License-Identifier: MIT
#include "conversion/output_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "test_support.h"

namespace nickbridge {
namespace {

constexpr const char* kAllClearLine =
    R"("","","","","","","","","","","","","","","","","","","","0","Eudora Nicknames")";

// Every written field set, so each column can be told apart.
const FieldSet kFull{"Al Bo",    "Al",       "Bo",        "al@home",
                     "555 0100", "555 0199", "1 Main St", "Plays chess"};
const std::map<int, std::string> kFullColumns{{1, "Bo"},          {2, "Al"},      {6, "555 0100"},
                                              {7, "555 0199"},    {9, "al@home"}, {10, "1 Main St"},
                                              {19, "Plays chess"}};

// A line whose columns (1-based) are empty except those given and the fixed last two.
std::string lineWith(std::map<int, std::string> values) {
    // Strings, not literals: GCC 12 at -O3 warns (-Wrestrict, a false positive) on assigning a
    // literal to a std::string here.
    values[20] = std::string("0");
    values[21] = std::string("Eudora Nicknames");
    std::string line;
    for (int column = 1; column <= 21; ++column)
        line += (column > 1 ? ",\"" : "\"") + values[column] + "\"";
    return line;
}

TEST(FormatOutputLineTest, KnownRecordsGiveKnownLines) {
    const struct {
        FieldSet fields;
        FieldSelection selection;
        std::string expected;
    } cases[] = {
        {{"Bob Smith", "Bob", "Smith", "bob@home", "555 0100", "", "", "Plays chess"},
         {},
         R"("Smith","Bob","","","","555 0100","","","bob@home","","","","","","","","","","Plays chess","0","Eudora Nicknames")"},
        {{"kim ", "kim", "", "kim@work", "", "", "", ""},
         {},
         R"("","kim","","","","","","","kim@work","","","","","","","","","","","0","Eudora Nicknames")"},
        {{"Al Bo", "", "", "", "", "", "", ""}, {}, kAllClearLine},
        {kFull,
         {BoxState::Clear, BoxState::Clear, BoxState::Clear, BoxState::Clear, BoxState::Clear,
          BoxState::Clear, BoxState::Clear, BoxState::Clear},
         kAllClearLine},
        // Quotes are doubled; commas, spaces and other bytes are kept as they are.
        {{"", "\"Al\"", "", "", "", "", "", " say \"hi\", then\tgo \xe9 "},
         {},
         lineWith({{2, R"(""Al"")"}, {19, " say \"\"hi\"\", then\tgo \xe9 "}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatOutputLine(c.fields, c.selection), c.expected);
    }
}

struct BoxCase {
    const char* name;
    BoxState FieldSelection::*box;
    int column;           // 1-based; 0 for a box that owns no column
    bool keptWhenGreyed;  // the name boxes blank only when clear
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

class SelectionTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SelectionTest, BoxBlanksOnlyItsOwnColumn) {
    const BoxCase& c = GetParam();
    for (const BoxState state : {BoxState::Ticked, BoxState::Greyed, BoxState::Clear}) {
        SCOPED_TRACE(static_cast<int>(state));
        FieldSelection selection;
        selection.*c.box = state;
        auto expected = kFullColumns;
        if (state == BoxState::Clear || (state == BoxState::Greyed && !c.keptWhenGreyed))
            expected.erase(c.column);

        EXPECT_EQ(formatOutputLine(kFull, selection), lineWith(expected));
    }
}

const BoxCase kBoxes[] = {
    {"FN", &FieldSelection::firstName, 2, true},  {"LN", &FieldSelection::lastName, 1, true},
    {"EA", &FieldSelection::email, 9, false},     {"PN", &FieldSelection::phone, 6, false},
    {"FX", &FieldSelection::fax, 7, false},       {"PA", &FieldSelection::postalAddress, 10, false},
    {"NOTEs", &FieldSelection::notes, 19, false}, {"NN", &FieldSelection::nickname, 0, false},
};

INSTANTIATE_TEST_SUITE_P(Boxes, SelectionTest, ::testing::ValuesIn(kBoxes), test::CaseName());

}  // namespace
}  // namespace nickbridge

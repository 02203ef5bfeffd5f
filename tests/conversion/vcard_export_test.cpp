// SPDX-License-Identifier: MIT
#include "conversion/vcard_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "conversion/convert_command.h"
#include "conversion/nickname_index.h"
#include "support/file_bytes.h"
#include "test_support.h"

#ifndef NICKBRIDGE_TEST_DATA_DIR
#error "NICKBRIDGE_TEST_DATA_DIR must name the tests/data folder"
#endif

namespace nickbridge {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

const fs::path kData = NICKBRIDGE_TEST_DATA_DIR;

std::string exported(std::string_view fileText, const FieldSelection& selection = {},
                     const VCardOptions& options = {}, const WorkSplit& split = {}) {
    std::string out;
    LineWriter writer([&out](std::string_view piece) {
        out += piece;
        return true;
    });
    EXPECT_TRUE(writeVCards(fileText, selection, options, writer, split) && writer.finish());
    return out;
}

// Golden files, worked through by hand: every tag and its property, lists, escaping, the
// name fallbacks and UIDs (vcard_mapping), and folds next to two- and three-byte characters and
// spaces (vcard_folding).
class GoldenFiles : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenFiles, ExportAsWritten) {
    const std::string source = testing::readBytes(kData / (GetParam() + ".txt"));
    EXPECT_EQ(exported(source), testing::readBytes(kData / (GetParam() + ".vcf")));
}

INSTANTIATE_TEST_SUITE_P(Data, GoldenFiles, ::testing::Values("vcard_mapping", "vcard_folding"));

TEST(VCardExport, UnfoldedOnRequestKeepsOneLinePerProperty) {
    const std::string source = testing::readBytes(kData / "vcard_folding.txt");
    const std::string unfolded = exported(source, {}, {Charset::Auto, false});
    EXPECT_THAT(unfolded, Not(HasSubstr("\r\n ")));
    std::string folded = exported(source);
    // Unfolding the folded file gives the unfolded one.
    for (std::size_t at; (at = folded.find("\r\n ")) != std::string::npos;) folded.erase(at, 3);
    EXPECT_EQ(folded, unfolded);
}

struct BoxCase {
    std::string name;
    BoxState FieldSelection::*box;
    BoxState state;
    std::vector<std::string> leftOut;  // what the card no longer holds
};

class FieldBoxes : public ::testing::TestWithParam<BoxCase> {};

constexpr std::string_view kEveryField =
    "alias bob bob@home.example\r\n"
    "note bob <name:Bob Smith><phone:1><phone2:2><mobile:3><fax:4><fax2:5><address:6><city:7>"
    "<address2:8>Plays chess\r\n";

TEST_P(FieldBoxes, LeaveTheirPropertiesOut) {
    FieldSelection selection;
    selection.*GetParam().box = GetParam().state;
    const std::string card = exported(kEveryField, selection);
    for (const std::string& property : GetParam().leftOut) {
        EXPECT_THAT(card, Not(HasSubstr("\r\n" + property))) << card;
    }
    // FN and N are always there.
    EXPECT_THAT(card, HasSubstr("\r\nFN:"));
    EXPECT_THAT(card, HasSubstr("\r\nN:"));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FieldBoxes,
    ::testing::Values(
        BoxCase{"Email", &FieldSelection::email, BoxState::Clear, {"EMAIL"}},
        BoxCase{"EmailGreyed", &FieldSelection::email, BoxState::Greyed, {"EMAIL"}},
        BoxCase{"Phone",
                &FieldSelection::phone,
                BoxState::Clear,
                {"TEL;TYPE=HOME,VOICE", "TEL;TYPE=WORK,VOICE", "TEL;TYPE=CELL"}},
        BoxCase{"Fax", &FieldSelection::fax, BoxState::Clear, {"TEL;TYPE=FAX"}},
        BoxCase{"Address", &FieldSelection::postalAddress, BoxState::Clear, {"ADR"}},
        BoxCase{"Notes", &FieldSelection::notes, BoxState::Clear, {"NOTE"}},
        BoxCase{"Nickname", &FieldSelection::nickname, BoxState::Clear, {"NICKNAME"}},
        BoxCase{
            "FirstName", &FieldSelection::firstName, BoxState::Clear, {"N:Smith;Bob", "FN:Bob"}},
        BoxCase{
            "LastName", &FieldSelection::lastName, BoxState::Clear, {"N:Smith", "FN:Bob Smith"}}),
    test::CaseName{});

// Tag words are compared a block of bytes at a time: words that differ only past the eighth
// byte, or are a byte too long, name no tag we carry.
TEST(VCardExport, ReadsATagOnlyWhenItsWholeWordMatches) {
    const std::string card = exported(
        "alias ann ann@home.example\r\n"
        "note ann <otherphonx:1><otherphone2:2><otheremaik:x@y><OtherPhonE:3>\r\n");
    EXPECT_THAT(card, HasSubstr("\r\nTEL;TYPE=VOICE:3\r\n"));
    EXPECT_THAT(card, Not(HasSubstr(":1\r\n")));
    EXPECT_THAT(card, Not(HasSubstr(":2\r\n")));
    EXPECT_THAT(card, Not(HasSubstr("x@y")));
}

TEST(VCardExport, NameBoxesBothClearLeaveAnEmptyNameAndTheNicknameAsFN) {
    FieldSelection selection;
    selection.firstName = BoxState::Clear;
    selection.lastName = BoxState::Clear;
    const std::string card = exported(kEveryField, selection);
    EXPECT_THAT(card, HasSubstr("\r\nFN:bob\r\nN:;;;;\r\n"));
}

TEST(VCardExport, GreyedNameBoxesKeepTheName) {
    FieldSelection selection;
    selection.firstName = BoxState::Greyed;
    EXPECT_THAT(exported(kEveryField, selection),
                HasSubstr("\r\nFN:Bob Smith\r\nN:Smith;Bob;;;\r\n"));
}

TEST(VCardExport, StartsWithoutByteOrderMarkAndEndsEveryLineWithCrLf) {
    const std::string out = exported(kEveryField);
    EXPECT_TRUE(out.starts_with("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    EXPECT_TRUE(out.ends_with("END:VCARD\r\n"));
    for (std::size_t at = 0; at < out.size(); ++at) {
        if (out[at] == '\n') {
            EXPECT_EQ(out[at - 1], '\r') << at;
        }
        if (out[at] == '\r') {
            EXPECT_EQ(out[at + 1], '\n') << at;
        }
    }
}

TEST(VCardExport, ReadsAUtf8FileAsUtf8AndAnyOtherAsWindows1252) {
    EXPECT_THAT(exported("alias ren\xc3\xa9 r@x\r\n"), HasSubstr("NICKNAME:ren\xc3\xa9\r\n"));
    EXPECT_THAT(exported("alias ren\xe9 r@x\r\n"), HasSubstr("NICKNAME:ren\xc3\xa9\r\n"));
    EXPECT_THAT(exported("alias ren\x8e r@x\r\n", {}, {Charset::Macintosh, true}),
                HasSubstr("NICKNAME:ren\xc3\xa9\r\n"));
}

TEST(VCardExport, ListExpansionIsOneLevelAndLoopFree) {
    // a names b, b names a: each card gets the other's own mailbox only.
    const std::string out = exported(
        "alias a a@x, b\r\n"
        "alias b b@x, a\r\n");
    EXPECT_THAT(out,
                HasSubstr("NICKNAME:a\r\nEMAIL;TYPE=INTERNET:a@x\r\nEMAIL;TYPE=INTERNET:b@x\r\n"
                          "UID"));
    EXPECT_THAT(out,
                HasSubstr("NICKNAME:b\r\nEMAIL;TYPE=INTERNET:b@x\r\nEMAIL;TYPE=INTERNET:a@x\r\n"
                          "UID"));
}

// Cut into parts made on several threads, a file gives the bytes it gives on one: lists name
// nicknames of other parts, a nickname's second alias line is in a later part, and a part may
// start at any record (every record is one with a part of one byte).
TEST(VCardExport, SameBytesWhateverTheSplit) {
    const std::string source = testing::readBytes(kData / "vcard_mapping.txt") +
                               "alias late ada, team, eve\r\nnote late <phone:1>\r\n"
                               "alias eve second@eve.example\r\n";
    const std::string whole = exported(source, {}, {}, {NicknameIndex::kWholeFile, 1});
    for (const std::size_t partBytes : {std::size_t{1}, std::size_t{300}}) {
        for (const unsigned threads : {2u, 3u}) {
            SCOPED_TRACE(std::to_string(partBytes) + " bytes, " + std::to_string(threads));
            EXPECT_EQ(exported(source, {}, {}, {partBytes, threads}), whole);
        }
    }
}

struct PathCase {
    std::string name;
    std::string outputPath;
    std::string vcardPath;
};

class VCardPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(VCardPath, IsTheOutputFileWithVcf) {
    EXPECT_EQ(vcardPathFor(GetParam().outputPath), GetParam().vcardPath);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, VCardPath,
    ::testing::Values(PathCase{"Default", "/tmp/converted.txt", "/tmp/converted.vcf"},
                      PathCase{"OtherName", "/tmp/palm.csv", "/tmp/palm.vcf"},
                      PathCase{"NoExtension", "/tmp/palm", "/tmp/palm.vcf"},
                      PathCase{"DotInFolder", "/tmp/a.b/palm", "/tmp/a.b/palm.vcf"},
                      PathCase{"HiddenName", "/tmp/.palm", "/tmp/.palm.vcf"},
                      PathCase{"FolderOnly", "/tmp/", "/tmp/converted.vcf"},
                      PathCase{"BareName", "converted.txt", "converted.vcf"},
                      PathCase{"Empty", "", ""}),
    test::CaseName{});

}  // namespace
}  // namespace nickbridge

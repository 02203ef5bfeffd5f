// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "nickbridge/version.h"

namespace nickbridge::cli {

void PrintTo(const ConvertRequest& request, std::ostream* os) {
    *os << "{\"" << request.sourcePath << "\", \"" << request.outputPath << "\", boxes";
    for (const BoxState box :
         {request.selection.firstName, request.selection.lastName, request.selection.nickname,
          request.selection.email, request.selection.postalAddress, request.selection.phone,
          request.selection.fax, request.selection.notes}) {
        *os << ' ' << static_cast<int>(box);
    }
    *os << '}';
}

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Names each parameterised case after its label.
template <typename Case>
std::string caseLabel(const ::testing::TestParamInfo<Case>& info) {
    return info.param.label;
}

std::variant<ConvertRequest, EarlyExit> parse(std::vector<std::string> args) {
    args.insert(args.begin(), "nickbridge-convert");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    return parseCommandLine(static_cast<int>(args.size()), argv.data());
}

FieldSelection allClear() {
    return {BoxState::Clear, BoxState::Clear, BoxState::Clear, BoxState::Clear,
            BoxState::Clear, BoxState::Clear, BoxState::Clear, BoxState::Clear};
}

FieldSelection onlyTicked(BoxState FieldSelection::*box) {
    FieldSelection selection = allClear();
    selection.*box = BoxState::Ticked;
    return selection;
}

struct AcceptedCase {
    const char* label;
    std::vector<std::string> args;
    ConvertRequest expected;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.label; }

class AcceptedCommandLine : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLine, YieldsTheConversion) {
    const auto parsed = parse(GetParam().args);
    ASSERT_TRUE(std::holds_alternative<ConvertRequest>(parsed)) << std::get<EarlyExit>(parsed).err;
    EXPECT_EQ(std::get<ConvertRequest>(parsed), GetParam().expected);
}

FieldSelection firstAndEmail() {
    FieldSelection selection = allClear();
    selection.firstName = BoxState::Ticked;
    selection.email = BoxState::Ticked;
    return selection;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedCommandLine,
    ::testing::Values(
        AcceptedCase{"DefaultTicksEveryBox", {"in.txt", "out.txt"}, {"in.txt", "out.txt", {}}},
        AcceptedCase{"First",
                     {"--fields", "first", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::firstName)}},
        AcceptedCase{"Last",
                     {"--fields", "last", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::lastName)}},
        AcceptedCase{"Nickname",
                     {"--fields", "nickname", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::nickname)}},
        AcceptedCase{"Email",
                     {"--fields", "email", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::email)}},
        AcceptedCase{"Address",
                     {"--fields", "address", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::postalAddress)}},
        AcceptedCase{"Phone",
                     {"--fields", "phone", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::phone)}},
        AcceptedCase{
            "Fax", {"--fields", "fax", "s", "o"}, {"s", "o", onlyTicked(&FieldSelection::fax)}},
        AcceptedCase{"Notes",
                     {"--fields", "notes", "s", "o"},
                     {"s", "o", onlyTicked(&FieldSelection::notes)}},
        AcceptedCase{"TwoFieldsAnyOrder",
                     {"--fields", "email,first", "s", "o"},
                     {"s", "o", firstAndEmail()}},
        AcceptedCase{"RepeatedNameCountsOnce",
                     {"--fields=first,email,first", "s", "o"},
                     {"s", "o", firstAndEmail()}},
        AcceptedCase{"AllNamesListed",
                     {"--fields", "first,last,nickname,email,address,phone,fax,notes", "s", "o"},
                     {"s", "o", {}}},
        AcceptedCase{"EmptyListClearsEveryBox", {"--fields", "", "s", "o"}, {"s", "o", allClear()}},
        AcceptedCase{"OptionAfterPaths",
                     {"s", "o", "--fields", "fax"},
                     {"s", "o", onlyTicked(&FieldSelection::fax)}},
        // An empty path is the Convert command's to refuse ("Nothing to do."), not a usage error.
        AcceptedCase{"EmptySourcePath", {"", "o"}, {"", "o", {}}},
        AcceptedCase{"EmptyOutputPath", {"s", ""}, {"s", "", {}}},
        AcceptedCase{"PathsKeepTheirBytes",
                     {"Eudora Nicknames \xe9t\xe9.txt", "C:\\temp\\converted.txt"},
                     {"Eudora Nicknames \xe9t\xe9.txt", "C:\\temp\\converted.txt", {}}},
        AcceptedCase{"DashDashEndsOptions", {"--", "-in-", "-out-"}, {"-in-", "-out-", {}}}),
    caseLabel<AcceptedCase>);

struct RejectedCase {
    const char* label;
    std::vector<std::string> args;
    const char* errorMentions;
};

void PrintTo(const RejectedCase& c, std::ostream* os) { *os << c.label; }

class RejectedCommandLine : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedCommandLine, IsAUsageError) {
    const auto parsed = parse(GetParam().args);
    ASSERT_TRUE(std::holds_alternative<EarlyExit>(parsed));
    const auto& exit = std::get<EarlyExit>(parsed);
    EXPECT_EQ(exit.exitCode, 2);
    EXPECT_THAT(exit.err, HasSubstr(GetParam().errorMentions));
    EXPECT_THAT(exit.out, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RejectedCommandLine,
    ::testing::Values(
        RejectedCase{"UnknownField", {"--fields", "first,colour", "s", "o"}, "\"colour\""},
        RejectedCase{"NamesAreCaseSensitive", {"--fields", "First", "s", "o"}, "\"First\""},
        RejectedCase{"EmptyNameBetweenCommas", {"--fields", "first,,last", "s", "o"}, "\"\""},
        RejectedCase{"TrailingComma", {"--fields", "first,", "s", "o"}, "\"\""},
        RejectedCase{"SpaceIsNotStripped", {"--fields", "first, last", "s", "o"}, "\" last\""},
        RejectedCase{"FieldsWithoutList", {"s", "o", "--fields"}, "--fields"},
        RejectedCase{"NoArguments", {}, "SOURCE"}, RejectedCase{"OutputMissing", {"s"}, "OUTPUT"},
        RejectedCase{"ThirdPath", {"s", "o", "extra"}, "extra"},
        RejectedCase{"UnknownOption", {"--overwrite", "s", "o"}, "--overwrite"},
        RejectedCase{"UnknownFormat", {"--format", "ldif", "s", "o"}, "ldif"},
        RejectedCase{"UnknownCharset", {"--charset", "latin9", "s", "o.vcf"}, "latin9"},
        RejectedCase{"CharsetWithCsv", {"--charset", "utf-8", "s", "o.txt"}, "--charset"},
        RejectedCase{"NoFoldWithCsv", {"--no-fold", "--format", "csv", "s", "o.vcf"}, "--no-fold"}),
    caseLabel<RejectedCase>);

struct FormatCase {
    const char* label;
    std::vector<std::string> args;
    OutputChoice expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.label; }

class OutputFormatChoice : public ::testing::TestWithParam<FormatCase> {};

TEST_P(OutputFormatChoice, FollowsTheOptionsAndTheOutputName) {
    const auto parsed = parse(GetParam().args);
    ASSERT_TRUE(std::holds_alternative<ConvertRequest>(parsed)) << std::get<EarlyExit>(parsed).err;
    EXPECT_EQ(std::get<ConvertRequest>(parsed).output, GetParam().expected);
}

constexpr OutputChoice kCsv{};
constexpr OutputChoice kVCard{OutputFormat::VCard, {}};

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputFormatChoice,
    ::testing::Values(FormatCase{"CsvByDefault", {"s", "o.txt"}, kCsv},
                      FormatCase{"VcfOutputMeansVCard", {"s", "o.vcf"}, kVCard},
                      FormatCase{"VcfInAnyCase", {"s", "O.VcF"}, kVCard},
                      FormatCase{"VcfMustEndTheName", {"s", "o.vcf.txt"}, kCsv},
                      FormatCase{"FormatOption", {"--format", "vcard", "s", "-"}, kVCard},
                      FormatCase{"FormatOptionAnyCase", {"--format=VCard", "s", "o"}, kVCard},
                      FormatCase{
                          "FormatOptionWinsOverTheName", {"--format", "csv", "s", "o.vcf"}, kCsv},
                      FormatCase{"Charset",
                                 {"--charset", "macintosh", "s", "o.vcf"},
                                 {OutputFormat::VCard, {Charset::Macintosh, true}}},
                      FormatCase{"CharsetUtf8",
                                 {"--charset=utf-8", "s", "o.vcf"},
                                 {OutputFormat::VCard, {Charset::Utf8, true}}},
                      FormatCase{"CharsetWindows",
                                 {"--charset", "windows-1252", "s", "o.vcf"},
                                 {OutputFormat::VCard, {Charset::Windows1252, true}}},
                      FormatCase{"NoFold",
                                 {"--no-fold", "--format", "vcard", "s", "o"},
                                 {OutputFormat::VCard, {Charset::Auto, false}}}),
    caseLabel<FormatCase>);

TEST(UnknownFieldMessage, NamesEveryKnownField) {
    const auto parsed = parse({"--fields", "colour", "s", "o"});
    ASSERT_TRUE(std::holds_alternative<EarlyExit>(parsed));
    EXPECT_THAT(std::get<EarlyExit>(parsed).err,
                HasSubstr("first,last,nickname,email,address,phone,fax,notes"));
}

TEST(VersionOption, PrintsTheVersionAndSucceeds) {
    const auto parsed = parse({"--version"});
    ASSERT_TRUE(std::holds_alternative<EarlyExit>(parsed));
    const auto& exit = std::get<EarlyExit>(parsed);
    EXPECT_EQ(exit.exitCode, 0);
    EXPECT_EQ(exit.out, std::string("nickbridge-convert ") + kVersionText + "\n");
    EXPECT_THAT(exit.err, IsEmpty());
}

TEST(HelpOption, DescribesTheOptionsAndSucceeds) {
    for (const char* flag : {"--help", "-h"}) {
        const auto parsed = parse({flag, "ignored-because-help-wins"});
        ASSERT_TRUE(std::holds_alternative<EarlyExit>(parsed)) << flag;
        const auto& exit = std::get<EarlyExit>(parsed);
        EXPECT_EQ(exit.exitCode, 0) << flag;
        EXPECT_THAT(exit.out, HasSubstr("--fields")) << flag;
        for (const char* option : {"--format", "--charset", "--no-fold", ".vcf"}) {
            EXPECT_THAT(exit.out, HasSubstr(option)) << flag;
        }
        EXPECT_THAT(exit.out, HasSubstr("SOURCE")) << flag;
        EXPECT_THAT(exit.out, HasSubstr("OUTPUT")) << flag;
        EXPECT_THAT(exit.err, IsEmpty()) << flag;
    }
}

}  // namespace
}  // namespace nickbridge::cli

// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "nickbridge/version.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using nickbridge::testing::readBytes;
using nickbridge::testing::TempFolder;
using nickbridge::testing::writeBytes;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// Names each parameterised case after its label.
template <typename Case>
std::string caseLabel(const ::testing::TestParamInfo<Case>& info) {
    return info.param.label;
}

std::optional<std::string> contentsIfPresent(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    return readBytes(path);
}

std::string shellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

std::string replaceDir(std::string text, const std::string& dir) {
    const std::string_view mark = "{dir}";
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
        text.replace(at, mark.size(), dir);
        at += dir.size();
    }
    return text;
}

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built program through the shell, with a fresh folder for its files and its two
// streams caught in files there.
class ConvertToolTest : public ::testing::Test {
protected:
    // `shellSetup` runs in the same shell right before the program replaces it.
    RunResult run(const std::vector<std::string>& args, const std::string& shellSetup = "") {
        std::string command = shellSetup + "exec " + shellQuoted(NICKBRIDGE_CONVERT_PROGRAM);
        // Two appends: GCC 12 at -O3 warns (-Wrestrict, a false positive) on " " + std::string.
        for (const std::string& arg : args) command.append(" ").append(shellQuoted(arg));
        const fs::path outFile = folder_.path() / "stdout.txt";
        const fs::path errFile = folder_.path() / "stderr.txt";
        command += " >" + shellQuoted(outFile.string()) + " 2>" + shellQuoted(errFile.string());
        const int status = std::system(command.c_str());
        RunResult result;
        if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
        result.out = readBytes(outFile);
        result.err = readBytes(errFile);
        return result;
    }

    TempFolder folder_;
};

const std::string kExample = std::string(NICKBRIDGE_EXAMPLES_DIR) + "/sample-nicknames.txt";

TEST_F(ConvertToolTest, ALostCompletionMessageIsAFailure) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::string output = folder_.file("converted.txt");
    const fs::path errFile = folder_.path() / "stderr.txt";
    const std::string command = "exec " + shellQuoted(NICKBRIDGE_CONVERT_PROGRAM) + " " +
                                shellQuoted(kExample) + " " + shellQuoted(output) +
                                " >/dev/full 2>" + shellQuoted(errFile.string());
    const int status = std::system(command.c_str());

    ASSERT_TRUE(status != -1 && WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readBytes(errFile), "Cannot write to standard output\n");
    EXPECT_TRUE(fs::exists(output));
}

TEST_F(ConvertToolTest, ConvertsTheExampleFile) {
    const std::string output = folder_.file("converted.txt");
    const RunResult result = run({kExample, output});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Conversion Complete to ouput file \"" + output + "\".\n");
    EXPECT_THAT(result.err, IsEmpty());
    const std::vector<std::string> lines = crlfLines(readBytes(output));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0],
              R"("Lindqvist","Ada","","","","555 0101","555 0102","","ada@example.com",)"
              R"("12 Harbour Road Northport","","","","","","","","","Prefers mornings","0",)"
              R"("Eudora Nicknames")");
    EXPECT_EQ(lines[2],
              R"("","carla","","","","","","","carla@example.com","","","","","","","","","","",)"
              R"("0","Eudora Nicknames")");
    EXPECT_EQ(lines[3],
              R"("Vance","Dmitri","","","","","","","dvance@example.com","4 Mill Lane, Easton",)"
              R"("","","","","","","","","","0","Eudora Nicknames")");
    EXPECT_EQ(lines[5],
              R"("Team","Project","","","","","","","ben.okafor@example.com","","","","","","",)"
              R"("","","","Monthly status mail","0","Eudora Nicknames")");
}

TEST_F(ConvertToolTest, FieldsOptionBlanksTheFieldsLeftOut) {
    const std::string output = folder_.file("converted.txt");
    const RunResult result = run({"--fields", "first,email", kExample, output});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = crlfLines(readBytes(output));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0],
              R"("","Ada","","","","","","","ada@example.com","","","","","","","","","","",)"
              R"("0","Eudora Nicknames")");
}

TEST_F(ConvertToolTest, FailedWriteLeavesTheOldOutputFile) {
    // A file size limit fails the write, even for root; the example's output is over 512 bytes.
    const std::string output = folder_.file("converted.txt");
    writeBytes(output, "previous output\r\n");
    const RunResult result = run({kExample, output}, "trap '' XFSZ; ulimit -f 1; ");

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, IsEmpty());
    EXPECT_THAT(result.err, StartsWith("Cannot write the output file \"" + output + "\": "));
    EXPECT_EQ(readBytes(output), "previous output\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 3)
        << "a temporary file was left behind beside converted.txt, stdout.txt and stderr.txt";
}

struct FailureCase {
    const char* label;
    std::optional<std::string> sourceText;  // written to {dir}/nicknames.txt; none: no file
    std::string sourceArg;
    std::string outputArg;
    std::optional<std::string> previousOutput;  // written to {dir}/converted.txt beforehand
    std::string errorStart;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.label; }

class ConvertToolFailure : public ConvertToolTest,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ConvertToolFailure, ExitsWithOneAndLeavesTheOutputAlone) {
    const FailureCase& c = GetParam();
    if (c.outputArg == "/dev/full" && !fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::string dir = folder_.path().string();
    if (c.sourceText) writeBytes(folder_.file("nicknames.txt"), *c.sourceText);
    if (c.previousOutput) writeBytes(folder_.file("converted.txt"), *c.previousOutput);

    const RunResult result = run({replaceDir(c.sourceArg, dir), replaceDir(c.outputArg, dir)});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.out, IsEmpty());
    EXPECT_THAT(result.err, StartsWith(replaceDir(c.errorStart, dir)));
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(contentsIfPresent(folder_.file("converted.txt")), c.previousOutput);
}

const std::string kNickname = "alias kim kim@example.com\r\n";
const std::string kOld = "previous output\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertToolFailure,
    ::testing::Values(
        FailureCase{"MissingSource", std::nullopt, "{dir}/nicknames.txt", "{dir}/converted.txt",
                    std::nullopt, "Cannot read the nickname file \"{dir}/nicknames.txt\": "},
        FailureCase{"MissingSourceKeepsOldOutput", std::nullopt, "{dir}/nicknames.txt",
                    "{dir}/converted.txt", kOld,
                    "Cannot read the nickname file \"{dir}/nicknames.txt\": "},
        FailureCase{"SourceIsAFolder", std::nullopt, "{dir}", "{dir}/converted.txt", std::nullopt,
                    "Cannot read the nickname file \"{dir}\": "},
        FailureCase{"RefusedSource", "Alias kim kim@example.com\r\n", "{dir}/nicknames.txt",
                    "{dir}/converted.txt", std::nullopt,
                    "This does not appear to be a Eudora Nicknames file.\n"},
        FailureCase{"RefusedSourceKeepsOldOutput", "From: kim@example.com\r\n",
                    "{dir}/nicknames.txt", "{dir}/converted.txt", kOld,
                    "This does not appear to be a Eudora Nicknames file.\n"},
        FailureCase{"EmptySourceIsRefused", "", "{dir}/nicknames.txt", "{dir}/converted.txt",
                    std::nullopt, "This does not appear to be a Eudora Nicknames file.\n"},
        FailureCase{"EmptySourcePath", kNickname, "", "{dir}/converted.txt", kOld,
                    "Nothing to do.\n"},
        FailureCase{"EmptyOutputPath", kNickname, "{dir}/nicknames.txt", "", std::nullopt,
                    "Nothing to do.\n"},
        FailureCase{"OutputIsAFolder", kNickname, "{dir}/nicknames.txt", "{dir}", std::nullopt,
                    "Cannot write the output file \"{dir}\": "},
        FailureCase{"OutputFolderMissing", kNickname, "{dir}/nicknames.txt",
                    "{dir}/no-such-folder/converted.txt", kOld,
                    "Cannot write the output file \"{dir}/no-such-folder/converted.txt\": "},
        FailureCase{"DeviceFullOutput", kNickname, "{dir}/nicknames.txt", "/dev/full", std::nullopt,
                    "Cannot write the output file \"/dev/full\": "}),
    caseLabel<FailureCase>);

// "-" for standard input or output, run through the shell in the test's folder; {prog} is the
// program. Standard output goes to stdout.txt unless the case sends it elsewhere.
struct StreamCase {
    const char* label;
    std::string command;
    int exitCode;
    std::string out;  // expected standard output
    std::string err;  // expected start of standard error
};

void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.label; }

class ConvertToolStreams : public ConvertToolTest,
                           public ::testing::WithParamInterface<StreamCase> {};

const std::string kKimLine =
    R"("","kim","","","","","","","kim@example.com","","","","","","","","","","","0","Eudora Nicknames")"
    "\r\n";
const std::string kRefusal = "This does not appear to be a Eudora Nicknames file.\n";

TEST_P(ConvertToolStreams, KeepStandardOutputForTheConvertedFileAlone) {
    const StreamCase& c = GetParam();
    if (c.command.find("/dev/full") != std::string::npos && !fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    writeBytes(folder_.file("kim.txt"), kNickname);
    writeBytes(folder_.file("refused.txt"), "Alias kim kim@example.com\r\n");
    writeBytes(folder_.file("notefirst.txt"), "note x <phone:1>\r\n" + kNickname);
    std::string command = c.command;
    const std::string mark = "{prog}";
    command.replace(command.find(mark), mark.size(), shellQuoted(NICKBRIDGE_CONVERT_PROGRAM));
    command =
        "cd " + shellQuoted(folder_.path().string()) + " && { " + command + "; } 2>stderr.txt";

    const int status = std::system(command.c_str());

    ASSERT_TRUE(status != -1 && WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
    EXPECT_EQ(contentsIfPresent(folder_.path() / "stdout.txt").value_or(""), c.out);
    EXPECT_THAT(readBytes(folder_.path() / "stderr.txt"), StartsWith(c.err));
    EXPECT_EQ(readBytes(folder_.path() / "kim.txt"), kNickname);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertToolStreams,
    ::testing::Values(
        StreamCase{"FileToStandardOutput", "exec {prog} kim.txt - >stdout.txt", 0, kKimLine,
                   "Conversion Complete to ouput file \"-\".\n"},
        StreamCase{"PipeToStandardOutput", "cat kim.txt | {prog} - - >stdout.txt", 0, kKimLine,
                   "Conversion Complete to ouput file \"-\".\n"},
        // Standard input may start part way through a file: only what follows is converted.
        StreamCase{"StandardInputPartWayThroughAFile",
                   "{ read -r skipped; exec {prog} - - >stdout.txt; } <notefirst.txt", 0, kKimLine,
                   "Conversion Complete to ouput file \"-\".\n"},
        StreamCase{"RefusedFileOnStandardInput", "exec {prog} - - <refused.txt >stdout.txt", 1, "",
                   kRefusal},
        StreamCase{"RefusedFileThroughAPipe", "cat refused.txt | {prog} - - >stdout.txt", 1, "",
                   kRefusal},
        StreamCase{"FullStandardOutput", "exec {prog} kim.txt - >/dev/full", 1, "",
                   "Cannot write the output file \"-\": No space left on device\n"},
        StreamCase{"ClosedStandardOutput", "exec {prog} kim.txt - >&-", 1, "",
                   "Cannot write the output file \"-\": Bad file descriptor\n"},
        StreamCase{"OutputIsTheSourceItself", "exec {prog} kim.txt ./kim.txt >stdout.txt", 1, "",
                   "Cannot write the output file \"./kim.txt\": it is the nickname file itself\n"},
        StreamCase{"OutputIsTheFileOnStandardInput", "exec {prog} - kim.txt <kim.txt >stdout.txt",
                   1, "",
                   "Cannot write the output file \"kim.txt\": it is the nickname file itself\n"},
        // Standard output aimed at the source would add to it or write over it.
        StreamCase{"StandardOutputAppendsToTheSource", "exec {prog} kim.txt - >>kim.txt", 1, "",
                   "Cannot write the output file \"-\": it is the nickname file itself\n"},
        StreamCase{"StandardOutputWritesOverTheSource", "exec {prog} kim.txt - 1<>kim.txt", 1, "",
                   "Cannot write the output file \"-\": it is the nickname file itself\n"},
        StreamCase{"StandardOutputIsTheFileOnStandardInput", "exec {prog} - - <kim.txt 1<>kim.txt",
                   1, "", "Cannot write the output file \"-\": it is the nickname file itself\n"}),
    caseLabel<StreamCase>);

TEST_F(ConvertToolTest, StandardInputConvertsIntoAFile) {
    writeBytes(folder_.file("kim.txt"), kNickname);
    const RunResult result = run({"-", folder_.file("converted.txt")},
                                 "exec <" + shellQuoted(folder_.file("kim.txt")) + "; ");

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Conversion Complete to ouput file \"" + folder_.file("converted.txt") + "\".\n");
    EXPECT_EQ(readBytes(folder_.file("converted.txt")), kKimLine);
}

TEST_F(ConvertToolTest, VcfOutputIsAVCardOfEveryNickname) {
    const std::string output = folder_.file("contacts.VCF");
    const RunResult result = run({kExample, output});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Conversion Complete to ouput file \"" + output + "\".\n");
    const std::string vcard = readBytes(output);
    std::size_t cards = 0;
    for (std::size_t at = 0; (at = vcard.find("BEGIN:VCARD\r\n", at)) != std::string::npos; ++at)
        ++cards;
    EXPECT_EQ(cards, 8u);
    EXPECT_THAT(vcard, HasSubstr("\r\nADR;TYPE=HOME:;;12 Harbour Road\\nNorthport;;;;\r\n"));
    EXPECT_EQ(vcard, readBytes(std::string(NICKBRIDGE_EXAMPLES_DIR) + "/sample-nicknames.vcf"));
}

TEST_F(ConvertToolTest, VCardGoesToStandardOutputFromStandardInput) {
    writeBytes(folder_.file("kim.txt"), "alias kim Kim Lee <kim@work>, k\xe9@home\r\n");
    const RunResult result = run({"--format", "vcard", "--no-fold", "-", "-"},
                                 "exec <" + shellQuoted(folder_.file("kim.txt")) + "; ");

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "Conversion Complete to ouput file \"-\".\n");
    EXPECT_THAT(result.out, HasSubstr("\r\nEMAIL;TYPE=INTERNET:kim@work\r\n"
                                      "EMAIL;TYPE=INTERNET:k\xc3\xa9@home\r\n"));
}

TEST_F(ConvertToolTest, RefusedSourceLeavesAnExistingVCardAlone) {
    writeBytes(folder_.file("diary.txt"), "Dear diary\r\n");
    writeBytes(folder_.file("old.vcf"), "old");
    const RunResult result = run({folder_.file("diary.txt"), folder_.file("old.vcf")});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "This does not appear to be a Eudora Nicknames file.\n");
    EXPECT_EQ(readBytes(folder_.file("old.vcf")), "old");
}

TEST_F(ConvertToolTest, UsageErrorExitsWithTwoAndConvertsNothing) {
    writeBytes(folder_.file("nicknames.txt"), kNickname);
    const RunResult result =
        run({"--fields", "colour", folder_.file("nicknames.txt"), folder_.file("converted.txt")});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.out, IsEmpty());
    EXPECT_THAT(result.err, HasSubstr("colour"));
    EXPECT_FALSE(fs::exists(folder_.file("converted.txt")));
}

TEST_F(ConvertToolTest, MissingOutputArgumentExitsWithTwo) {
    const RunResult result = run({kExample});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.err, HasSubstr("OUTPUT"));
}

TEST_F(ConvertToolTest, VersionGoesToStandardOutputAndSucceeds) {
    const RunResult result = run({"--version"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, std::string("nickbridge-convert ") + nickbridge::kVersionText + "\n");
    EXPECT_THAT(result.err, IsEmpty());
}

TEST_F(ConvertToolTest, HelpGoesToStandardOutputAndSucceeds) {
    const RunResult result = run({"--help"});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.out, HasSubstr("Usage: nickbridge-convert [OPTIONS] SOURCE OUTPUT"));
    EXPECT_THAT(result.out, HasSubstr("- reads it from standard input"));
    EXPECT_THAT(result.out, HasSubstr("- writes to standard output"));
    EXPECT_THAT(result.err, IsEmpty());
}

}  // namespace

// SPDX-License-Identifier: MIT
#include "conversion/convert_command.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/file_content.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "test_support.h"

#ifndef NICKBRIDGE_TEST_DATA_DIR
#error "NICKBRIDGE_TEST_DATA_DIR must name the tests/data folder"
#endif

namespace nickbridge {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

// Records what the command tells its user, in order.
struct RecordingReport : ConvertReport {
    void showProblem(const std::string& text) override { events.push_back("problem: " + text); }
    void showCompletion(const std::string& text) override {
        events.push_back("completion: " + text);
    }
    void showSourceChooser() override { events.push_back("source chooser"); }
    void resetChoosers() override { events.push_back("reset choosers"); }

    Events events;
};

const fs::path kData = NICKBRIDGE_TEST_DATA_DIR;

class ConvertCommandTest : public ::testing::Test {
protected:
    ConvertOutcome run(const std::string& from, const std::string& to,
                       const FieldSelection& selection = {}) {
        report.events.clear();
        return runConvertCommand(from, to, selection, report);
    }

    testing::TempFolder dir;
    std::string source = dir.file("nicknames.txt");
    std::string output = dir.file("converted.txt");
    RecordingReport report;
};

TEST_F(ConvertCommandTest, ConvertsEveryNicknameThenResetsChoosers) {
    fs::copy_file(kData / "nicknames.txt", source);
    const std::string expected = testing::readBytes(kData / "nicknames_converted.txt");

    // A second run must give the same file, not append to it.
    for (int pass = 1; pass <= 2; ++pass) {
        SCOPED_TRACE(pass);
        EXPECT_EQ(run(source, output), ConvertOutcome::Converted);
        EXPECT_EQ(testing::readBytes(output), expected);
        EXPECT_EQ(report.events,
                  (Events{"completion: Conversion Complete to ouput file \"" + output + "\".",
                          "reset choosers"}));
    }
}

TEST_F(ConvertCommandTest, SelectionBlanksUntickedFields) {
    testing::writeBytes(source, "alias bob bob@home\r\nnote bob <name:Bob Smith>Plays chess\r\n");
    FieldSelection selection;
    selection.firstName = BoxState::Greyed;
    selection.email = BoxState::Greyed;
    selection.notes = BoxState::Clear;

    EXPECT_EQ(run(source, output, selection), ConvertOutcome::Converted);
    EXPECT_EQ(
        testing::readBytes(output),
        R"("Smith","Bob","","","","","","","","","","","","","","","","","","0","Eudora Nicknames")"
        "\r\n");
}

TEST_F(ConvertCommandTest, EmptyPathIsNothingToDo) {
    testing::writeBytes(source, "alias kim kim@work\r\n");
    for (const auto& [from, to] :
         {std::pair{std::string(), output}, std::pair{source, std::string()}}) {
        SCOPED_TRACE("source \"" + from + "\", output \"" + to + "\"");

        EXPECT_EQ(run(from, to), ConvertOutcome::NothingToDo);
        EXPECT_EQ(report.events, Events{"problem: Nothing to do."});
        EXPECT_FALSE(fs::exists(output));
    }
}

TEST_F(ConvertCommandTest, RefusedFileIsNotConverted) {
    for (const char* text : {"Alias kim kim@work\r\n", ""}) {
        SCOPED_TRACE(text);
        testing::writeBytes(source, text);
        for (const bool outputExists : {false, true}) {
            if (outputExists) testing::writeBytes(output, "old\r\n");

            EXPECT_EQ(run(source, output), ConvertOutcome::Refused);
            EXPECT_EQ(report.events,
                      (Events{"problem: This does not appear to be a Eudora Nicknames file.",
                              "source chooser"}));
            EXPECT_EQ(fs::exists(output), outputExists);
            if (outputExists) {
                EXPECT_EQ(testing::readBytes(output), "old\r\n");
            }
        }
        fs::remove(output);
    }
}

// The reason is the system's own text for the error.
std::string reasonFor(int error) { return std::generic_category().message(error); }

TEST_F(ConvertCommandTest, UnreadableSourceLeavesOutputAlone) {
    testing::writeBytes(output, "old\r\n");
    const std::string missing = dir.file("missing.txt");

    EXPECT_EQ(run(missing, output), ConvertOutcome::SourceUnreadable);
    EXPECT_EQ(report.events, Events{"problem: Cannot read the nickname file \"" + missing +
                                    "\": " + reasonFor(ENOENT)});
    EXPECT_EQ(testing::readBytes(output), "old\r\n");
}

#ifndef _WIN32
// What the other program does to the nickname file between the moment its length is taken and
// the read: a new length for it.
std::filesystem::path changedSource;
std::uintmax_t changedLength = 0;

void changeSourceBeforeRead(std::FILE*) { fs::resize_file(changedSource, changedLength); }

// Another program (a sync tool, an editor) shortens or lengthens the nickname file while it is
// read: the command says so instead of converting what was never a copy of the file, and the
// old output stays.
TEST_F(ConvertCommandTest, ASourceChangedWhileReadIsReportedAndTheOldOutputStays) {
    // Far larger than what the first read of a stream takes in at once.
    testing::writeBytes(source, test::repeat(testing::readBytes(kData / "nicknames.txt"), 1000));
    const std::uintmax_t length = fs::file_size(source);
    testing::writeBytes(output, "old\r\n");
    changedSource = source;
    platform::FileContent::beforeReadForTests = &changeSourceBeforeRead;
    for (const std::uintmax_t newLength : {std::uintmax_t{10}, length / 2, length + 100}) {
        SCOPED_TRACE(newLength);
        changedLength = newLength;
        EXPECT_EQ(run(source, output), ConvertOutcome::SourceUnreadable);
        EXPECT_EQ(report.events, Events{"problem: Cannot read the nickname file \"" + source +
                                        "\": the file changed while it was read"});
        EXPECT_EQ(testing::readBytes(output), "old\r\n");
    }
    platform::FileContent::beforeReadForTests = nullptr;
}
#endif

TEST_F(ConvertCommandTest, UnwritableOutputGivesNoCompletion) {
    testing::writeBytes(source, "alias kim kim@work\r\n");
    std::vector<std::pair<std::string, int>> targets{{dir.file("missing/converted.txt"), ENOENT}};
    if (fs::exists("/dev/full")) targets.emplace_back("/dev/full", ENOSPC);
    for (const auto& [target, error] : targets) {
        SCOPED_TRACE(target);

        EXPECT_EQ(run(source, target), ConvertOutcome::OutputUnwritable);
        EXPECT_EQ(report.events, Events{"problem: Cannot write the output file \"" + target +
                                        "\": " + reasonFor(error)});
    }
}

// No record-count or record-length limits, and no crash on records built to trip scanners.
TEST_F(ConvertCommandTest, ConvertsHugeAndPathologicalRecords) {
    constexpr std::size_t kMegabyte = 1 << 20;
    const std::string quotes = test::repeat("\"", kMegabyte);
    const std::string lines[] = {
        "alias " + test::repeat("<pho", kMegabyte / 4),
        "alias " + test::repeat("@", kMegabyte),
        "alias " + quotes,
        "alias x",
        "note " + test::repeat("<phone:", kMegabyte / 7),
        "note " + test::repeat("<name:@ ,", kMegabyte / 9),
        "note >" + quotes,
    };
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    text += test::repeat("alias kim kim@work\r\n", 40000);
    testing::writeBytes(source, text);

    ASSERT_EQ(run(source, output), ConvertOutcome::Converted);
    const std::string written = testing::readBytes(output);
    const std::string lineEnd = "\",\"0\",\"Eudora Nicknames\"\r\n";
    std::size_t lineCount = 0;
    for (auto at = written.find(lineEnd); at != std::string::npos;
         at = written.find(lineEnd, at + 1))
        ++lineCount;
    EXPECT_EQ(lineCount, 4u + 40000u);
    // The megabyte of quotes after the last ">" is the note, every quote doubled.
    EXPECT_NE(written.find(",\"" + quotes + quotes + lineEnd), std::string::npos);
}

// Replacing the nickname file by its own conversion would destroy it, however the output is spelt.
TEST_F(ConvertCommandTest, OutputThatIsTheSourceIsRefusedBeforeAnythingIsWritten) {
    const std::string text = "alias kim kim@work\r\n";
    testing::writeBytes(source, text);
    fs::create_directory(dir.path() / "sub");
    std::vector<std::string> outputs{source, dir.file("sub/../nicknames.txt")};
#ifndef _WIN32
    fs::create_symlink("nicknames.txt", dir.path() / "link.txt");
    outputs.push_back(dir.file("link.txt"));
#endif
    for (const std::string& target : outputs) {
        SCOPED_TRACE(target);

        EXPECT_EQ(run(source, target), ConvertOutcome::OutputUnwritable);
        EXPECT_EQ(report.events, Events{"problem: Cannot write the output file \"" + target +
                                        "\": it is the nickname file itself"});
        EXPECT_EQ(testing::readBytes(source), text);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()),
                  static_cast<std::ptrdiff_t>(outputs.size()))
            << "only the source, sub/ and the link may be there";
    }
}

TEST_F(ConvertCommandTest, VCardCommandWritesTheVCardBesideTheOutputFileAndNamesIt) {
    fs::copy_file(kData / "vcard_mapping.txt", source);
    const std::string vcard = dir.file("converted.vcf");

    EXPECT_EQ(runVCardCommand(source, output, {}, report), ConvertOutcome::Converted);
    EXPECT_EQ(testing::readBytes(vcard), testing::readBytes(kData / "vcard_mapping.vcf"));
    EXPECT_FALSE(fs::exists(output));
    EXPECT_EQ(report.events,
              (Events{"completion: Conversion Complete to ouput file \"" + vcard + "\".",
                      "reset choosers"}));
}

TEST_F(ConvertCommandTest, VCardCommandRefusesAsTheConvertCommandDoes) {
    testing::writeBytes(source, "Dear diary\r\n");
    testing::writeBytes(dir.file("converted.vcf"), "old");

    EXPECT_EQ(runVCardCommand(source, output, {}, report), ConvertOutcome::Refused);
    EXPECT_EQ(testing::readBytes(dir.file("converted.vcf")), "old");
    EXPECT_EQ(report.events, (Events{"problem: This does not appear to be a Eudora Nicknames file.",
                                     "source chooser"}));
    report.events.clear();
    EXPECT_EQ(runVCardCommand("", output, {}, report), ConvertOutcome::NothingToDo);
    EXPECT_EQ(report.events, (Events{"problem: Nothing to do."}));
}

}  // namespace
}  // namespace nickbridge

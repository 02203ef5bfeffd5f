// SPDX-License-Identifier: MIT
// Running out of memory part way through a conversion, made certain: while a limit is set, every
// allocation above it fails as it would on a machine short of memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "conversion/convert_command.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "test_support.h"

// GCC takes the replaced operators for a new/free mismatch wherever it inlines them.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {

std::size_t allocationLimit = 0;  // 0: none

}  // namespace

void* operator new(std::size_t size) {
    if (allocationLimit != 0 && size > allocationLimit) throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace nickbridge {
namespace {

namespace fs = std::filesystem;

struct ProblemReport : ConvertReport {
    void showProblem(const std::string& text) override { events.push_back("problem: " + text); }
    void showCompletion(const std::string& text) override {
        events.push_back("completion: " + text);
    }
    void showSourceChooser() override {}
    void resetChoosers() override {}
    std::vector<std::string> events;
};

class AllocationFailureTest : public ::testing::Test {
protected:
    // A nickname file whose one record is larger than any allocation may be.
    static constexpr std::size_t kLimit = std::size_t{1} << 20;
    const std::string text = "alias big " + test::repeat("@", 2 * kLimit) + "\r\n";

    ConvertOutcome runLimited(const std::string& from, const StandardStreams& streams = {}) {
        allocationLimit = kLimit;
        const ConvertOutcome outcome = runConvertCommand(from, output, {}, report, streams);
        allocationLimit = 0;
        return outcome;
    }

    testing::TempFolder dir;
    std::string output = dir.file("converted.txt");
    ProblemReport report;
};

TEST_F(AllocationFailureTest, ConversionSaysSoAndLeavesTheOldOutput) {
    const std::string source = dir.file("nicknames.txt");
    testing::writeBytes(source, text);
    testing::writeBytes(output, "old\r\n");

    // The file is read into memory of our own: memory runs out while loading.
    EXPECT_EQ(runLimited(source), ConvertOutcome::SourceUnreadable);
    EXPECT_EQ(report.events, std::vector<std::string>{"problem: Cannot read the nickname file \"" +
                                                      source + "\": Cannot allocate memory"});
    EXPECT_EQ(testing::readBytes(output), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "a temporary file was left beside the source and the output";
}

// A file that loads can still run out while its lines are built: every quote in a note is
// written doubled, so its one output line is larger than any allocation may be.
TEST_F(AllocationFailureTest, RunningOutWhileWritingSaysSoAndLeavesTheOldOutput) {
    const std::string source = dir.file("nicknames.txt");
    testing::writeBytes(source, "alias big big@example.com\r\nnote big " +
                                    test::repeat("\"", kLimit * 3 / 5) + "\r\n");
    testing::writeBytes(output, "old\r\n");

    EXPECT_EQ(runLimited(source), ConvertOutcome::OutputUnwritable);
    EXPECT_EQ(report.events, std::vector<std::string>{"problem: Cannot write the output file \"" +
                                                      output + "\": Cannot allocate memory"});
    EXPECT_EQ(testing::readBytes(output), "old\r\n");
}

#ifndef _WIN32
// A stream is read into memory too, in reads that grow the block as it comes.
TEST_F(AllocationFailureTest, ReadingAStreamSaysSoAndWritesNothing) {
    std::string bytes = text;
    std::FILE* stream = ::fmemopen(bytes.data(), bytes.size(), "rb");
    ASSERT_NE(stream, nullptr);

    EXPECT_EQ(runLimited("-", {stream, nullptr}), ConvertOutcome::SourceUnreadable);
    std::fclose(stream);
    EXPECT_EQ(report.events,
              std::vector<std::string>{
                  "problem: Cannot read the nickname file \"-\": Cannot allocate memory"});
    EXPECT_FALSE(fs::exists(output));
}
#endif

}  // namespace
}  // namespace nickbridge

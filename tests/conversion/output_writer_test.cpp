// SPDX-License-Identifier: MIT
#include "conversion/output_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "test_support.h"

#if defined(__unix__)
#include <signal.h>
#include <sys/resource.h>
#endif

namespace nickbridge {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A line may be dropped while it is built, also when the lines before it were just passed on.
TEST(LineWriter, DropsTheLineBeingBuiltAndNothingBefore) {
    std::string written;
    std::size_t pieces = 0;
    LineWriter writer([&](std::string_view piece) {
        written += piece;
        ++pieces;
        return true;
    });
    const std::string long_(100'000, 'l');
    std::string expected;
    for (std::size_t i = 0; i < 6; ++i) {
        writer.line() += "gone";
        EXPECT_EQ(writer.lineSoFar(), "gone");
        writer.dropLine();
        writer.line() += long_ + std::to_string(i);
        EXPECT_EQ(writer.lineSoFar(), long_ + std::to_string(i));
        ASSERT_TRUE(writer.endLine());
        expected += long_ + std::to_string(i) + "\r\n";
    }
    writer.line() += "last";
    writer.dropLine();
    ASSERT_TRUE(writer.finish());
    EXPECT_GT(pieces, 1u);
    EXPECT_EQ(written, expected);
}

class WriteOutputFileTest : public ::testing::Test {
protected:
    // Names of everything in the temp folder, to catch stray temporary files.
    std::vector<std::string> folderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    testing::TempFolder dir;
    std::string target = dir.file("converted.txt");
};

TEST_F(WriteOutputFileTest, EndsEveryLineWithCrLfAndReplacesOldContent) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::string expected;
    } cases[] = {
        {"three lines", {"a", "b", "c"}, "a\r\nb\r\nc\r\n"},
        {"bytes unchanged", {"x\0\xe9\ny"s, ""}, "x\0\xe9\ny\r\n\r\n"s},
        {"no lines", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::writeBytes(target, "older and much longer content than any case writes\r\n");

        const WriteResult result = writeOutputFile(target, c.lines);

        EXPECT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(testing::readBytes(target), c.expected);
        EXPECT_EQ(folderContents(), std::vector<std::string>{"converted.txt"});
    }
}

// A large output is started on its way to the disk piece by piece while later lines are still
// written: every byte must arrive, in order.
TEST_F(WriteOutputFileTest, LargeOutputArrivesWhole) {
    std::vector<std::string> lines;
    std::string expected;
    for (std::size_t i = 0; i < 60'000; ++i) {
        lines.push_back("line " + std::to_string(i) + std::string(i % 200, 'x'));
        expected += lines.back() + "\r\n";
    }
    ASSERT_GT(expected.size(), std::size_t{6} << 20);  // a piece is started every 4 MiB

    const WriteResult result = writeOutputFile(target, lines);

    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_TRUE(testing::readBytes(target) == expected);
}

TEST_F(WriteOutputFileTest, UnwritableTargetFailsWithReason) {
    const auto folderAsTarget = dir.path() / "folder";
    fs::create_directory(folderAsTarget);
    testing::writeBytes(folderAsTarget / "inside.txt", "kept");

    for (const std::string& path : {dir.file("missing/converted.txt"), folderAsTarget.string()}) {
        SCOPED_TRACE(path);
        const WriteResult result = writeOutputFile(path, {"a", "b"});

        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.reason.empty());
    }
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
    EXPECT_TRUE(fs::is_directory(folderAsTarget));
    EXPECT_EQ(testing::readBytes(folderAsTarget / "inside.txt"), "kept");
}

// The user protected the old output; root could replace it, we must not.
TEST_F(WriteOutputFileTest, ReadOnlyTargetIsLeftAlone) {
    testing::writeBytes(target, "old\r\n");
    testing::makeReadOnly(target);

    const WriteResult result = writeOutputFile(target, {"a"});

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "the file is read-only");
    EXPECT_EQ(testing::readBytes(target), "old\r\n");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"converted.txt"});
}

TEST_F(WriteOutputFileTest, FullDeviceFailsWithReason) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const WriteResult result = writeOutputFile("/dev/full", {"a", "b"});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

#if defined(__unix__)
// A file size limit binds root too, so it makes a write fail part way.
TEST_F(WriteOutputFileTest, FailedWriteLeavesOldFileAsItWas) {
    testing::writeBytes(target, "old\r\n");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto savedHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    const WriteResult result = writeOutputFile(target, std::vector<std::string>(100, "line"));

    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedHandler);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(testing::readBytes(target), "old\r\n");
    EXPECT_EQ(folderContents(), std::vector<std::string>{"converted.txt"});
}

TEST_F(WriteOutputFileTest, KeepsModeOfExistingFile) {
    testing::writeBytes(target, "old\r\n");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);

    ASSERT_TRUE(writeOutputFile(target, {"a"}).ok);
    EXPECT_EQ(fs::status(target).permissions(), mode);
}
#endif

}  // namespace
}  // namespace nickbridge

// SPDX-License-Identifier: MIT
// The real program, run offscreen in a folder of its own, is told to end by a signal.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge {
namespace {

using namespace std::chrono_literals;
using testing::readBytes;

// What a save writes: every line differs from the default block, so a save shows.
constexpr const char* kSavedSettings =
    "/home/kim/nicknames.txt\r\n/home/kim/palm.csv\r\n/home/kim\r\n/home/kim\r\n/\r\n"
    "/tmp\r\n/\r\n 0 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n 2 \r\n 0 \r\n 1 \r\n";

pid_t startProgram(const std::filesystem::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) == 0 && ::setenv("QT_QPA_PLATFORM", "offscreen", 1) == 0) {
            ::execl(NICKBRIDGE_PROGRAM, NICKBRIDGE_PROGRAM, static_cast<char*>(nullptr));
        }
        ::_exit(127);
    }
    return child;
}

// The program appends its default block before it builds the window, after it holds the signals.
bool waitForStart(const std::filesystem::path& settings) {
    for (auto waited = 0ms; waited < 30s; waited += 50ms) {
        if (readBytes(settings).size() > std::string(kSavedSettings).size()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

// The wait status, or nothing when the program did not end in time (it is then killed).
std::optional<int> waitForEnd(pid_t child) {
    for (auto waited = 0ms; waited < 30s; waited += 50ms) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::sleep_for(50ms);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return std::nullopt;
}

class TerminationSignal : public ::testing::TestWithParam<int> {};

TEST_P(TerminationSignal, SavesTheSettingsAndEndsNormally) {
    testing::TempFolder folder;
    const auto settings = folder.path() / "nbr.ini";
    testing::writeBytes(settings, kSavedSettings);
    const pid_t child = startProgram(folder.path());
    ASSERT_GT(child, 0);
    if (!waitForStart(settings)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        FAIL() << "the program never started";
    }
    ::kill(child, GetParam());
    const std::optional<int> status = waitForEnd(child);
    ASSERT_TRUE(status.has_value()) << "the program did not end";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "wait status " << *status;
    EXPECT_EQ(readBytes(settings), kSavedSettings);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, ::testing::Values(SIGTERM, SIGHUP),
                         [](const auto& test) {
                             return test.param == SIGTERM ? "Term" : "Hangup";
                         });

}  // namespace
}  // namespace nickbridge

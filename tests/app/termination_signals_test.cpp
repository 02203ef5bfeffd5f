// SPDX-License-Identifier: MIT
// The real program, run offscreen in a folder of its own, is told to end by a signal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <optional>
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

// The program's standard error goes to a file in its folder.
pid_t startProgram(const std::filesystem::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) == 0 && ::setenv("QT_QPA_PLATFORM", "offscreen", 1) == 0 &&
            std::freopen("stderr.txt", "w", stderr) != nullptr) {
            ::execl(NICKBRIDGE_PROGRAM, NICKBRIDGE_PROGRAM, static_cast<char*>(nullptr));
        }
        ::_exit(127);
    }
    return child;
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

// True once the program catches SIGTERM, which it does before it reads nbr.ini; a signal from
// then on is held until the window can close.
bool catchesTermination(pid_t child) {
    std::ifstream status("/proc/" + std::to_string(child) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("SigCgt:")) {
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
        }
    }
    return false;
}

bool waitForSignalWatch(pid_t child) {
    for (auto waited = 0ms; waited < 30s; waited += 20ms) {
        if (catchesTermination(child)) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

// Starts the program in `folder`, sends it `signal` once it watches for it and gives its wait
// status; nothing when it never started or did not end in time.
std::optional<int> endBySignal(const std::filesystem::path& folder, int signal) {
    const pid_t child = startProgram(folder);
    if (child <= 0) return std::nullopt;
    if (!waitForSignalWatch(child)) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        return std::nullopt;
    }
    ::kill(child, signal);
    return waitForEnd(child);
}

class TerminationSignal : public ::testing::TestWithParam<int> {};

TEST_P(TerminationSignal, SavesTheSettingsAndEndsNormally) {
    testing::TempFolder folder;
    const auto settings = folder.path() / "nbr.ini";
    testing::writeBytes(settings, kSavedSettings);
    const std::optional<int> status = endBySignal(folder.path(), GetParam());
    ASSERT_TRUE(status.has_value()) << "the program did not start or did not end";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "wait status " << *status;
    EXPECT_EQ(readBytes(settings), kSavedSettings);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, ::testing::Values(SIGTERM, SIGHUP),
                         [](const auto& test) {
                             return test.param == SIGTERM ? "Term" : "Hangup";
                         });

// A failed save at a signal opens no message box that nobody may answer: it is reported on
// standard error and the program ends at once, with exit status 1.
TEST_P(TerminationSignal, AFailedSaveGoesToStandardErrorAndEndsWithStatusOne) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "nbr.ini");
    const std::optional<int> status = endBySignal(folder.path(), GetParam());
    ASSERT_TRUE(status.has_value()) << "the program did not start or did not end";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << "wait status " << *status;
    EXPECT_THAT(
        readBytes(folder.path() / "stderr.txt"),
        ::testing::HasSubstr("Cannot save the settings file \"nbr.ini\": Is a directory\n"));
}

}  // namespace
}  // namespace nickbridge

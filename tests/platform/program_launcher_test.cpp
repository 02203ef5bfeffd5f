// SPDX-License-Identifier: MIT
#include "platform/program_launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge::platform {
namespace {

using testing::TempFolder;

// Under Wine, registry_end_to_end.sh starts programs through the Windows launcher.
TEST(ProgramLauncher, MissingOrEmptyCommandFails) {
    TempFolder folder;
    EXPECT_FALSE(systemLauncher().start(folder.file("MSINFO32.EXE")));
    EXPECT_FALSE(systemLauncher().start(""));
}

#ifndef _WIN32

// True once `file` exists; gives up after ten seconds.
bool appears(const std::filesystem::path& file) {
    for (int i = 0; i < 200 && !std::filesystem::exists(file); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::filesystem::exists(file);
}

// The program waits for "go" before it writes "done": so start() returned without waiting.
TEST(ProgramLauncher, StartsTheProgramAndDoesNotWaitForIt) {
    TempFolder folder;
    const auto program = folder.path() / "system info";  // a blank that nothing must split at
    testing::writeBytes(
        program,
        "#!/bin/sh\ncd \"$(dirname \"$0\")\"\n"
        "for i in $(seq 100); do [ -e go ] && break; sleep 0.1; done\ntouch done\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ASSERT_TRUE(systemLauncher().start(program.string()));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "done"));
    testing::writeBytes(folder.path() / "go", "");
    EXPECT_TRUE(appears(folder.path() / "done"));
}

TEST(ProgramLauncher, NoShellReadsTheCommandLine) {
    TempFolder folder;
    EXPECT_FALSE(systemLauncher().start("true; touch " + folder.file("by-a-shell")));
    EXPECT_FALSE(systemLauncher().start("/bin/touch " + folder.file("by-a-shell")));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "by-a-shell"));
}

#endif

}  // namespace
}  // namespace nickbridge::platform

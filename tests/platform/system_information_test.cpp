// SPDX-License-Identifier: MIT
#include "platform/system_information.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_access.h"
#include "support/fake_registry.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace nickbridge::platform {
namespace {

using testing::FakeRegistry;

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class SystemInformationCommand : public ::testing::Test {
protected:
    // The tool folder as the registry names it, and the file the lookup then asks for (on POSIX
    // systems the "\" is part of that file's name).
    std::string toolFolder() const { return folder_.file("Shared Tools"); }
    void createTool() const {
        std::filesystem::create_directories(nativePath(toolFolder()));
        testing::writeBytes(nativePath(toolFolder() + "\\MSINFO32.EXE"), "");
    }

    FakeRegistry registry_;
    testing::TempFolder folder_;
};

TEST_F(SystemInformationCommand, PathValueIsTheCommandUncheckedAndUnquoted) {
    registry_.setText(kPathKey, "PATH", "C:\\Program Files\\Missing\\MSINFO32.EXE /report");
    registry_.setText(kFolderKey, "MSINFO", toolFolder());
    createTool();
    EXPECT_EQ(systemInformationCommand(registry_),
              "C:\\Program Files\\Missing\\MSINFO32.EXE /report");
}

TEST_F(SystemInformationCommand, OtherwiseTheToolInTheFolderWhenItExists) {
    EXPECT_EQ(systemInformationCommand(registry_), std::nullopt);
    registry_.setText(kFolderKey, "MSINFO", toolFolder());
    EXPECT_EQ(systemInformationCommand(registry_), std::nullopt);
    createTool();
    EXPECT_EQ(systemInformationCommand(registry_), toolFolder() + "\\MSINFO32.EXE");
}

// A PATH value that cannot be read (empty, or too long) is not found, and the folder is asked.
TEST_F(SystemInformationCommand, UnreadablePathFallsBackToTheFolder) {
    registry_.set(kPathKey, "PATH", {kRegSz, ""});
    registry_.setText(kFolderKey, "MSINFO", toolFolder());
    createTool();
    EXPECT_EQ(systemInformationCommand(registry_), toolFolder() + "\\MSINFO32.EXE");
}

// Found, but of another type: the empty text is the command, which then cannot be started.
TEST_F(SystemInformationCommand, PathOfAnotherTypeGivesAnEmptyCommand) {
    registry_.set(kPathKey, "PATH", {3, "\x01\x02"});
    EXPECT_EQ(systemInformationCommand(registry_), "");
}

}  // namespace
}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#include "platform/path_conventions.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace nickbridge::platform {
namespace {

TEST(DefaultOutputPath, IsTheTempFolderConvertedFileOfThisSystem) {
#ifdef _WIN32
    const std::string expected = "c:\\temp\\converted.txt";
#else
    const std::string expected = "/tmp/converted.txt";
#endif
    EXPECT_EQ(defaultOutputPath(), expected);
}

TEST(DefaultOutputPath, IsAbsoluteAndNamesTheOutputFile) {
    const std::filesystem::path path(defaultOutputPath());
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.filename(), "converted.txt");
}

}  // namespace
}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace nickbridge::testing {

// A fresh empty folder for one test, removed with everything in it afterwards. Its name holds the
// test's name and a random number, so tests running side by side never share one.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A path inside the folder, as the byte string the code under test takes.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace nickbridge::testing

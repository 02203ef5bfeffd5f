// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "choosers/main_window_link.h"
#include "platform/drives.h"
#include "platform/path_bytes.h"

namespace nickbridge::testing {

inline std::string bytesOf(const std::filesystem::path& path) { return platform::pathBytes(path); }

// Drives "p:" and "q:", whose current folders a test chooses; one can be made not ready. Their
// designations take the Windows form, which the POSIX rules accept as designations too.
class FakeDrives final : public platform::Drives {
public:
    static constexpr const char* kP = "p: [FIRST]";
    static constexpr const char* kQ = "q: [SECOND]";

    std::map<std::string, std::string> currentFolders;
    std::set<std::string> notReady;
    // What the machine has now: a test plugs sticks in and pulls them out here.
#ifdef _WIN32
    std::vector<platform::Drive> drives{{kP, "P:\\"}, { kQ, "Q:\\" }};
#else
    std::vector<platform::Drive> drives{{kP, "/fake-p"}, {kQ, "/fake-q"}};
#endif

    std::vector<platform::Drive> list() const override { return drives; }
    std::string currentFolder(const platform::Drive& drive) const override {
        if (notReady.count(drive.designation) != 0) {
            throw std::system_error(std::make_error_code(std::errc::no_such_device));
        }
        return currentFolders.at(drive.designation);
    }
};

// The main window as the choosers see it, recording what they do to it.
class FakeMainWindow final : public choosers::MainWindowLink {
public:
    std::string sourcePath = "unchanged";
    std::string outputPath = "unchanged";
    choosers::SourceEntries source;
    choosers::OutputEntries output;
    std::vector<std::string> calls;  // "save", "restore"

    void setSourcePath(const std::string& path) override { sourcePath = path; }
    void setOutputPath(const std::string& path) override { outputPath = path; }
    choosers::SourceEntries sourceEntries() const override { return source; }
    void setSourceEntries(const choosers::SourceEntries& entries) override { source = entries; }
    choosers::OutputEntries outputEntries() const override { return output; }
    void setOutputEntries(const choosers::OutputEntries& entries) override { output = entries; }
    void saveSettings() override { calls.push_back("save"); }
    void restoreSettings() override { calls.push_back("restore"); }
};

class FakeChooserWindow final : public choosers::ChooserWindow {
public:
    std::string nameBox;
    bool hidden = false;
    std::vector<std::string> told;

    void setNameBox(const std::string& text) override { nameBox = text; }
    bool nameBoxIsEmpty() const override { return nameBox.empty(); }
    void hideChooser() override { hidden = true; }
    void tell(const std::string& message) override { told.push_back(message); }
};

}  // namespace nickbridge::testing

// SPDX-License-Identifier: MIT
#pragma once

#include "choosers/main_window_link.h"

namespace nickbridge::ui {

class MainWindow;

// The choosers' way into Form1: its path fields, window state, saveSettings, restoreSettings and
// records.
class WindowStateLink final : public choosers::MainWindowLink {
public:
    explicit WindowStateLink(MainWindow& window) : window_(window) {}

    void setSourcePath(const std::string& path) override;
    void setOutputPath(const std::string& path) override;
    choosers::SourceEntries sourceEntries() const override;
    void setSourceEntries(const choosers::SourceEntries& entries) override;
    choosers::OutputEntries outputEntries() const override;
    void setOutputEntries(const choosers::OutputEntries& entries) override;
    void saveSettings() override;
    void restoreSettings() override;
    void clearRecords() override;

private:
    MainWindow& window_;
};

}  // namespace nickbridge::ui

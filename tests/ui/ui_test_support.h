// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/path_bytes.h"
#include "settings/settings_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "ui/chooser_seam.h"
#include "ui/message_box.h"

namespace nickbridge::testing {

struct ShownMessage {
    QString caption;
    QString text;
    bool underBusyPointer;  // the program's pointer was the busy one while this showed
};

// Records every message instead of running a modal box, for as long as it lives.
class MessageRecorder {
public:
    MessageRecorder()
        : previous_(
              ui::setMessageSink([this](QWidget*, const QString& caption, const QString& text) {
                  shown.push_back({caption, text, QApplication::overrideCursor() != nullptr});
              })) {}
    ~MessageRecorder() { ui::setMessageSink(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<ShownMessage> shown;

private:
    ui::MessageSink previous_;
};

// Choosers that are never shown, for tests of the main window alone: no drive is looked at.
class NoChoosers final : public ui::ChooserSeam {
public:
    void showSourceChooser() override {}
    void showOutputChooser() override {}
    void resetChoosers() override {}
    void applyRestoredEntries(const RestoredValues&) override {}
};

inline ui::ChooserFactory noChoosers() {
    return [](choosers::MainWindowLink&, QWidget&) { return std::make_unique<NoChoosers>(); };
}

// Each test runs in an empty current folder of its own, which holds the window's nbr.ini.
class InTempCurrentFolder : public ::testing::Test {
protected:
    InTempCurrentFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder_.path());
    }
    ~InTempCurrentFolder() override { std::filesystem::current_path(previous_); }

    // nbr.ini in the test's folder, named by its full path.
    SettingsFile settingsFile() const {
        return SettingsFile(platform::pathBytes(folder_.path() / "nbr.ini"));
    }
    std::string settingsBytes() const { return readBytes(folder_.path() / "nbr.ini"); }
    void writeSettings(std::string_view bytes) const {
        writeBytes(folder_.path() / "nbr.ini", bytes);
    }

    TempFolder folder_;
    MessageRecorder messages_;

private:
    std::filesystem::path previous_;
};

// Lines as a file holds them: each ended by CR LF.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (std::string_view line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

// What the window appends to nbr.ini at every start.
inline std::string defaultBlock() {
    std::string bytes = "\r\n\r\n";
    for (int i = 0; i < 5; ++i) bytes += "c\r\n";
    for (int i = 0; i < 30; ++i) bytes += "1\r\n";
    return bytes;
}

}  // namespace nickbridge::testing

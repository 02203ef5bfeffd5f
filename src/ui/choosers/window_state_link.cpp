// SPDX-License-Identifier: MIT
#include "ui/choosers/window_state_link.h"

#include "ui/main_window/main_window.h"

namespace nickbridge::ui {

void WindowStateLink::setSourcePath(const std::string& path) { window_.setSourcePath(path); }

void WindowStateLink::setOutputPath(const std::string& path) { window_.setOutputPath(path); }

choosers::SourceEntries WindowStateLink::sourceEntries() const {
    return {window_.firstFile, window_.firstDir, window_.firstDrive};
}

void WindowStateLink::setSourceEntries(const choosers::SourceEntries& entries) {
    window_.firstFile = entries.fileListFolder;
    window_.firstDir = entries.dir;
    window_.firstDrive = entries.drive;
}

choosers::OutputEntries WindowStateLink::outputEntries() const {
    return {window_.secondDir, window_.secondDrive};
}

void WindowStateLink::setOutputEntries(const choosers::OutputEntries& entries) {
    window_.secondDir = entries.dir;
    window_.secondDrive = entries.drive;
}

void WindowStateLink::saveSettings() { window_.saveSettings(); }

void WindowStateLink::restoreSettings() { window_.restoreSettings(); }

void WindowStateLink::clearRecords() { window_.records.clear(); }

}  // namespace nickbridge::ui

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "choosers/folder_scan.h"
#include "choosers/list_events.h"
#include "platform/drives.h"

namespace nickbridge::choosers {

// The source chooser's file list: the files of its folder that match the scanner's pattern, and the
// selected one.
class FileList {
public:
    // Lists `folder`, read when first looked at and shown empty when it cannot be.
    FileList(const platform::Drives& drives, FolderScanner& scanner, const std::string& folder);

    // The folder listed.
    const std::string& path() const { return state_.path; }
    const std::vector<std::string>& names() const { return state_.contents->files; }
    std::optional<std::size_t> selected() const { return state_.selected; }
    // The selected name without its folder; empty when none is selected.
    std::string fileName() const;
    std::uint64_t generation() const { return state_.generation; }

    // Lists the folder a text names (a bare drive designation: that drive's
    // current folder) with no file selected; the same folder again changes nothing. Throws
    // ListRefusal, changing nothing, when the text names no folder that can be listed.
    void setPath(std::string_view text);
    // The user selects a file, with the mouse or an arrow key.
    void click(std::size_t index);
    // The user double-clicks a file.
    void doubleClick(std::size_t index);

    ListEvent onClick;
    ListEvent onDoubleClick;

private:
    struct State {
        std::string path;
        Listing contents;
        std::optional<std::size_t> selected;
        std::uint64_t generation = 0;
    };
    bool selectIfListed(std::size_t index);

    const platform::Drives& drives_;
    FolderScanner& scanner_;
    State state_;
};

}  // namespace nickbridge::choosers

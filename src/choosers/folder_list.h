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

// One line of the folder list: the open folder and those above it, then the folders inside it.
struct FolderRow {
    std::string name;  // a root shows its full path
    std::size_t depth = 0;
    bool open = false;  // the open folder and the folders above it
};

// The chooser's folder list: the open folder, the folders above it up to its drive's root and the
// folders inside it.
class FolderList {
public:
    // Opens `folder`, read when first looked at and shown empty when it cannot be.
    FolderList(const platform::Drives& drives, FolderScanner& scanner, const std::string& folder);

    // The open folder in full; only a root ends in a separator.
    const std::string& path() const { return state_.path; }
    std::size_t rowCount() const;
    FolderRow row(std::size_t index) const;
    // The full path of a row's folder.
    std::string rowPath(std::size_t index) const;
    // The row of the open folder itself.
    std::size_t openRow() const { return state_.above.size() - 1; }
    // The row the user selected without opening it; none after the folder changed.
    std::optional<std::size_t> clickedRow() const { return state_.clickedRow; }
    // Counts changes of the rows, for views that show them.
    std::uint64_t generation() const { return state_.generation; }

    // Opens the folder a text names (a bare drive designation: that drive's current folder) and
    // tells the chooser when the open folder changed. Throws ListRefusal, changing
    // nothing, for an empty text, a missing folder, one that cannot be listed or a drive that is
    // not ready.
    void setPath(std::string_view text);
    // The user opens a row (double-click): assigns its folder.
    void open(std::size_t index);
    // The user selects a row without opening it; the open folder stays.
    void click(std::size_t index);

    ListEvent onChange;
    ListEvent onClick;

private:
    struct State {
        std::string path;
        std::vector<std::string> above;  // full paths from the root down to the open folder
        Listing contents;
        std::optional<std::size_t> clickedRow;
        std::uint64_t generation = 0;
    };
    State opened(const std::string& folder, std::uint64_t generation) const;
    State started(const std::string& folder) const;

    const platform::Drives& drives_;
    FolderScanner& scanner_;
    State state_;
};

}  // namespace nickbridge::choosers

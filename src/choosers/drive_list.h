// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "choosers/list_events.h"
#include "platform/drives.h"

namespace nickbridge::choosers {

// The chooser's drive list: the machine's drives and the selected one.
class DriveList {
public:
    // Starts at the drive that holds `folder`, else at the first drive.
    DriveList(const platform::Drives& drives, const std::string& folder);

    const std::vector<platform::Drive>& entries() const { return state_.entries; }
    std::size_t selected() const { return state_.selected; }
    // The selected drive's designation.
    std::string drive() const;

    // Selects the drive the text names and tells the chooser when the selection moved. Throws
    // ListRefusal, changing nothing, for a text naming no drive or a drive that is not ready.
    void setDrive(std::string_view text);
    // The user picks an entry.
    void select(std::size_t index);
    // Reads the machine's drives again (a stick plugged in or pulled out); the selected drive
    // stays selected. A selected drive that has gone stays listed, and selected, until another is
    // picked, as the other lists still show its folders; the first reading that misses it throws
    // ListRefusal to say so.
    void refresh();

    ListEvent onChange;

private:
    struct State {
        std::vector<platform::Drive> entries;
        std::size_t selected = 0;
    };
    void selectAndRaise(std::size_t index);

    const platform::Drives& drives_;
    State state_;
    // The root of the selected drive already reported gone.
    std::string goneRoot_;
};

}  // namespace nickbridge::choosers

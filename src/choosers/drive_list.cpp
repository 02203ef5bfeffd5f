// SPDX-License-Identifier: MIT
#include "choosers/drive_list.h"

#include <algorithm>
#include <cstddef>
#include <system_error>

#include "choosers/list_refusal.h"

namespace nickbridge::choosers {

DriveList::DriveList(const platform::Drives& drives, const std::string& folder)
    : drives_(drives), state_{drives.list(), 0} {
    if (const auto holding = platform::driveHolding(folder, state_.entries)) {
        state_.selected = *holding;
    }
}

std::string DriveList::drive() const {
    if (state_.entries.empty()) return {};
    return state_.entries[state_.selected].designation;
}

void DriveList::setDrive(std::string_view text) {
    const auto named = platform::driveNamedBy(text, state_.entries);
    if (!named) throw noSuchDrive(std::string(text));
    selectAndRaise(*named);
}

void DriveList::select(std::size_t index) {
    if (index < state_.entries.size()) selectAndRaise(index);
}

void DriveList::refresh() {
    State next{drives_.list(), 0};
    if (state_.entries.empty()) {
        state_ = std::move(next);
        return;
    }
    const platform::Drive current = state_.entries[state_.selected];
    const auto kept =
        std::find_if(next.entries.begin(), next.entries.end(),
                     [&](const platform::Drive& d) { return d.root == current.root; });
    if (kept != next.entries.end()) {
        next.selected = static_cast<std::size_t>(kept - next.entries.begin());
        state_ = std::move(next);
        goneRoot_.clear();
        return;
    }
    next.selected = std::min(state_.selected, next.entries.size());
    next.entries.insert(next.entries.begin() + static_cast<std::ptrdiff_t>(next.selected), current);
    state_ = std::move(next);
    if (goneRoot_ == current.root) return;
    goneRoot_ = current.root;
    throw driveNotReady(current.designation,
                        std::make_error_code(std::errc::no_such_device).message());
}

void DriveList::selectAndRaise(std::size_t index) {
    if (index == state_.selected) return;
    const platform::Drive& target = state_.entries[index];
    try {
        drives_.currentFolder(target);
    } catch (const std::system_error& error) {
        throw driveNotReady(target.designation, error.code().message());
    }
    changeAndRaise(state_, State{state_.entries, index}, onChange);
}

}  // namespace nickbridge::choosers

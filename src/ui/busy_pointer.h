// SPDX-License-Identifier: MIT
#pragma once

namespace nickbridge::ui {

// Shows the busy pointer over the whole program for as long as it lives, so a long command shows
// a sign of life. lift() brings the normal pointer back early, before anything asks something of
// the user; the pointer is restored once, whichever way the command ends.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    void lift();

private:
    bool shown_ = true;
};

}  // namespace nickbridge::ui

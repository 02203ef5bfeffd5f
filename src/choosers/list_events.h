// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <utility>

namespace nickbridge::choosers {

// A list's event handler; it runs to its end inside the step that raised it.
using ListEvent = std::function<void()>;

inline void raise(const ListEvent& event) {
    if (event) event();
}

// Makes `state` the list's new state and raises `event`. Should the handler fail, the list goes
// back to the state it had, so a failure deep in a chain of reactions leaves every list of the
// chain where it was.
template <typename State>
void changeAndRaise(State& state, State next, const ListEvent& event) {
    State previous = std::exchange(state, std::move(next));
    try {
        raise(event);
    } catch (...) {
        state = std::move(previous);
        throw;
    }
}

}  // namespace nickbridge::choosers

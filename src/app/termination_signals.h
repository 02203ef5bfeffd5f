// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

namespace nickbridge::app {

// SIGTERM and SIGHUP (the session ending, the terminal going away) are taken as the user closing
// the main window: its close handler saves the settings, then the program ends, with exit status
// 1 when the save failed. Nobody may be there to answer a message box, so none opens.

// From here on these signals no longer end the program at once; one that comes before
// closeOnTerminationSignals waits for it. A signal the program was started to ignore (nohup)
// stays ignored.
void holdTerminationSignals();

// When a held signal comes: runs `closeWindow` (false when its save failed) and ends the event
// loop. `owner` keeps the watch alive.
void closeOnTerminationSignals(QObject& owner, std::function<bool()> closeWindow);

}  // namespace nickbridge::app

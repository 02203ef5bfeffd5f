// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace nickbridge::app {

// SIGTERM and SIGHUP (the session ending, the terminal going away) are taken as the user closing
// the main window: its close handler saves the settings, then the program ends.

// From here on these signals no longer end the program at once; one that comes before
// closeOnTerminationSignals waits for it. A signal the program was started to ignore (nohup)
// stays ignored.
void holdTerminationSignals();

// Closes `window` and ends the event loop when a held signal comes.
void closeOnTerminationSignals(QWidget& window);

}  // namespace nickbridge::app

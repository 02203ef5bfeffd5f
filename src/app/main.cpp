// SPDX-License-Identifier: MIT
#include <QApplication>

#include "platform/drives.h"
#include "settings/settings_file.h"
#include "termination_signals.h"
#include "ui/choosers/chooser_windows.h"
#include "ui/main_window/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    nickbridge::app::holdTerminationSignals();
    nickbridge::ui::MainWindow window(
        nickbridge::ui::chooserWindowsOver(nickbridge::platform::systemDrives()),
        nickbridge::SettingsFile());
    nickbridge::app::closeOnTerminationSignals(window,
                                               [&window] { return window.closeForTermination(); });
    window.show();
    return QApplication::exec();
}

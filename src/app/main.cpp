// SPDX-License-Identifier: MIT
#include <QApplication>

#include "termination_signals.h"
#include "ui/main_window/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    nickbridge::app::holdTerminationSignals();
    nickbridge::ui::MainWindow window;
    nickbridge::app::closeOnTerminationSignals(window,
                                               [&window] { return window.closeForTermination(); });
    window.show();
    return QApplication::exec();
}

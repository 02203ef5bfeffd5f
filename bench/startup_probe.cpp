// SPDX-License-Identifier: MIT
// Starts a window, lets it be shown and painted once, and quits: bench/startup.sh times whole
// runs of it. `minimal` is the yardstick, a bare Qt Widgets window with a menu bar, a label, a
// line edit, a check box and a button; `nickbridge` is the main window with its two choosers.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstring>
#include <memory>

#include "platform/drives.h"
#include "settings/settings_file.h"
#include "ui/choosers/chooser_windows.h"
#include "ui/main_window/main_window.h"

namespace {

std::unique_ptr<QMainWindow> minimalWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* client = new QWidget(window.get());
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(new QLabel(QStringLiteral("Label"), client));
    layout->addWidget(new QLineEdit(client));
    layout->addWidget(new QCheckBox(QStringLiteral("Box"), client));
    layout->addWidget(new QPushButton(QStringLiteral("&Button"), client));
    window->setCentralWidget(client);
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool minimal = argc > 1 && std::strcmp(argv[1], "minimal") == 0;
    std::unique_ptr<QMainWindow> window =
        minimal ? minimalWindow()
                : std::make_unique<nickbridge::ui::MainWindow>(
                      nickbridge::ui::chooserWindowsOver(nickbridge::platform::systemDrives()),
                      nickbridge::SettingsFile());
    window->show();
    // Quit once the event loop has shown the window; nothing is saved on the way out.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}

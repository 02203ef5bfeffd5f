// SPDX-License-Identifier: MIT
#include "ui/about/about_box.h"

#include <utility>

#include "platform/program_launcher.h"
#include "platform/system_registry.h"
#include "ui/about/about_dialog.h"

namespace nickbridge::ui {
namespace {

AboutRunner& currentRunner() {
    static AboutRunner runner = [](AboutDialog& dialog) { dialog.exec(); };
    return runner;
}

}  // namespace

void showAboutBox(QWidget* owner) {
    AboutDialog dialog(owner, platform::systemRegistry(), platform::systemLauncher());
    currentRunner()(dialog);
}

AboutRunner setAboutRunner(AboutRunner runner) {
    return std::exchange(currentRunner(), std::move(runner));
}

}  // namespace nickbridge::ui

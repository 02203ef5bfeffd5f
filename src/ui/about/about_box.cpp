// SPDX-License-Identifier: MIT
#include "ui/about/about_box.h"

#include "platform/program_launcher.h"
#include "platform/system_registry.h"
#include "ui/about/about_dialog.h"
#include "ui/modal.h"

namespace nickbridge::ui {

void showAboutBox(QWidget* owner) {
    AboutDialog dialog(owner, platform::systemRegistry(), platform::systemLauncher());
    showModal(dialog);
}

}  // namespace nickbridge::ui

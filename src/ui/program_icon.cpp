// SPDX-License-Identifier: MIT
#include "ui/program_icon.h"

// The images are compiled into this static library; Q_INIT_RESOURCE must sit outside any
// namespace and makes the linker keep them.
static void initProgramIconResources() { Q_INIT_RESOURCE(nickbridge); }

namespace nickbridge::ui {

QIcon programIcon() {
    static const bool resourcesLoaded = (initProgramIconResources(), true);
    (void)resourcesLoaded;
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/nickbridge-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/nickbridge-32.png"), QSize(32, 32));
    return icon;
}

}  // namespace nickbridge::ui

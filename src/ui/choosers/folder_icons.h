// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace nickbridge::ui {

// The folder list's two pictures: an open folder for the open folder and those above it, a closed
// one for the folders inside it. Drawn here, since the styles' own pair often looks the same.
QIcon folderIcon(bool open);

}  // namespace nickbridge::ui

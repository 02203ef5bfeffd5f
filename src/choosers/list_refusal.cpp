// SPDX-License-Identifier: MIT
#include "choosers/list_refusal.h"

namespace nickbridge::choosers {

ListRefusal cannotOpenFolder(const std::string& folder, const std::string& reason) {
    return ListRefusal("Cannot open the folder \"" + folder + "\": " + reason);
}

ListRefusal driveNotReady(const std::string& designation, const std::string& reason) {
    return ListRefusal("The drive \"" + designation + "\" is not ready: " + reason);
}

ListRefusal noSuchDrive(const std::string& text) {
    return ListRefusal("There is no drive \"" + text + "\".");
}

ListRefusal noFolderGiven() { return ListRefusal("No folder was given."); }

}  // namespace nickbridge::choosers

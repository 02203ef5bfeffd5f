// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace nickbridge::choosers {

// An assignment a list cannot take. The list is left as it was; what() is the text for the user,
// naming the folder or drive and the system's reason.
class ListRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

ListRefusal cannotOpenFolder(const std::string& folder, const std::string& reason);
ListRefusal driveNotReady(const std::string& designation, const std::string& reason);
ListRefusal noSuchDrive(const std::string& text);
ListRefusal noFolderGiven();

}  // namespace nickbridge::choosers

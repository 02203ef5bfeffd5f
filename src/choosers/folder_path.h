// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "platform/drives.h"

namespace nickbridge::choosers {

// The folder an assignment to a folder or file list names, as bytes: a bare drive designation
// stands for that drive's current folder; any other text is a folder, relative ones taken from
// the current folder, in full form, where only a root ends in a separator. Throws ListRefusal
// for an empty text, a drive that is not ready or a text too long to be any path; whether the
// folder exists is not checked here.
std::string folderNamedBy(std::string_view text, const platform::Drives& drives);

// Where a new chooser's lists start: the current folder.
std::string startingFolder();

// `name` inside `folder`: a root folder already ends in its separator, so none is doubled.
std::string inFolder(const std::string& folder, const std::string& name);

}  // namespace nickbridge::choosers

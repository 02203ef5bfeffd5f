// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

namespace nickbridge::cli {

// The whole of nickbridge-convert: reads the command line, runs the Convert command the window
// runs, and returns the process exit code.
int runConvertTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace nickbridge::cli

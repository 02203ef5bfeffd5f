// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace nickbridge::platform {

// Starts a program as a separate process and returns at once, without waiting for it and never
// through a command interpreter.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // True when the program was started. On Windows the command line goes to CreateProcessA as it
    // stands (program and arguments, with Windows' own quoting rules) and gets a normal, focused
    // window. On POSIX systems the command line is the program's path, started with no arguments:
    // nothing splits it, so blanks and shell characters stay part of the name.
    virtual bool start(const std::string& commandLine) = 0;
};

ProgramLauncher& systemLauncher();

}  // namespace nickbridge::platform

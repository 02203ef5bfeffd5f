// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/program_launcher.h"

namespace nickbridge::platform {
namespace {

class WindowsLauncher final : public ProgramLauncher {
public:
    bool start(const std::string& commandLine) override {
        // CreateProcessA may write into the command line it is given.
        std::string writable = commandLine;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return false;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
};

}  // namespace

ProgramLauncher& systemLauncher() {
    static WindowsLauncher launcher;
    return launcher;
}

}  // namespace nickbridge::platform

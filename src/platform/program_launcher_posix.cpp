// SPDX-License-Identifier: MIT
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "platform/program_launcher.h"

extern char** environ;

namespace nickbridge::platform {
namespace {

// posix_spawn starts the program without copying this threaded process's state into a fork, and
// reports a program that cannot be run. The program is never ours to wait for: a detached thread
// collects its exit status whenever it ends, so it leaves no zombie behind.
class PosixLauncher final : public ProgramLauncher {
public:
    bool start(const std::string& commandLine) override {
        if (commandLine.empty()) return false;
        char* const argv[] = {const_cast<char*>(commandLine.c_str()), nullptr};
        pid_t program = 0;
        if (::posix_spawn(&program, argv[0], nullptr, nullptr, argv, environ) != 0) return false;
        std::thread([program] {
            int status = 0;
            while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
        return true;
    }
};

}  // namespace

ProgramLauncher& systemLauncher() {
    static PosixLauncher launcher;
    return launcher;
}

}  // namespace nickbridge::platform

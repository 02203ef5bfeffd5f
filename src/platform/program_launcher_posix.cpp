// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/program_launcher.h"

namespace nickbridge::platform {
namespace {

// The program is started by a short-lived intermediate child, so it is never ours to wait for
// and leaves no zombie behind. A pipe closed on exec tells whether the exec worked: it reaches
// end-of-file on success and carries errno on failure. Between fork and exec the children call
// only async-signal-safe functions.
class PosixLauncher final : public ProgramLauncher {
public:
    bool start(const std::string& commandLine) override {
        if (commandLine.empty()) return false;
        int report[2];
        if (::pipe2(report, O_CLOEXEC) != 0) return false;
        char* const argv[] = {const_cast<char*>(commandLine.c_str()), nullptr};
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(report[0]);
            const pid_t program = ::fork();
            if (program == 0) {
                ::execv(argv[0], argv);
                const int error = errno;
                (void)!::write(report[1], &error, sizeof error);
                ::_exit(127);
            }
            ::_exit(program < 0 ? 1 : 0);
        }
        ::close(report[1]);
        if (child < 0) {
            ::close(report[0]);
            return false;
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        int execError = 0;
        ssize_t got = 0;
        do {
            got = ::read(report[0], &execError, sizeof execError);
        } while (got < 0 && errno == EINTR);
        ::close(report[0]);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
    }
};

}  // namespace

ProgramLauncher& systemLauncher() {
    static PosixLauncher launcher;
    return launcher;
}

}  // namespace nickbridge::platform

// SPDX-License-Identifier: MIT
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace nickbridge::testing {

// The user permission tests act as: the tests run as root, whom the kernel refuses nothing.
struct OtherUser {
    uid_t uid;
    gid_t gid;
};

inline OtherUser nobody() {
    const passwd* entry = ::getpwnam("nobody");
    return entry != nullptr ? OtherUser{entry->pw_uid, entry->pw_gid} : OtherUser{65534, 65534};
}

// Runs `action` in a child process as `nobody` and hands back the text it returned; nothing when
// the tests do not run as root, since only root can become someone else.
inline std::optional<std::string> runAsNobody(const std::function<std::string()>& action) {
    if (::geteuid() != 0) return std::nullopt;
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const OtherUser user = nobody();
        std::string result = "could not become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setresgid(user.gid, user.gid, user.gid) == 0 &&
            ::setresuid(user.uid, user.uid, user.uid) == 0) {
            result = action();
        }
        const ssize_t written = ::write(channel[1], result.data(), result.size());
        ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return result;
}

}  // namespace nickbridge::testing

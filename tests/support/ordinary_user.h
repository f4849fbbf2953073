// Runs part of a test as an ordinary user, whom file permissions bind; root
// may write almost anything, so a test of a refused write run as root would
// pass without testing anything. Under root the work runs in a forked child
// that has given up its privileges for those of the user "nobody", and its
// answer comes back as text through a pipe.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace slv::test {

/// What work returned, run as an ordinary user; nullopt with the reason in
/// whyNot when no ordinary user can be had.
inline std::optional<std::string> AsOrdinaryUser(const std::function<std::string()>& work, std::string& whyNot)
{
    if (::geteuid() != 0)
        return work();
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr) {
        whyNot = "the tests run as root and there is no user \"nobody\" to run them as";
        return std::nullopt;
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    int channel[2];
    if (::pipe(channel) != 0) {
        whyNot = "no pipe to a child process";
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // The first byte says whether the work ran ('+') or why not ('-').
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        const std::string answer = dropped ? "+" + work() : "-root privileges could not be given up";
        std::size_t sent = 0;
        while (sent < answer.size()) {
            const ssize_t n = ::write(channel[1], answer.data() + sent, answer.size() - sent);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string answer;
    std::array<char, 4096> buffer{};
    ssize_t n = 0;
    while (child > 0 && (n = ::read(channel[0], buffer.data(), buffer.size())) > 0)
        answer.append(buffer.data(), static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    if (child <= 0 || answer.empty() || answer.front() != '+') {
        whyNot = answer.size() > 1 ? answer.substr(1) : "the child process running as \"nobody\" failed";
        return std::nullopt;
    }
    return answer.substr(1);
}

}  // namespace slv::test

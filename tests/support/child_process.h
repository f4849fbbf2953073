// Runs part of a test in a forked child process that first changes what the
// test cannot change for itself without harm: it gives up root's privileges
// (file permissions bind an ordinary user, while root may write almost
// anything, so a test of a refused write run as root would pass without
// testing anything), or it mounts a read-only disk in a mount namespace of
// its own. The child's answer comes back as text through a pipe.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace slv::test {

/// What work returned, run in a child after prepare, which returns "" when
/// it succeeded and otherwise why it did not; nullopt with that reason in
/// whyNot when the child could not be prepared.
inline std::optional<std::string> InChildProcess(const std::function<std::string()>& prepare,
                                                 const std::function<std::string()>& work, std::string& whyNot)
{
    int channel[2];
    if (::pipe(channel) != 0) {
        whyNot = "no pipe to a child process";
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // The first byte says whether the work ran ('+') or why not ('-').
        const std::string failed = prepare();
        const std::string answer = failed.empty() ? "+" + work() : "-" + failed;
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
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    if (child <= 0 || answer.empty() || answer.front() != '+') {
        whyNot = answer.size() > 1 ? answer.substr(1) : "the child process failed";
        return std::nullopt;
    }
    return answer.substr(1);
}

/// What work returned, run as an ordinary user: in the test's own process
/// when it is not root, else in a child that has become the user "nobody".
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
    const auto becomeNobody = [uid, gid] {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        return dropped ? std::string() : std::string("root privileges could not be given up");
    };
    return InChildProcess(becomeNobody, work, whyNot);
}

/// What work returned, run in a child that sees an empty read-only disk
/// mounted on folder (which must exist); needs root.
inline std::optional<std::string> OnReadOnlyDisk(const std::filesystem::path& folder,
                                                 const std::function<std::string()>& work, std::string& whyNot)
{
    if (::geteuid() != 0) {
        whyNot = "only root can mount a read-only disk";
        return std::nullopt;
    }
    const auto mountReadOnly = [folder] {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("slv_read_only", folder.c_str(), "tmpfs", MS_RDONLY, nullptr) != 0)
            return std::string("no read-only disk can be mounted here (no mount namespace or no tmpfs)");
        return std::string();
    };
    return InChildProcess(mountReadOnly, work, whyNot);
}

}  // namespace slv::test

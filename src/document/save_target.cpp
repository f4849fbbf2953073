#include "document/save_target.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string_view>

namespace slv {

namespace {

constexpr std::string_view kSavingMark = ".saving-";

std::string SavingPrefix(const std::filesystem::path& target)
{
    return "." + target.filename().string() + std::string(kSavingMark);
}

/// The process id of a name "PID-N", both decimal numbers; none otherwise.
std::optional<pid_t> SavingProcessOf(std::string_view suffix)
{
    const std::size_t dash = suffix.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == suffix.size())
        return std::nullopt;
    long long pid = 0;
    const char* end = suffix.data() + dash;
    if (const auto [stop, fault] = std::from_chars(suffix.data(), end, pid);
        fault != std::errc{} || stop != end || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    for (const char c : suffix.substr(dash + 1))
        if (c < '0' || c > '9')
            return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool ProcessHasEnded(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::optional<FileFailure> ResolveSaveTarget(const std::filesystem::path& path, SaveTarget& target)
{
    target = {path, std::nullopt};
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(FileFailure{path, LastSystemError()});
    if (S_ISLNK(info.st_mode)) {
        const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
        if (!resolved) {
            const std::error_code error = errno == ENOENT ? FileKindError::DanglingLink : LastSystemError();
            return FileFailure{path, error};
        }
        target.file = resolved.get();
        if (::stat(target.file.c_str(), &info) != 0)
            return FileFailure{target.file, LastSystemError()};
    }
    if (const std::error_code error = NotRegularFileError(info.st_mode))
        return FileFailure{target.file, error};
    // The rename needs only the folder to be writable; a file the user may
    // not change must not be replaced behind its permissions.
    if (::faccessat(AT_FDCWD, target.file.c_str(), W_OK, AT_EACCESS) != 0)
        return FileFailure{target.file, LastSystemError()};
    target.permissions = info.st_mode & 07777;
    return std::nullopt;
}

std::filesystem::path FolderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

std::string SavingFileName(const std::filesystem::path& target, pid_t pid, unsigned serial)
{
    return SavingPrefix(target) + std::to_string(pid) + "-" + std::to_string(serial);
}

void RemoveStaleSavingFiles(const std::filesystem::path& target)
{
    const std::string prefix = SavingPrefix(target);
    const std::filesystem::path folder = FolderOf(target);
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, std::filesystem::directory_options::skip_permission_denied,
                                                error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const auto pid = SavingProcessOf(std::string_view(name).substr(prefix.size()));
        struct stat info {};
        if (!pid || *pid == ::getpid() || !ProcessHasEnded(*pid))
            continue;
        if (::lstat(entries->path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(entries->path().c_str());
    }
}

}  // namespace slv

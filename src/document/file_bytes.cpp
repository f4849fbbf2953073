#include "document/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <utility>

#include "document/save_target.h"

namespace slv {
namespace {

/// Closes the descriptor when the scope ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    /// Closes now and reports the error a delayed write may surface here.
    std::error_code close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? std::error_code{} : LastSystemError();
    }

private:
    int m_fd;
};

std::error_code WriteAll(int fd, std::span<const std::byte> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastSystemError();
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

/// Creates a new file beside target under a name no other file has, with the
/// permissions the umask gives a new file.
FileDescriptor CreateSiblingFile(const std::filesystem::path& target, std::filesystem::path& created,
                                 std::error_code& error)
{
    static std::atomic<unsigned> serial{0};
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        created = target;
        created.replace_filename(SavingFileName(target, ::getpid(), serial++));
        FileDescriptor fd(::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) {
            error = fd.valid() ? std::error_code{} : LastSystemError();
            return fd;
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return FileDescriptor(-1);
}

/// Makes the rename itself durable; a folder that cannot be flushed still
/// holds the new file, so failures here are not reported.
void FlushFolder(const std::filesystem::path& folder)
{
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

/// The folder a failure to create a file in it is reported for, as an
/// absolute path when it can be had.
std::filesystem::path FolderNamed(const std::filesystem::path& file)
{
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(FolderOf(file), ignored);
    return absolute.empty() ? FolderOf(file) : absolute;
}

}  // namespace

std::vector<std::byte> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes, std::error_code& error)
{
    error.clear();
    if (path.empty()) {
        error = std::make_error_code(std::errc::invalid_argument);
        return {};
    }
    // Only a regular file is opened: opening a device can act on it, and a
    // named pipe's open waits for a writer.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        error = LastSystemError();
        return {};
    }
    if ((error = NotRegularFileError(named.st_mode)))
        return {};
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!fd.valid() || ::fstat(fd.get(), &opened) != 0) {
        error = LastSystemError();
        return {};
    }
    // The name may have been given to another file since the look above.
    if ((error = NotRegularFileError(opened.st_mode)))
        return {};
    // Room for the size the file has now and one byte more, so that the end
    // is seen without growing; a file that grows meanwhile is read on.
    const auto size = static_cast<std::size_t>(std::max<off_t>(opened.st_size, 0));
    std::vector<std::byte> bytes(std::min(size + 1, maxBytes));
    std::size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == bytes.size())
            bytes.resize(std::min(maxBytes, 2 * bytes.size()));
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = LastSystemError();
            return {};
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

std::optional<FileFailure> ReplaceFileContents(const std::filesystem::path& path, std::span<const std::byte> bytes)
{
    if (path.empty() || !path.has_filename())
        return FileFailure{path, std::make_error_code(std::errc::invalid_argument)};
    SaveTarget target;
    if (auto refused = ResolveSaveTarget(path, target))
        return refused;
    RemoveStaleSavingFiles(target.file);

    std::filesystem::path temporary;
    std::error_code error;
    FileDescriptor fd = CreateSiblingFile(target.file, temporary, error);
    if (error)
        return FileFailure{FolderNamed(target.file), error};
    if (target.permissions)
        ::fchmod(fd.get(), *target.permissions);

    error = WriteAll(fd.get(), bytes);
    if (!error && ::fsync(fd.get()) != 0)
        error = LastSystemError();
    if (const std::error_code closeError = fd.close(); !error)
        error = closeError;
    if (!error && ::rename(temporary.c_str(), target.file.c_str()) != 0)
        error = LastSystemError();
    if (error) {
        ::unlink(temporary.c_str());
        return FileFailure{target.file, error};
    }
    FlushFolder(FolderOf(target.file));
    return std::nullopt;
}

}  // namespace slv

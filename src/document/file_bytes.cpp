#include "document/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <utility>

#include "document/file_error.h"

namespace slv {
namespace {

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

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
        return ::close(fd) == 0 ? std::error_code{} : LastError();
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
            return LastError();
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
        created.replace_filename("." + target.filename().string() + ".saving-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(serial++));
        FileDescriptor fd(::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) {
            error = fd.valid() ? std::error_code{} : LastError();
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
    FileDescriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

std::filesystem::path FollowLink(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved;
}

}  // namespace

std::vector<std::byte> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes, std::error_code& error)
{
    error.clear();
    if (path.empty()) {
        error = std::make_error_code(std::errc::invalid_argument);
        return {};
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        error = LastError();
        return {};
    }
    if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return {};
    }
    std::vector<std::byte> bytes(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = LastError();
            return {};
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

std::error_code ReplaceFileContents(const std::filesystem::path& path, std::span<const std::byte> bytes)
{
    if (path.empty() || !path.has_filename())
        return std::make_error_code(std::errc::invalid_argument);
    const std::filesystem::path target = FollowLink(path);

    std::filesystem::path temporary;
    std::error_code error;
    FileDescriptor fd = CreateSiblingFile(target, temporary, error);
    if (error)
        return error;

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd.get(), existing.st_mode & 07777);

    error = WriteAll(fd.get(), bytes);
    if (!error && ::fsync(fd.get()) != 0)
        error = LastError();
    if (const std::error_code closeError = fd.close(); !error)
        error = closeError;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = LastError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    FlushFolder(target.parent_path());
    return {};
}

int FileErrorNumberOf(std::error_code error, FileAccess access)
{
    constexpr int kDiskFull = 61, kTooManyFiles = 67, kDeviceError = 57;
    if (error.category() != std::generic_category() && error.category() != std::system_category())
        return kDeviceError;
    switch (error.value()) {
    case ENOENT: return access == FileAccess::Read ? kErrFileNotFound : kErrPathNotFound;
    case ENOTDIR:
    case ELOOP: return kErrPathNotFound;
    case EINVAL:
    case ENAMETOOLONG: return kErrBadFileName;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return kErrPathAccess;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case EMFILE:
    case ENFILE: return kTooManyFiles;
    default: return kDeviceError;
    }
}

}  // namespace slv

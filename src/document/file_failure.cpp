#include "document/file_failure.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

namespace slv {

namespace {

class FileKindErrors final : public std::error_category {
public:
    const char* name() const noexcept override { return "file kind"; }
    std::string message(int value) const override
    {
        switch (static_cast<FileKindError>(value)) {
        case FileKindError::NamedPipe: return "is a named pipe (FIFO), not a regular file";
        case FileKindError::Device: return "is a device, not a regular file";
        case FileKindError::Socket: return "is a socket, not a regular file";
        case FileKindError::DanglingLink: return "is a symbolic link to a file that does not exist";
        }
        return "is not a regular file";
    }
};

}  // namespace

const std::error_category& FileKindCategory()
{
    static const FileKindErrors category;
    return category;
}

std::error_code NotRegularFileError(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return {EISDIR, std::generic_category()};
    if (S_ISFIFO(mode))
        return FileKindError::NamedPipe;
    if (S_ISSOCK(mode))
        return FileKindError::Socket;
    return FileKindError::Device;
}

}  // namespace slv

// What went wrong with one file: the file (or folder) an operation failed on
// and the system's reason. Named pipes, devices and sockets are no document
// files, and a symbolic link may lead nowhere; the system has no error number
// for these, so they carry reasons of their own.
#pragma once

#include <sys/types.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <type_traits>

namespace slv {

struct FileFailure {
    std::filesystem::path path;
    std::error_code error;
};

/// Reasons a file cannot serve as a document file that have no system error number.
enum class FileKindError {
    NamedPipe = 1,
    Device,
    Socket,
    DanglingLink,
};

const std::error_category& FileKindCategory();

/// The error of the system call that just failed (errno).
inline std::error_code LastSystemError()
{
    return {errno, std::generic_category()};
}

inline std::error_code make_error_code(FileKindError error)
{
    return {static_cast<int>(error), FileKindCategory()};
}

/// Why a file of this kind (the st_mode of stat) cannot be read or replaced
/// as a whole: a folder is EISDIR, a named pipe, device or socket its own
/// reason; nothing for a regular file.
std::error_code NotRegularFileError(mode_t mode);

}  // namespace slv

template<>
struct std::is_error_code_enum<slv::FileKindError> : std::true_type {
};

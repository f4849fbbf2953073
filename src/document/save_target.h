// Where a save really writes, and what earlier saves left behind there. A
// save writes a temporary file beside its target and renames it over the
// target; the temporary file is named .NAME.saving-PID-N after the target's
// name, the saving process and a serial number, so that a file left by a
// save that was killed before its rename can be told apart and removed.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

#include "document/file_failure.h"

namespace slv {

struct SaveTarget {
    /// The file the rename replaces: the path saved to, or the file a
    /// symbolic link there finally names.
    std::filesystem::path file;
    /// The permission bits of the file replaced, which the new file keeps;
    /// none for a new file.
    std::optional<mode_t> permissions;
};

/// Checks the path a document is saved to and follows a symbolic link to the
/// file it names. Refused, with the file and the reason: a link that leads
/// nowhere or in a circle, a folder, named pipe, device or socket, and an
/// existing file the user may not write (or that lies on a read-only disk).
/// A path that does not exist yet is a new file; its folder is tried when the
/// temporary file is created.
std::optional<FileFailure> ResolveSaveTarget(const std::filesystem::path& path, SaveTarget& target);

/// The folder holding file ("." for a bare name).
std::filesystem::path FolderOf(const std::filesystem::path& file);

/// The name of the serial-th temporary file of a save of target by process pid.
std::string SavingFileName(const std::filesystem::path& target, pid_t pid, unsigned serial);

/// Removes the temporary files of saves of target whose process no longer
/// runs. Files of running processes (also of other users) and of other
/// targets stay; what cannot be removed is left as it is.
void RemoveStaleSavingFiles(const std::filesystem::path& target);

}  // namespace slv

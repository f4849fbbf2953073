// Moving a file's bytes between memory and disk for the program's files: a
// bounded read of a regular file's start that never waits on a pipe or a
// device, and a replacing write that never leaves a half-written file in
// place of the old one. Failures name the file they met and the system's
// reason; FileFailureFinding (file_error.h) turns them into the message the
// analyst sees.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

#include "document/file_failure.h"

namespace slv {

/// The first maxBytes bytes of a regular file (all of it when it is
/// shorter); on failure an empty buffer and the error. A folder, named pipe,
/// device or socket is refused before anything is read from it, so that a
/// pipe without a writer cannot stop the program and a device cannot feed it
/// without end.
std::vector<std::byte> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes, std::error_code& error);

/// Replaces the content of the file at path with bytes. The bytes go to a new
/// file in the target's folder, which is flushed to the disk and then renamed
/// over the target, so the target holds either its old content or all of the
/// new; a longer old file leaves no trailing bytes. A symbolic link is
/// followed and the file it names is replaced; the permissions of an existing
/// target are kept. What ResolveSaveTarget refuses is not touched, and
/// temporary files that earlier saves of the same target left behind are
/// removed first. nullopt when written, else the file or folder that failed
/// and why.
std::optional<FileFailure> ReplaceFileContents(const std::filesystem::path& path, std::span<const std::byte> bytes);

}  // namespace slv

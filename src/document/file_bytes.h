// Moving a file's bytes between memory and disk for the document files: a
// bounded read of a file's start, and a replacing write that never leaves a
// half-written file in place of the old one. Failures come back as system
// error codes; FileErrorNumberOf turns them into the run-time error numbers
// that ReportFileError shows.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

namespace slv {

/// The first maxBytes bytes of a file (all of it when it is shorter); on
/// failure an empty buffer and the error.
std::vector<std::byte> ReadFileStart(const std::filesystem::path& path, std::size_t maxBytes, std::error_code& error);

/// Replaces the content of the file at path with bytes. The bytes go to a new
/// file in the same folder, which is flushed to the disk and then renamed
/// over the target, so the target holds either its old content or all of the
/// new; a longer old file leaves no trailing bytes. A symbolic link is
/// followed and the file it names is replaced; the permissions of an existing
/// target are kept.
std::error_code ReplaceFileContents(const std::filesystem::path& path, std::span<const std::byte> bytes);

enum class FileAccess { Read, Write };

/// The run-time error number of a failed file operation: file not found
/// (reading), path not found, bad file name, path access, 61 disk full, 67 too
/// many files, 57 any other device error.
int FileErrorNumberOf(std::error_code error, FileAccess access);

}  // namespace slv

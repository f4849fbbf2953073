// The element library SLV.lib: element and line data (atomic weights,
// densities, binding energies, cross-section sets, asymmetry parameters and
// geometry weights) that complete the element table.
//
// The library lives in the program folder. It is read and checked whole
// once and then kept for the process until its file changes (another
// modification time or size), so that repeated lookups and imports do not
// read it again. The functions here report what went wrong as findings; the
// reading and completion underneath (library_file.h, library_entry.h) serve
// the command line as well.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <array>

#include "document/file_failure.h"
#include "document/library_entry.h"
#include "document/library_file.h"
#include "platform/findings.h"

namespace slv {

enum class LibraryOpenStatus {
    Ok,
    NotFound,    // no SLV.lib in the folder
    Unreadable,  // cannot be read, or no regular file
    TooLarge,    // larger than any element library
    IllegalHeader,
    IncompatibleVersion,
    Damaged,  // a section, record or count does not fit the file
};

struct LibraryOpenResult {
    LibraryOpenStatus status = LibraryOpenStatus::NotFound;
    std::string damage;                  // what is wrong, for Damaged
    std::optional<FileFailure> failure;  // the file and the reason, for NotFound and Unreadable
    std::optional<LibraryFile> library;  // set when status is Ok
};

/// Reads SLV.lib from the folder and checks all of it (header, sections and
/// every element record), so that an operation never meets a damaged record
/// halfway through the element table; shows nothing. A library read before
/// whose file is unchanged is not read again.
LibraryOpenResult ReadLibrary(const std::filesystem::path& programFolder);

/// The message for a failed open of the library in programFolder, trailing
/// blanks included: the file error (with the file and the system's reason)
/// when it is missing or cannot be read, else what is wrong with it.
std::string LibraryOpenMessage(const LibraryOpenResult& result, const std::filesystem::path& programFolder);

/// The message for a damaged library: what is wrong and where.
std::string LibraryDamagedMessage(std::string_view damage);

/// Reads the library from the program folder; on failure reports the
/// missing-file error, "Illegal or damaged library file header",
/// "Incompatible library." or what is damaged, and returns nullopt.
std::optional<LibraryFile> OpenLibrary(const std::filesystem::path& programFolder, Findings& findings);

/// "Element Fe not found", as the lookup shows it.
std::string ElementNotFoundMessage(std::string_view symbol);

/// "Line Fe2p9 not found": the prompt of the line choice.
std::string LineNotFoundPrompt(std::string_view symbol, std::string_view line);

/// Whether the options' set is one the library holds no values of at all:
/// a set 3..5 with an average factor of 0.
bool LibraryLacksSet(const LibraryFile& library, const LookupOptions& options);

/// Why an element offers no line to choose from: the library holds no values
/// of the set at all, none for this element, or no lines of it.
std::string NoUsableLinesMessage(const LibraryFile& library, const LookupOptions& options, std::string_view symbol);

/// Fills element rows firstRow..lastRow of the document from the library. A
/// row whose line the library lacks offers the usable lines to choose from
/// (findings.chooseLine).
void LibraryLookup(Document& doc, const std::filesystem::path& programFolder, int firstRow, int lastRow,
                   Findings& findings);

/// Re-reads Z, density and valence electrons of rows 1..ElemCount.
void RefreshElementConstants(Document& doc, const std::filesystem::path& programFolder, Findings& findings);

/// The weights of the nine polar-angle classes (1..9) of a curved geometry.
using GeometryWeights = std::array<float, kGeometryWeights + 1>;

/// The geometry weights the document's model type needs: the library's
/// record for the sphere (or the single row of spheres) and the cylinder,
/// the polyhedron's own factors; nullopt for a model that needs none or
/// when the library could not be read (reported).
std::optional<GeometryWeights> GeometryWeightsOf(const Document& doc, const std::filesystem::path& programFolder,
                                                 Findings& findings);

/// The asymmetry parameter beta of a line for a source (Mg or Al K-alpha):
/// 2 for s lines without reading the library, kAsymmetryNotFound (-1) when
/// the library has no parameter for it or cannot be read.
float AsymmetryParameter(const std::filesystem::path& programFolder, int Z, std::string_view line,
                         ExcitationSource source, Findings& findings);

}  // namespace slv

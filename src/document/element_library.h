// The element library SLV.lib: element and line data (atomic weights,
// densities, binding energies, cross-section sets, asymmetry parameters and
// geometry weights) that complete the element table.
//
// The library lives in the program folder and is read whole for every
// operation (nothing is kept between operations). The functions here talk to
// the analyst through the session's dialogs; the reading and completion
// underneath (library_file.h, library_entry.h) show nothing and serve the
// command line as well.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/session.h"
#include "document/library_entry.h"
#include "document/library_file.h"

namespace slv {

enum class LibraryOpenStatus {
    Ok,
    NotFound,             // no SLV.lib in the folder
    Unreadable,           // cannot be read, or larger than any element library
    IllegalHeader,
    IncompatibleVersion,
    Damaged,              // a section, record or count does not fit the file
};

struct LibraryOpenResult {
    LibraryOpenStatus status = LibraryOpenStatus::NotFound;
    std::string damage;                  // what is wrong, for Damaged
    std::optional<LibraryFile> library;  // set when status is Ok
};

/// Reads SLV.lib from the folder and checks all of it (header, sections and
/// every element record), so that an operation never meets a damaged record
/// halfway through the element table; shows nothing.
LibraryOpenResult ReadLibrary(const std::filesystem::path& programFolder);

/// The message for a failed open, trailing blanks included (NotFound is
/// reported by ReportFileError instead and has no text here).
std::string LibraryOpenMessage(const LibraryOpenResult& result);

/// The message for a damaged library: what is wrong and where.
std::string LibraryDamagedMessage(std::string_view damage);

/// Reads the library from the program folder; on failure shows the missing-
/// file error, "Illegal or damaged library file header", "Incompatible
/// library." or what is damaged, and returns nullopt.
std::optional<LibraryFile> OpenLibrary(Session& session);

/// "Element Fe not found", as the lookup shows it.
std::string ElementNotFoundMessage(std::string_view symbol);

/// "Line Fe2p9 not found": the prompt of the line choice.
std::string LineNotFoundPrompt(std::string_view symbol, std::string_view line);

/// Whether the options' set is one the library holds no values of at all:
/// a set 3..5 with an average factor of 0.
bool LibraryLacksSet(const LibraryFile& library, const LookupOptions& options);

/// Why an element offers no line to choose from: the library holds no values
/// of the set at all, none for this element, or no lines of it.
std::string NoUsableLinesMessage(const LibraryFile& library, const LookupOptions& options,
                                 std::string_view symbol);

/// Fills element rows firstRow..lastRow of the document from the library.
void LibraryLookup(Session& session, int firstRow, int lastRow);

/// Re-reads Z, density and valence electrons of rows 1..ElemCount.
void RefreshElementConstants(Session& session);

/// Reads the geometry weights that the document's model type needs into Session::AngleWeight.
void LoadGeometryWeights(Session& session);

/// The asymmetry parameter beta of a line for a source (Mg or Al K-alpha):
/// 2 for s lines without reading the library, kAsymmetryNotFound (-1) when
/// the library has no parameter for it or cannot be read.
float AsymmetryParameter(Session& session, int Z, std::string_view line, ExcitationSource source);

}  // namespace slv

// Loading and saving the document: data files (.lvd, magic "SLVD") hold the
// whole data set, template files (.lvt, magic "SLVT") the set-up of an
// analysis without intensities, labels and fit results. The loader reads the
// current format and eleven older ones, and hands any other file to the
// reduced data exchange import.
//
// Files are untrusted input. The loader reads the file's start into memory,
// checks every count, length and position before use, and fills the document
// only when the whole body was read: after a failed load the document is as
// the caller left it. The saver writes a complete file beside the old one and
// swaps it in only after every byte was written, so a failed save never
// damages the file on disk.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/document.h"
#include "platform/findings.h"

namespace slv {

inline constexpr const char* kIncompatibleVersionText = "Incompatible data file version    ";
inline constexpr const char* kCorruptedCountText =
    "Number of parameters greater than expected.\r\nFile may be corrupted    ";
inline constexpr const char* kMissingEndMarkerText = "File shorter than expected    ";

/// How reading a data or template file held in memory ended.
enum class DataFileStatus {
    Loaded,               ///< the whole file was read
    MissingEndMarker,     ///< the whole body was read but "lvdE" is missing; reported, kept
    NotADataFile,         ///< neither magic: not reported, the exchange import's business
    IncompatibleVersion,  ///< reported; document unchanged
    CorruptedCount,       ///< a count outside its limit; reported, document unchanged
    Truncated,            ///< the file ends inside the body; reported, document unchanged
    Unreadable,           ///< the file could not be read at all; reported, document unchanged
};

/// True when the status left the file's content in the document.
inline bool DocumentWasRead(DataFileStatus status)
{
    return status == DataFileStatus::Loaded || status == DataFileStatus::MissingEndMarker;
}

/// Reads a data or template file held in memory into the document: header,
/// body of the file's format version, end marker, and the conversions older
/// versions need (combined model code, library options). Failures are added
/// to findings. Touches no file.
DataFileStatus ReadDataFile(Document& doc, std::span<const std::byte> bytes, Findings& findings);

/// The document as a current-version file: a template when doc.IsTemplate
/// (experiment count IMFPRowCount, no intensities, labels or fit results),
/// else a data file. The parameter texts are written trimmed. nullopt when
/// the document does not fit the layout: a count beyond its capacity or a
/// text longer than an Integer can count.
std::optional<std::vector<std::byte>> DataFileBytes(const Document& doc);

/// Opens the data or template file at path into the document, which the
/// caller has just reset, and prepares what a loaded document needs before a
/// window shows it (island mode, units, excitation energy). A file without
/// the data magic comes back as NotADataFile, untouched, for the exchange
/// import; one that cannot be read as Unreadable, reported.
DataFileStatus LoadDataFile(Document& doc, const std::string& path, Findings& findings);

/// Writes the document to path, as a template when doc.IsTemplate, with the
/// parameter texts trimmed. A file that could not be written is reported;
/// DocDirty then stays set and the file on disk keeps its previous content.
bool WriteDocumentFile(Document& doc, const std::string& path, Findings& findings);

}  // namespace slv

// One element as the library lookup sees it: the element constants and line
// records read from the library, the cross sections completed where the file
// gives none, and which lines are usable for the chosen cross-section set.
// These functions show nothing; the document-level LibraryLookup
// (element_library.h) and the command line both build on them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "document/library_file.h"

namespace slv {

/// Library sets (1..5) of the line records.
enum LibrarySet : int { kLibScofieldMg = 1, kLibScofieldAl = 2, kLibEvans = 3, kLibWagner = 4, kLibNefedov = 5 };

/// Where a cross section of a library line came from (`LibOrigin`).
enum OriginMark : Integer { kNoValue = 0, kFromFile = 1, kFromSpinOrbit = 2, kFromOtherLines = 3 };

/// The document settings a lookup depends on.
struct LookupOptions {
    ExcitationSource source = ExcitationSource::AlKAlpha;
    CrossSectionSet crossSectionSet = CrossSectionSet::Scofield;
    SplittingOption splitting = SplittingOption::None;
    ScalingOption scaling = ScalingOption::None;
    float excEnergy = 0.0f;  // ExcEnergy, eV
};

LookupOptions LookupOptionsOf(const Document& doc);

/// The library set whose values a row takes. For "None" this is the Scofield
/// set of the source: it only decides which lines the source can excite.
int LibrarySetOf(const LookupOptions& options);

/// The name of a cross-section choice as the parameters dialog lists it.
std::string_view CrossSectionChoiceName(CrossSectionSet set);

struct LibElementValues {
    Integer Z = 0;  // 0: the element is not in the library
    float AtWeight = 0.0f;
    Integer Valence = 0;
    Integer Oxygens = 0;
    float Density = 0.0f;
    float ValElectrons = 0.0f;
};

using OriginMarks = std::array<Integer, kCrossSectionSets + 1>;  // [1..5]

struct LibraryEntry {
    LibElementValues LibElement;
    std::vector<LineRecord> LibLines;
    std::vector<OriginMarks> LibOrigin;  // per line of LibLines
};

/// Reads the element with the (trimmed) symbol and completes its cross
/// sections by the options. LibElement.Z = 0 when the directory does not name
/// the symbol or the library is damaged (library.damaged() tells).
LibraryEntry FindElement(LibraryFile& library, std::string_view symbol, const LookupOptions& options);

/// Indices into LibLines of the lines usable for the options' set: values
/// from the file, or completed ones when that completion is switched on.
std::vector<int> UsableLines(const LibraryEntry& entry, const LookupOptions& options);

/// Clears the fields of element row `row` that a lookup fills: every one to
/// -1 (asymmetry -2), the cross section only when a set is chosen.
void ClearLookupFields(Document& doc, int row, const LookupOptions& options);

/// Copies Z, atomic weight, valence, oxygens, density and valence electrons.
void FillElementConstants(Document& doc, int row, const LibElementValues& element);

/// Fills binding energy, cross section (when a set is chosen) and asymmetry
/// of the row from library line `line` of the entry. The asymmetry stays
/// "not given" (-2) when the library has no parameter for the line.
void FillFromLine(LibraryFile& library, Document& doc, int row, const LibraryEntry& entry, int line,
                  const LookupOptions& options);

enum class RowLookupStatus {
    Filled,           // element and line found
    ElementNotFound,  // the symbol is not in the directory
    LineNotFound,     // element found, the row's line is not among the usable lines
    NoUsableLines,    // element found, but no line has a value of the chosen set
    Damaged,          // the library is damaged: library.damage() says where
};

struct RowLookup {
    RowLookupStatus status = RowLookupStatus::ElementNotFound;
    LibraryEntry entry;
    std::vector<int> usable;  // for LineNotFound: the lines to choose from
    int line = -1;            // for Filled: the library line the row took
};

/// The lookup of one element row: clears it, finds the element, copies its
/// constants and fills the row's line when the library has it usable.
RowLookup LookupRow(LibraryFile& library, Document& doc, int row, const LookupOptions& options);

}  // namespace slv

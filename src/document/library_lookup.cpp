#include <algorithm>
#include <string>

#include "document/element_library.h"
#include "document/library_entry.h"

namespace slv {

namespace {

constexpr std::string_view kLibraryDisabledText = "Library disabled    ";
constexpr std::string_view kElementText = "Element ";
constexpr std::string_view kNotFoundText = " not found    ";
constexpr std::string_view kLineText = "Line ";
constexpr std::string_view kLineNotFoundText = " not found";
constexpr std::string_view kHoldsNoText = "The element library holds no ";
constexpr std::string_view kCrossSectionsText = " cross sections";
constexpr std::string_view kLinesOfText = "lines of ";
constexpr std::string_view kOfText = " of ";

/// Offers the usable lines when the row's line is not among them; the
/// analyst's choice becomes the row's line. Returns false when the library
/// turned out to be damaged.
bool chooseLine(Document& doc, LibraryFile& library, int row, const RowLookup& lookup, const LookupOptions& options,
                Findings& findings)
{
    LineChoiceRequest request;
    request.prompt = LineNotFoundPrompt(doc.ElSymbol[row].trimmedText(), doc.ElLine[row].trimmedText());
    for (int line : lookup.usable)
        request.lines.push_back(lookup.entry.LibLines[line].notation.trimmedText());
    const std::optional<int> choice = findings.chooseLine(request);
    if (!choice || *choice < 0 || *choice >= static_cast<int>(lookup.usable.size()))
        return true;  // cancelled: the row keeps its cleared values
    const int line = lookup.usable[*choice];
    doc.ElLine[row] = lookup.entry.LibLines[line].notation.padded();
    FillFromLine(library, doc, row, lookup.entry, line, options);
    return !library.damaged();
}

}  // namespace

std::string ElementNotFoundMessage(std::string_view symbol)
{
    return std::string(kElementText) + std::string(symbol) + std::string(kNotFoundText);
}

std::string LineNotFoundPrompt(std::string_view symbol, std::string_view line)
{
    return std::string(kLineText) + std::string(symbol) + std::string(line) + std::string(kLineNotFoundText);
}

bool LibraryLacksSet(const LibraryFile& library, const LookupOptions& options)
{
    const int set = LibrarySetOf(options);
    return options.crossSectionSet != CrossSectionSet::None && set >= kFirstFactorSet &&
           !(library.header().averageFactor[set] > 0.0f);
}

std::string NoUsableLinesMessage(const LibraryFile& library, const LookupOptions& options, std::string_view symbol)
{
    std::string text(kHoldsNoText);
    if (options.crossSectionSet == CrossSectionSet::None)
        return text + std::string(kLinesOfText) + std::string(symbol) + std::string(kFindingTail);
    text += std::string(CrossSectionChoiceName(options.crossSectionSet)) + std::string(kCrossSectionsText);
    if (!LibraryLacksSet(library, options))
        text += std::string(kOfText) + std::string(symbol);
    return text + std::string(kFindingTail);
}

void LibraryLookup(Document& doc, const std::filesystem::path& programFolder, int firstRow, int lastRow,
                   Findings& findings)
{
    if (!doc.libraryLookupEnabled()) {
        findings.warning(std::string(kLibraryDisabledText));
        return;
    }
    std::optional<LibraryFile> library = OpenLibrary(programFolder, findings);
    if (!library)
        return;
    const LookupOptions options = LookupOptionsOf(doc);
    bool wholeSetReported = false;
    doc.RecalcNeeded = true;  // element data change
    for (int row = std::max(firstRow, 1); row <= std::min(lastRow, kMaxElements); ++row) {
        const RowLookup lookup = LookupRow(*library, doc, row, options);
        const std::string symbol = doc.ElSymbol[row].trimmedText();
        bool intact = true;
        switch (lookup.status) {
        case RowLookupStatus::Filled: break;
        case RowLookupStatus::Damaged: intact = false; break;
        case RowLookupStatus::ElementNotFound: findings.error(ElementNotFoundMessage(symbol)); break;
        case RowLookupStatus::NoUsableLines: {
            // A set the library lacks as a whole is said once, not for every row.
            const bool wholeSet = LibraryLacksSet(*library, options);
            if (!wholeSet || !wholeSetReported)
                findings.warning(NoUsableLinesMessage(*library, options, symbol));
            wholeSetReported = wholeSetReported || wholeSet;
            break;
        }
        case RowLookupStatus::LineNotFound: intact = chooseLine(doc, *library, row, lookup, options, findings); break;
        }
        if (!intact) {
            findings.error(LibraryDamagedMessage(library->damage()));
            return;
        }
    }
}

}  // namespace slv

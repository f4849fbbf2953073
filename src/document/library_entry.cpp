#include "document/library_entry.h"

#include "document/asymmetry.h"
#include "document/cross_section_completion.h"

namespace slv {

namespace {

bool setChosen(const LookupOptions& options)
{
    switch (options.crossSectionSet) {
    case CrossSectionSet::Scofield:
    case CrossSectionSet::Evans:
    case CrossSectionSet::Wagner:
    case CrossSectionSet::Nefedov: return true;
    case CrossSectionSet::None: break;
    }
    return false;
}

OriginMarks fileOrigins(const LineRecord& line)
{
    OriginMarks origin{};
    for (int set = 1; set <= kCrossSectionSets; ++set)
        origin[set] = line.crossSect[set] >= 0.0f ? kFromFile : kNoValue;  // -1: not given
    return origin;
}

}  // namespace

LookupOptions LookupOptionsOf(const Document& doc)
{
    return {doc.source(), doc.crossSectionSet(), doc.splitting(), doc.scaling(), doc.ExcEnergy};
}

int LibrarySetOf(const LookupOptions& options)
{
    switch (options.crossSectionSet) {
    case CrossSectionSet::Evans: return kLibEvans;
    case CrossSectionSet::Wagner: return kLibWagner;
    case CrossSectionSet::Nefedov: return kLibNefedov;
    default: return options.source == ExcitationSource::MgKAlpha ? kLibScofieldMg : kLibScofieldAl;
    }
}

std::string_view CrossSectionChoiceName(CrossSectionSet set)
{
    switch (set) {
    case CrossSectionSet::Scofield: return "Scofield";
    case CrossSectionSet::Evans: return "Evans";
    case CrossSectionSet::Wagner: return "Wagner";
    case CrossSectionSet::Nefedov: return "Nefedov";
    case CrossSectionSet::None: break;
    }
    return "None";
}

LibraryEntry FindElement(LibraryFile& library, std::string_view symbol, const LookupOptions& options)
{
    LibraryEntry entry;
    const std::int32_t position = library.directoryPosition(symbol);
    if (position == 0)
        return entry;
    const ElementRecord record = library.elementRecord(position);
    if (library.damaged())
        return entry;
    entry.LibElement = {record.Z,       record.atWeight,  record.valence,
                        record.oxygens, record.density(), record.valenceElectrons()};
    entry.LibLines = record.lines;
    for (const LineRecord& line : entry.LibLines)
        entry.LibOrigin.push_back(fileOrigins(line));

    CompleteSpinOrbit(entry, options.splitting);
    const AsymmetryTable alAsymmetry = options.scaling == ScalingOption::AverageFactor
                                           ? library.asymmetryTable(kAsymmetrySectionAl)
                                           : AsymmetryTable{};
    if (library.damaged())
        return {};
    CompleteFromOtherLines(entry, options.scaling, options.excEnergy, library.header().averageFactor, alAsymmetry);
    return entry;
}

std::vector<int> UsableLines(const LibraryEntry& entry, const LookupOptions& options)
{
    const int set = LibrarySetOf(options);
    const bool scaled =
        options.scaling == ScalingOption::ClosestLine || options.scaling == ScalingOption::AverageFactor;
    const bool split =
        options.splitting == SplittingOption::Theoretical || options.splitting == SplittingOption::Nominal;
    std::vector<int> usable;
    for (int i = 0; i < static_cast<int>(entry.LibLines.size()); ++i) {
        const Integer origin = entry.LibOrigin[i][set];
        if (origin == kFromFile || (origin == kFromOtherLines && scaled) || (origin == kFromSpinOrbit && split))
            usable.push_back(i);
    }
    return usable;
}

void ClearLookupFields(Document& doc, int row, const LookupOptions& options)
{
    doc.AtomicNo[row] = -1;
    doc.AtWeight[row] = kEmptyValue;
    doc.Valence[row] = -1;
    doc.Oxygens[row] = -1;
    doc.ElDensity[row] = kEmptyValue;
    doc.ValElectrons[row] = kEmptyValue;
    doc.BindEnergy[row] = kEmptyValue;
    doc.Asymmetry[row] = kNoAsymmetry;
    if (setChosen(options))
        doc.CrossSect[row] = kEmptyValue;
}

void FillElementConstants(Document& doc, int row, const LibElementValues& element)
{
    doc.AtomicNo[row] = element.Z;
    doc.AtWeight[row] = element.AtWeight;
    doc.Valence[row] = element.Valence;
    doc.Oxygens[row] = element.Oxygens;
    doc.ElDensity[row] = element.Density;
    doc.ValElectrons[row] = element.ValElectrons;
}

void FillFromLine(LibraryFile& library, Document& doc, int row, const LibraryEntry& entry, int line,
                  const LookupOptions& options)
{
    const LineRecord& record = entry.LibLines[line];
    doc.BindEnergy[row] = record.bindEnergy;
    if (setChosen(options))
        doc.CrossSect[row] = record.crossSect[LibrarySetOf(options)];
    doc.Asymmetry[row] =
        LibraryAsymmetry(library, entry.LibElement.Z, record.notation.padded(), options.source).value_or(kNoAsymmetry);
}

RowLookup LookupRow(LibraryFile& library, Document& doc, int row, const LookupOptions& options)
{
    RowLookup result;
    ClearLookupFields(doc, row, options);
    result.entry = FindElement(library, doc.ElSymbol[row].trimmedText(), options);
    if (library.damaged()) {
        result.status = RowLookupStatus::Damaged;
        return result;
    }
    if (result.entry.LibElement.Z == 0) {
        result.status = RowLookupStatus::ElementNotFound;
        return result;
    }
    FillElementConstants(doc, row, result.entry.LibElement);
    result.usable = UsableLines(result.entry, options);
    const std::string wanted = doc.ElLine[row].trimmedText();
    for (int line : result.usable) {
        if (trimmed(result.entry.LibLines[line].notation.padded()) == wanted) {
            FillFromLine(library, doc, row, result.entry, line, options);
            result.line = line;
            result.status = library.damaged() ? RowLookupStatus::Damaged : RowLookupStatus::Filled;
            return result;
        }
    }
    result.status = result.usable.empty() ? RowLookupStatus::NoUsableLines : RowLookupStatus::LineNotFound;
    return result;
}

}  // namespace slv

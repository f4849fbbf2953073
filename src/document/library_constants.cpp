#include <algorithm>
#include <string>

#include "document/asymmetry.h"
#include "document/element_library.h"

namespace slv {

namespace {

constexpr std::string_view kLibraryAccessErrorText = "Library access error    ";

std::optional<LibraryFile> openForConstants(const std::filesystem::path& programFolder, Findings& findings)
{
    std::optional<LibraryFile> library = OpenLibrary(programFolder, findings);
    if (!library)
        findings.error(std::string(kLibraryAccessErrorText));
    return library;
}

void reportDamage(const LibraryFile& library, Findings& findings)
{
    findings.error(LibraryDamagedMessage(library.damage()));
}

}  // namespace

void RefreshElementConstants(Document& doc, const std::filesystem::path& programFolder, Findings& findings)
{
    std::optional<LibraryFile> library = openForConstants(programFolder, findings);
    if (!library)
        return;
    for (int row = 1; row <= std::min<int>(doc.ElemCount, kMaxElements); ++row) {
        const std::int32_t position = library->directoryPosition(doc.ElSymbol[row].padded());
        if (position == 0 && !library->damaged())
            continue;  // not a library element: the row keeps its values
        const ElementRecord record = library->elementRecord(position);
        if (library->damaged()) {
            reportDamage(*library, findings);
            return;
        }
        doc.AtomicNo[row] = record.Z;
        doc.ElDensity[row] = record.density();
        doc.ValElectrons[row] = record.valenceElectrons();
    }
}

std::optional<GeometryWeights> GeometryWeightsOf(const Document& doc, const std::filesystem::path& programFolder,
                                                 Findings& findings)
{
    GeometryWeights weights{};
    int section = 0;
    switch (doc.modelType()) {
    case ModelType::Sphere: section = doc.singleRowOfSpheres() ? kAltSphereWeightSection : kSphereWeightSection; break;
    case ModelType::Cylinder: section = kCylinderWeightSection; break;
    case ModelType::Polyhedron:
        for (int i = 1; i <= kGeometryWeights; ++i)
            weights[i] = doc.PolyPar[i];
        return weights;
    default: return std::nullopt;
    }
    std::optional<LibraryFile> library = openForConstants(programFolder, findings);
    if (!library)
        return std::nullopt;
    const GeometryWeightRecord record = library->geometryRecord(section);
    if (library->damaged()) {
        reportDamage(*library, findings);
        return std::nullopt;
    }
    for (int i = 1; i <= kGeometryWeights; ++i)
        weights[i] = record.weights[i - 1];
    return weights;
}

float AsymmetryParameter(const std::filesystem::path& programFolder, int Z, std::string_view line,
                         ExcitationSource source, Findings& findings)
{
    if (SubshellLetter(line) == 's')
        return kSLineAsymmetry;  // without reading the file
    std::optional<LibraryFile> library = OpenLibrary(programFolder, findings);
    if (!library)
        return kAsymmetryNotFound;
    return LibraryAsymmetry(*library, Z, line, source).value_or(kAsymmetryNotFound);
}

}  // namespace slv

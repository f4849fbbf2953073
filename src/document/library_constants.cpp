#include <algorithm>
#include <string>

#include "document/asymmetry.h"
#include "document/element_library.h"

namespace slv {

namespace {

constexpr std::string_view kLibraryAccessErrorText = "Library access error    ";

std::optional<LibraryFile> openForConstants(Session& session)
{
    std::optional<LibraryFile> library = OpenLibrary(session);
    if (!library)
        session.dialogs.show(std::string(kLibraryAccessErrorText), MessageIcon::Critical);
    return library;
}

void reportDamage(Session& session, const LibraryFile& library)
{
    session.dialogs.show(LibraryDamagedMessage(library.damage()), MessageIcon::Critical);
}

}  // namespace

void RefreshElementConstants(Session& session)
{
    std::optional<LibraryFile> library = openForConstants(session);
    if (!library)
        return;
    Document& doc = session.doc;
    for (int row = 1; row <= std::min<int>(doc.ElemCount, kMaxElements); ++row) {
        const std::int32_t position = library->directoryPosition(doc.ElSymbol[row].padded());
        if (position == 0 && !library->damaged())
            continue;  // not a library element: the row keeps its values
        const ElementRecord record = library->elementRecord(position);
        if (library->damaged()) {
            reportDamage(session, *library);
            return;
        }
        doc.AtomicNo[row] = record.Z;
        doc.ElDensity[row] = record.density();
        doc.ValElectrons[row] = record.valenceElectrons();
    }
}

void LoadGeometryWeights(Session& session)
{
    const Document& doc = session.doc;
    int section = 0;
    switch (doc.modelType()) {
    case ModelType::Sphere:
        section = doc.singleRowOfSpheres() ? kAltSphereWeightSection : kSphereWeightSection;
        break;
    case ModelType::Cylinder: section = kCylinderWeightSection; break;
    case ModelType::Polyhedron:
        for (int i = 1; i <= kGeometryWeights; ++i)
            session.AngleWeight[i] = doc.PolyPar[i];
        return;
    default: return;
    }
    std::optional<LibraryFile> library = openForConstants(session);
    if (!library)
        return;
    const GeometryWeightRecord record = library->geometryRecord(section);
    if (library->damaged()) {
        reportDamage(session, *library);
        return;
    }
    for (int i = 1; i <= kGeometryWeights; ++i)
        session.AngleWeight[i] = record.weights[i - 1];
}

float AsymmetryParameter(Session& session, int Z, std::string_view line, ExcitationSource source)
{
    if (SubshellLetter(line) == 's')
        return kSLineAsymmetry;  // without reading the file
    std::optional<LibraryFile> library = OpenLibrary(session);
    if (!library)
        return kAsymmetryNotFound;
    return LibraryAsymmetry(*library, Z, line, source).value_or(kAsymmetryNotFound);
}

}  // namespace slv

#include "document/data_file_format.h"

namespace slv {
namespace {

/// Before the model types were separated from the islands switch, ParIndex[0]
/// held one code for both.
struct CombinedModelCode {
    ModelType modelType;
    bool islands;
};
constexpr std::array<CombinedModelCode, 8> kCombinedModelCodes = {{
    {ModelType::Homogeneous, false},
    {ModelType::Plane, false},
    {ModelType::Sphere, false},
    {ModelType::Cylinder, false},
    {ModelType::Plane, true},
    {ModelType::Sphere, true},
    {ModelType::Cylinder, true},
    {ModelType::OxideLayer, false},
}};

void SplitCombinedModelCode(Document& doc)
{
    const int code = doc.ParIndex[0];
    if (code < 0 || code >= static_cast<int>(kCombinedModelCodes.size()))
        return;  // no code of the older versions: kept as stored
    doc.setModelType(kCombinedModelCodes[code].modelType);
    doc.setIslands(kCombinedModelCodes[code].islands);
}

/// The completion options were renumbered when a choice was dropped, and the
/// fourth option became the example-layout code.
void RenumberLibraryOptions(Document& doc)
{
    auto& options = doc.ParLibrary;
    if (options[1] == 2)
        options[1] = 0;
    else if (options[1] == 3)
        options[1] = 2;
    if (options[2] == 1 && options[3] == 1)
        options[2] = 2;
    options[3] = 0;
}

}  // namespace

void ConvertOlderVersion(Document& doc, FormatVersion version)
{
    if (version.storesCombinedModelCode())
        SplitCombinedModelCode(doc);
    if (version.needsLibraryOptionConversion())
        RenumberLibraryOptions(doc);
}

}  // namespace slv

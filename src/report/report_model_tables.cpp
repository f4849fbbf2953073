#include "report/report_model_tables.h"

#include <algorithm>
#include <functional>

#include "document/option_names.h"
#include "model/model_check.h"
#include "model/model_table.h"
#include "platform/format_mask.h"
#include "report/report_tables.h"

namespace slv {

namespace {

constexpr const char* kRowCaptionSample = "Mol. weight  ";
constexpr const char* kLayerColumnSample = "Abcdefghijk";
constexpr const char* kBulkCaption = "Bulk";
constexpr const char* kTubeCaption = "Tube";
constexpr const char* kOmitCaption = "Omit";
constexpr const char* kOmitMark = "X";
constexpr const char* kHydrogenCaption = "H";
constexpr const char* kModelMolWeightMask = "##0.00;;\\ ";
constexpr const char* kLayerDensityMask = "##0.000;;\\ ";
constexpr const char* kBulkDensityMask = "#0.000;;\\ ";
constexpr const char* kLayerCompositionMask = "##0.00;\\ ;\\ ";
constexpr const char* kLayerImfpValueMask = "###0.00;\\ ;\\ ";
constexpr const char* kImfpMolWeightMask = "##0.00;\\ ";
constexpr const char* kImfpLayerDensityMask = "##0.000;\\ ";
constexpr const char* kImfpBulkDensityMask = "#0.000;\\ ";
constexpr const char* kValenceElectronsMask = "####0;;\\ ";

/// A transposed model table: the row-caption column, one column per layer
/// 1..LayerCount and the bulk, and optionally the Omit column.
ReportTable modelTable(const Document& doc, std::string title, bool withOmit)
{
    ReportTable table;
    table.title = std::move(title);
    table.keyColumns.push_back({"", CellAlign::Left, kRowCaptionSample});
    for (int k = 1; k <= ReportLayerCount(doc); ++k)
        table.valueColumns.push_back({kLayerCaptionPrefix + std::to_string(k), CellAlign::Right, kLayerColumnSample});
    table.valueColumns.push_back(
        {doc.modelType() == ModelType::Nanotube ? kTubeCaption : kBulkCaption, CellAlign::Right, kLayerColumnSample});
    if (withOmit)
        table.valueColumns.push_back({kOmitCaption, CellAlign::Right, kOmitCaption});
    return table;
}

/// A row of a model table: the caption, then the text of every layer column
/// (layers 1..LayerCount, then the bulk).
void addLayerRow(const Document& doc, ReportTable& table, std::string caption,
                 const std::function<std::string(int)>& layerText)
{
    std::vector<std::string> row{std::move(caption)};
    for (int k = 1; k <= ReportLayerCount(doc); ++k)
        row.push_back(layerText(k));
    row.push_back(layerText(0));
    table.rows.push_back(std::move(row));
}

std::string linkText(Integer link)
{
    if (link == kLinkFixed)
        return kFixedWord;
    return link > 0 ? kLayerCaptionPrefix + std::to_string(link) : "";
}

std::string kindText(Integer kind)
{
    return kind == kKindIsland ? kIslandWord : kind == kKindLayer ? kLayerWord : "";
}

}  // namespace

std::vector<ReportTable> ModelDataTables(const Document& doc, char decSep)
{
    const auto number = [decSep](float value, const char* mask) { return FormatNumber(value, mask, decSep); };

    ReportTable data = modelTable(doc, kModelDataTitle, false);
    addLayerRow(doc, data, "Name", [&](int k) { return doc.LayerName[k].trimmedText(); });
    addLayerRow(doc, data, "Type", [&](int k) { return k == 0 ? std::string() : kindText(doc.LayerKind[k]); });
    addLayerRow(doc, data, "Link to", [&](int k) { return k == 0 ? std::string() : linkText(doc.LayerLink[k]); });
    addLayerRow(doc, data, "Mol. weight", [&](int k) { return number(doc.LayerMolWeight[k], kModelMolWeightMask); });
    addLayerRow(doc, data, "Density",
                [&](int k) { return number(doc.LayerDensity[k], k == 0 ? kBulkDensityMask : kLayerDensityMask); });

    const std::vector<std::string> captions = ElementCaptions(doc);
    ReportTable locations = modelTable(doc, kAtomLocationsTitle, true);
    for (int r = 0; r <= ReportElementCount(doc); ++r) {
        addLayerRow(doc, locations, r == 0 ? kHydrogenCaption : captions[static_cast<std::size_t>(r - 1)],
                    [&](int k) { return number(doc.LayerComp[k][r], kLayerCompositionMask); });
        locations.rows.back().push_back(r > 0 && doc.ElModelFlag[r] == kElementOmitted ? kOmitMark : "");
    }

    ReportTable imfps = modelTable(doc, kImfpValuesTitle, false);
    for (int r = 1; r <= ReportElementCount(doc); ++r)
        addLayerRow(doc, imfps, captions[static_cast<std::size_t>(r - 1)],
                    [&](int k) { return number(doc.LayerIMFP[k][r], kLayerImfpValueMask); });
    return {data, locations, imfps};
}

ReportTable ModelImfpTable(const Document& doc, char decSep)
{
    const auto number = [decSep](float value, const char* mask) { return FormatNumber(value, mask, decSep); };
    const auto densityMask = [](int k) { return k == 0 ? kImfpBulkDensityMask : kImfpLayerDensityMask; };
    ReportTable table = modelTable(doc, kImfpTitle, false);
    addLayerRow(doc, table, "Name", [&](int k) { return doc.LayerName[k].trimmedText(); });
    addLayerRow(doc, table, "Material class", [&](int k) { return MaterialClassName(doc.layerClass(k)); });
    addLayerRow(doc, table, "Mol. weight", [&](int k) { return number(doc.LayerMolWeight[k], kImfpMolWeightMask); });
    addLayerRow(doc, table, "Density", [&](int k) { return number(doc.LayerDensity[k], densityMask(k)); });
    addLayerRow(doc, table, "Bandgap energy", [&](int k) { return number(doc.LayerBandGap[k], densityMask(k)); });
    addLayerRow(doc, table, "Valence electrons",
                [&](int k) { return number(static_cast<float>(doc.LayerValElec[k]), kValenceElectronsMask); });
    return table;
}

}  // namespace slv

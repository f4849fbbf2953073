#include "model/model_table.h"

#include <cctype>
#include <cmath>

#include "document/element_table.h"
#include "model/imfp_needs.h"
#include "model/model_check.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "quant/results_table.h"

namespace slv {

namespace {
constexpr const char* kNameCaption = "Name";
constexpr const char* kTypeCaption = "Type";
constexpr const char* kLinkCaption = "Link to";
constexpr const char* kMolWeightCaption = "Mol. weight";
constexpr const char* kDensityCaption = "Density";
constexpr const char* kImfpCaptionPrefix = "IMFP  ";
constexpr const char* kLayerHeaderPrefix = "Layer ";
constexpr const char* kBulkHeader = "Bulk";
constexpr const char* kTubeHeader = "Tube";
constexpr const char* kOmitHeader = "Omit";
constexpr const char* kOmitMark = "X";
/// A link cell names its layer as "Layer n"; any text beginning so counts.
constexpr std::string_view kLinkPrefix = "Lay";

/// A record value as its grid cell shows it.
std::string cellText(float value, const char* mask, char decSep)
{
    return FormatNumber(value, mask, decSep);
}

/// A number cell read back: a cell still showing the stored value keeps it
/// at full precision; anything typed is read with the locale's separator.
float cellValue(std::string_view text, float stored, const char* mask, char decSep)
{
    return text == cellText(stored, mask, decSep) ? stored : ParseSingle(text, decSep);
}

std::string kindText(int kind)
{
    return kind == kKindLayer ? kLayerWord : kind == kKindIsland ? kIslandWord : "";
}

Integer kindOfText(std::string_view text)
{
    const std::string_view word = trimmed(text);
    return word == kLayerWord ? kKindLayer : word == kIslandWord ? kKindIsland : Integer{0};
}

std::string linkText(int link)
{
    if (link == kLinkFixed)
        return kFixedWord;
    return link > 0 ? kLayerHeaderPrefix + std::to_string(link) : "";
}

/// "Fixed", or "Layer n" read by the digit it ends in; anything else is free.
Integer linkOfText(std::string_view text)
{
    const std::string_view word = trimmed(text);
    if (word == kFixedWord)
        return kLinkFixed;
    if (word.starts_with(kLinkPrefix) && std::isdigit(static_cast<unsigned char>(word.back())))
        return static_cast<Integer>(word.back() - '0');
    return 0;
}

void clearLayerRow(Document& doc, int k)
{
    doc.LayerName[k] = "";
    doc.LayerMolWeight[k] = 0.0f;
    doc.LayerDensity[k] = 0.0f;
    doc.LayerKind[k] = 0;
    doc.LayerLink[k] = 0;
    doc.LayerComp[k].fill(0.0f);
    doc.LayerIMFP[k].fill(0.0f);
    doc.LayerValElec[k] = 0;
    doc.setLayerClass(k, MaterialClass::None);
    doc.LayerBandGap[k] = kEmptyValue;
}

void writeHeaders(const Document& doc, const ModelTableLayout& layout, TextGrid& grid)
{
    for (int k = 1; k <= kMaxLayers; ++k)
        grid.SetTextMatrix(0, ModelTableColumn(k), kLayerHeaderPrefix + std::to_string(k));
    grid.SetTextMatrix(0, kModelColBulk, doc.modelType() == ModelType::Nanotube ? kTubeHeader : kBulkHeader);
    grid.SetTextMatrix(0, kModelColOmit, kOmitHeader);

    grid.SetTextMatrix(layout.nameRow(), kModelColCaption, kNameCaption);
    grid.SetTextMatrix(layout.typeRow(), kModelColCaption, kTypeCaption);
    grid.SetTextMatrix(layout.linkRow(), kModelColCaption, kLinkCaption);
    grid.SetTextMatrix(layout.molWeightRow(), kModelColCaption, kMolWeightCaption);
    grid.SetTextMatrix(layout.densityRow(), kModelColCaption, kDensityCaption);
    const bool showLines = FindMultiLineRows(doc).MultiLineFound;
    for (int e = 1; e <= layout.elements; ++e) {
        const std::string label = ElementColumnHeader(doc, e, showLines);
        grid.SetTextMatrix(layout.compositionRow(e), kModelColCaption, label);
        grid.SetTextMatrix(layout.imfpRow(e), kModelColCaption, kImfpCaptionPrefix + label);
    }
}

void writeLayerColumn(const Document& doc, const ModelTableLayout& layout, int k, char decSep, TextGrid& grid)
{
    const int col = ModelTableColumn(k);
    grid.SetTextMatrix(layout.nameRow(), col, doc.LayerName[k].trimmedText());
    grid.SetTextMatrix(layout.typeRow(), col, kindText(doc.LayerKind[k]));
    grid.SetTextMatrix(layout.linkRow(), col, linkText(doc.LayerLink[k]));
    grid.SetTextMatrix(layout.molWeightRow(), col, cellText(doc.LayerMolWeight[k], kMolWeightMask, decSep));
    grid.SetTextMatrix(layout.densityRow(), col, cellText(doc.LayerDensity[k], kDensityMask, decSep));
    for (int e = 1; e <= layout.elements; ++e) {
        grid.SetTextMatrix(layout.compositionRow(e), col, cellText(doc.LayerComp[k][e], kCompositionMask, decSep));
        grid.SetTextMatrix(layout.imfpRow(e), col, cellText(doc.LayerIMFP[k][e], kLayerImfpMask, decSep));
    }
}

void readLayerColumn(Document& doc, const ModelTableLayout& layout, int k, char decSep, const TextGrid& grid)
{
    const int col = ModelTableColumn(k);
    const auto cell = [&](int row) -> const std::string& { return grid.TextMatrix(row, col); };
    doc.LayerName[k] = trimmed(cell(layout.nameRow()));
    doc.LayerKind[k] = layout.islandRows == 1 ? kindOfText(cell(layout.typeRow())) : kKindLayer;
    doc.LayerLink[k] = linkOfText(cell(layout.linkRow()));
    doc.LayerMolWeight[k] = cellValue(cell(layout.molWeightRow()), doc.LayerMolWeight[k], kMolWeightMask, decSep);
    doc.LayerDensity[k] = cellValue(cell(layout.densityRow()), doc.LayerDensity[k], kDensityMask, decSep);
    for (int e = 1; e <= layout.elements; ++e) {
        float& comp = doc.LayerComp[k][e];
        comp = cellValue(cell(layout.compositionRow(e)), comp, kCompositionMask, decSep);
        float& imfp = doc.LayerIMFP[k][e];
        const std::string& imfpCell = cell(layout.imfpRow(e));
        imfp = trimmed(imfpCell) == trimmed(kUnusedImfpMark) ? 0.0f : cellValue(imfpCell, imfp, kLayerImfpMask, decSep);
    }
}
}  // namespace

ModelTableLayout ModelTableLayoutOf(const Document& doc)
{
    return {doc.IslandMode == 1 ? 1 : 0, doc.ElemCount};
}

void LoadModelTable(const Document& doc, char decSep, TextGrid& grid)
{
    const ModelTableLayout layout = ModelTableLayoutOf(doc);
    grid.SetCols(kModelTableCols);
    grid.SetRows(layout.rowCount());
    grid.SetFixedRows(1);
    grid.SetFixedCols(kModelColCaption + 1);
    for (int row = 0; row < grid.Rows(); ++row)
        for (int col = 0; col < grid.Cols(); ++col)
            grid.SetTextMatrix(row, col, "");
    writeHeaders(doc, layout, grid);
    for (int k = 0; k <= kMaxLayers; ++k)
        writeLayerColumn(doc, layout, k, decSep, grid);
    for (int e = 1; e <= layout.elements; ++e)
        grid.SetTextMatrix(layout.compositionRow(e), kModelColOmit,
                           doc.ElModelFlag[e] == kElementOmitted ? kOmitMark : "");
    MarkUnusedImfps(doc, grid);
}

bool TransferModelTable(Document& doc, char decSep, const TextGrid& grid)
{
    const ModelTableLayout layout = ModelTableLayoutOf(doc);
    if (grid.Rows() != layout.rowCount() || grid.Cols() != kModelTableCols)
        return false;
    int namedLayers = 0;
    for (int k = 0; k <= kMaxLayers; ++k) {
        if (trimmed(grid.TextMatrix(layout.nameRow(), ModelTableColumn(k))).empty()) {
            clearLayerRow(doc, k);
            continue;
        }
        readLayerColumn(doc, layout, k, decSep, grid);
        if (k > 0)
            ++namedLayers;
    }
    doc.LayerCount = static_cast<Integer>(namedLayers);
    for (int e = 1; e <= layout.elements; ++e)
        doc.ElModelFlag[e] =
            trimmed(grid.TextMatrix(layout.compositionRow(e), kModelColOmit)).empty() ? 0 : kElementOmitted;
    return true;
}

void MarkUnusedImfps(const Document& doc, TextGrid& grid)
{
    const ModelTableLayout layout = ModelTableLayoutOf(doc);
    for (int k = 0; k <= doc.LayerCount; ++k)
        for (int e = 1; e <= layout.elements; ++e)
            if (!ImfpNeeded(doc, k, e))
                grid.SetTextMatrix(layout.imfpRow(e), ModelTableColumn(k), kUnusedImfpMark);
}

void PassModelThroughGrid(Document& doc, char decSep)
{
    TextGrid grid;
    LoadModelTable(doc, decSep, grid);
    TransferModelTable(doc, decSep, grid);
}

}  // namespace slv

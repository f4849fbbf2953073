#include "report/report_tables.h"

#include <algorithm>

#include "document/element_table.h"
#include "document/option_names.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"

namespace slv {

namespace {

constexpr const char* kNumberSample = "12345.67";
constexpr const char* kTextSample = "Abcdefghijkl";
constexpr const char* kRowNumberSample = "123";

// Label indices of LabelName (LabelText holds label k at k + 1).
constexpr int kTimeLabel = 2;
constexpr int kTiltLabel = 3;
constexpr int kTemperatureLabel = 4;
constexpr const char* kTemperatureShort = "Temp.";

// Element table.
constexpr const char* kBindingMask = "####0.0;\\ ";
constexpr const char* kCrossSectionMask = "##0.0000;\\ ";
constexpr const char* kAsymmetryMask = "##0.0000";
constexpr const char* kAtomicWeightMask = "###0.000;\\ ";
constexpr const char* kSmallIntegerMask = "##0;\\ ";

// Results.
constexpr const char* kOBalanceCaption = "O bal.";

// IMFP & Contamination.
constexpr const char* kContamCaption = "Contam.";
constexpr const char* kMatClassCaption = "Mat. class";
constexpr const char* kAtWeightCaption = "At. w.";
constexpr const char* kDensityCaption = "Dens.";

int experimentCount(const Document& doc)
{
    return std::clamp<int>(doc.ExpCount, 0, kMaxExperiments);
}

std::string labelCell(const Document& doc, int experiment, int label, char decSep)
{
    const std::string text = doc.LabelText[experiment][label + 1].trimmedText();
    if (label == kTimeLabel && doc.DepthScale == 1 && !text.empty())
        return FormatNumber(ParseSingle(text, decSep) * doc.sputterRate(), kReportDepthMask, decSep);
    return text;
}

std::vector<ReportColumn> numberColumns(const std::vector<std::string>& captions)
{
    std::vector<ReportColumn> columns;
    for (const auto& caption : captions)
        columns.push_back(NumberColumn(caption));
    return columns;
}

std::string thicknessTitle(const Document& doc)
{
    return std::string("Layer thickness (") + (doc.lengthUnit() == LengthUnit::Angstrom ? "A)" : "nm)");
}

std::string layerName(const Document& doc, int layer)
{
    const std::string name = doc.LayerName[layer].trimmedText();
    return name.empty() ? kLayerCaptionPrefix + std::to_string(layer) : name;
}

}  // namespace

int ReportElementCount(const Document& doc)
{
    return std::clamp<int>(doc.ElemCount, 0, kMaxElements);
}
int ReportLayerCount(const Document& doc)
{
    return std::clamp<int>(doc.LayerCount, 0, kMaxLayers);
}

ReportColumn NumberColumn(std::string caption)
{
    return {std::move(caption), CellAlign::Right, kNumberSample};
}

std::vector<std::string> ElementCaptions(const Document& doc)
{
    const bool showLines = FindMultiLineRows(doc).MultiLineFound;
    std::vector<std::string> captions;
    for (int r = 1; r <= ReportElementCount(doc); ++r)
        captions.push_back(ElementColumnHeader(doc, r, showLines));
    return captions;
}

std::string ReportLabelCaption(const Document& doc, int label)
{
    if (label == kTimeLabel && doc.DepthScale == 1) {
        const std::string unit = doc.UnitText[3].trimmedText();
        return unit.empty() ? "Depth" : "Depth (" + unit + ")";
    }
    const std::string name = label == kTemperatureLabel ? kTemperatureShort : doc.LabelName[label].trimmedText();
    switch (label) {
    case kTimeLabel: return name + " (" + doc.UnitText[0].trimmedText() + ")";
    case kTiltLabel: return name + " (" + doc.UnitText[1].trimmedText() + ")";
    case kTemperatureLabel: return name + " (" + doc.UnitText[2].trimmedText() + ")";
    default: return name;
    }
}

ReportTable ExperimentTable(const Document& doc, char decSep, std::string title, std::vector<ReportColumn> valueColumns,
                            const std::function<std::string(int, std::size_t)>& cell)
{
    ReportTable table;
    table.title = std::move(title);
    table.keyColumns.push_back({"", CellAlign::Left, kRowNumberSample});
    const std::vector<int> labels = ShownLabels(doc);
    for (const int k : labels)
        table.keyColumns.push_back({ReportLabelCaption(doc, k), CellAlign::Left, kTextSample});
    table.valueColumns = std::move(valueColumns);
    for (int e = 1; e <= experimentCount(doc); ++e) {
        std::vector<std::string> row{std::to_string(e)};
        for (const int k : labels)
            row.push_back(labelCell(doc, e, k, decSep));
        for (std::size_t c = 0; c < table.valueColumns.size(); ++c)
            row.push_back(cell(e, c));
        table.rows.push_back(std::move(row));
    }
    return table;
}

ReportTable ElementTable(const Document& doc, char decSep)
{
    ReportTable table;
    table.title = kElementsTitle;
    table.keyColumns = {{"", CellAlign::Left, "Mm"},
                        {"Line", CellAlign::Left, "Line"},
                        {"State", CellAlign::Left, "State"},
                        NumberColumn("B. E."),
                        NumberColumn("Cross s."),
                        NumberColumn("Asymm."),
                        NumberColumn("At. w."),
                        {"Val.", CellAlign::Right, kRowNumberSample},
                        {"Ox.", CellAlign::Right, kRowNumberSample}};
    for (int r = 1; r <= ReportElementCount(doc); ++r) {
        // An asymmetry parameter may be negative (down to -1); only the
        // missing one (below -1) is left blank.
        const float asymmetry = doc.Asymmetry[r];
        table.rows.push_back({doc.ElSymbol[r].trimmedText(), doc.ElLine[r].trimmedText(), doc.ElState[r].trimmedText(),
                              FormatNumber(doc.BindEnergy[r], kBindingMask, decSep),
                              FormatNumber(doc.CrossSect[r], kCrossSectionMask, decSep),
                              asymmetry < -1.0f ? std::string() : FormatNumber(asymmetry, kAsymmetryMask, decSep),
                              FormatNumber(doc.AtWeight[r], kAtomicWeightMask, decSep),
                              FormatNumber(doc.Valence[r], kSmallIntegerMask, decSep),
                              FormatNumber(doc.Oxygens[r], kSmallIntegerMask, decSep)});
    }
    return table;
}

ReportTable IntensityTable(const Document& doc, char decSep)
{
    return ExperimentTable(
        doc, decSep, kIntensityTitle, numberColumns(ElementCaptions(doc)),
        [&](int e, std::size_t c) { return FormatNumber(doc.Intensity[e][c + 1], kIntensityMask, decSep); });
}

std::optional<ReportTable> ImfpTable(const Document& doc, char decSep)
{
    switch (doc.homogeneousImfpMethod()) {
    case ImfpMethod::None:
    case ImfpMethod::Explicit:
    case ImfpMethod::Exponential: {
        std::vector<ReportColumn> columns = numberColumns(ElementCaptions(doc));
        const std::size_t contamColumn = columns.size();
        columns.push_back(NumberColumn(kContamCaption));
        return ExperimentTable(doc, decSep, kImfpTitle, std::move(columns), [&](int e, std::size_t c) {
            const float value = c == contamColumn ? doc.ExpContam[e] : doc.IMFPval[e][c + 1];
            return FormatNumber(value, kImfpMask, decSep);
        });
    }
    case ImfpMethod::SeahDench:
    case ImfpMethod::Jablonski:
    case ImfpMethod::Gries:
        return ExperimentTable(doc, decSep, kImfpTitle,
                               {NumberColumn(kMatClassCaption), NumberColumn(kAtWeightCaption),
                                NumberColumn(kDensityCaption), NumberColumn(kContamCaption)},
                               [&](int e, std::size_t c) {
                                   switch (c) {
                                   case 0: return MaterialClassName(doc.matrixClass(e));
                                   case 1: return FormatNumber(doc.ExpAtWeight[e], kImfpMask, decSep);
                                   case 2: return FormatNumber(doc.ExpDensity[e], kImfpMask, decSep);
                                   default: return FormatNumber(doc.ExpContam[e], kImfpMask, decSep);
                                   }
                               });
    default: return std::nullopt;
    }
}

ReportTable ResultsReportTable(const Document& doc, char decSep, const ResultsTable& results)
{
    std::vector<ReportColumn> columns = numberColumns(results.valueHeaders);
    if (results.hasOBalance)
        columns.push_back(NumberColumn(kOBalanceCaption));
    const std::size_t values = results.valueHeaders.size();
    return ExperimentTable(doc, decSep, ResultTypeName(results.resultType), std::move(columns),
                           [&](int e, std::size_t c) {
                               const auto i = static_cast<std::size_t>(e - 1);
                               if (i >= results.rows.size())
                                   return std::string();
                               const auto& row = results.rows[i];
                               if (c >= values)
                                   return FormatNumber(row.oBalance, kOBalanceMask, decSep);
                               return FormatNumber(row.values[c], results.valueMask, decSep);
                           });
}

ReportTable LayerThicknessTable(const Document& doc, char decSep)
{
    std::vector<ReportColumn> columns;
    for (int k = 1; k <= ReportLayerCount(doc); ++k)
        columns.push_back(NumberColumn(layerName(doc, k)));
    const bool islands = doc.IslandMode == 1;
    if (islands)
        columns.push_back(NumberColumn("Coverage"));
    const std::size_t layers = static_cast<std::size_t>(ReportLayerCount(doc));
    return ExperimentTable(doc, decSep, thicknessTitle(doc), std::move(columns), [&](int e, std::size_t c) {
        if (c >= layers)
            return FormatNumber(doc.CoverRes[e], kCoverageMask, decSep);
        return FormatNumber(doc.ThickRes[e][c + 1], kThicknessMask, decSep);
    });
}

ReportTable OxideThicknessTable(const Document& doc, char decSep, const std::vector<float>& thickness)
{
    return ExperimentTable(
        doc, decSep, thicknessTitle(doc), {NumberColumn(layerName(doc, 1))}, [&](int e, std::size_t) {
            const auto i = static_cast<std::size_t>(e - 1);
            return FormatNumber(i < thickness.size() ? thickness[i] : kEmptyValue, kThicknessMask, decSep);
        });
}

}  // namespace slv

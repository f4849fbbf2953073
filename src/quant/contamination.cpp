#include <algorithm>

#include "quant/correction_chain.h"
#include "quant/quantification.h"

namespace slv {

namespace {
constexpr const char* kCarbonNotFound = "Carbon not found. No contamination correction";
constexpr const char* kCarbonNoCompositionText =
    "C 1s is corrected as if it lay beneath the contamination layer, so its value is no composition; "
    "excluding the row gives the substrate composition";

// Evans: the attenuation exp(-14.3 / sqrt(E)) of a typical contamination layer.
constexpr float kEvansContamination = 14.3f;
// VARN (Tavik): reduced thickness, in IMFPs of the C 1s line, per atomic percent of carbon.
constexpr double kVarnThicknessPerCarbonPercent = 0.0215;
// Explicit: the entered contamination value per reduced thickness unit.
constexpr float kExplicitContaminationScale = 30.0f;

/// The first C 1s row without a chemical state: the line of the contamination carbon.
int FindCarbonRow(const Document& doc)
{
    for (int row = 1; row <= doc.ElemCount; ++row)
        if (doc.ElSymbol[row].trimmedText() == "C" && doc.ElLine[row].trimmedText() == "1s" &&
            doc.ElState[row].isBlank())
            return row;
    return 0;
}

float NonNegative(float reducedThickness)
{
    return reducedThickness > 0.0f ? reducedThickness : 0.0f;
}

/// The thickness follows from the carbon's atomic percentage, counted with
/// the carbon line even when the analyst excluded it from the composition.
void VarnThickness(Document& doc, CorrectionTables& corr, QuantResults& res)
{
    if (doc.ElOmit[corr.CarbonRow]) {
        doc.ElOmit[corr.CarbonRow] = false;
        corr.ExcludeCarbon = true;
    }
    CorrectIntensities(doc, corr, kCorrectAll);
    res.ResElemCount = doc.ElemCount;
    NormalizeResults(doc, corr, res, 0, 1.0f);
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        const double carbonPercent = res.ResultValue[exp][corr.CarbonRow];
        corr.ContamThick[exp] = NonNegative(CellValue(kVarnThicknessPerCarbonPercent * carbonPercent));
    }
}

void ExplicitThickness(const Document& doc, CorrectionTables& corr)
{
    ExpTable<float>& thickness = corr.ContamThick;
    if (doc.separateContamination()) {
        for (int exp = 1; exp <= doc.ExpCount; ++exp)
            thickness[exp] = NonNegative(doc.ExpContam[exp] / kExplicitContaminationScale);
        return;
    }
    const float common = NonNegative(doc.ExpContam[1] / kExplicitContaminationScale);
    std::fill(thickness.begin() + 1, thickness.begin() + 1 + doc.ExpCount, common);
}
}  // namespace

void ContaminationThickness(const QuantContext& q, std::string& errors)
{
    Document& doc = q.doc;
    CorrectionTables& corr = q.corr;
    corr.ContamThick.fill(0.0f);
    corr.CarbonRow = FindCarbonRow(doc);
    const ContaminationMethod method = doc.contaminationMethod();
    switch (method) {
    case ContaminationMethod::Evans:
        std::fill(corr.ContamThick.begin() + 1, corr.ContamThick.begin() + 1 + doc.ExpCount, kEvansContamination);
        break;
    case ContaminationMethod::Varn:
        if (corr.CarbonRow == 0) {
            AppendFinding(errors, kCarbonNotFound);
            return;
        }
        VarnThickness(doc, corr, q.res);
        break;
    case ContaminationMethod::Explicit: ExplicitThickness(doc, corr); break;
    default: break;
    }
    // Once its thickness is known, the contamination carbon leaves the composition.
    if (method != ContaminationMethod::Evans && corr.CarbonRow != 0 && corr.ExcludeCarbon) {
        doc.ElOmit[corr.CarbonRow] = true;
        corr.ExcludeCarbon = false;
    }
}

void CheckContaminationCarbon(const Document& doc, const CorrectionTables& corr, std::string& errors)
{
    const ContaminationMethod method = doc.contaminationMethod();
    if (method != ContaminationMethod::Evans && method != ContaminationMethod::Explicit)
        return;
    if (corr.CarbonRow == 0 || doc.ElOmit[corr.CarbonRow])
        return;
    const auto first = corr.ContamThick.begin() + 1;
    if (std::any_of(first, first + doc.ExpCount, [](float thickness) { return thickness > 0.0f; }))
        AppendFinding(errors, kCarbonNoCompositionText);
}

}  // namespace slv

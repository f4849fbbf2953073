#include "model/model_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "model/imfp_needs.h"
#include "model/model_warnings.h"

namespace slv {

namespace {
constexpr const char* kNoBulkText = "- No bulk defined   ";
constexpr const char* kLayerText = "- Layer ";
constexpr const char* kNotDefinedText = " not defined   ";
constexpr const char* kOneOxideLayerText = "- Only one layer allowed for the Oxide-Layer model   ";
constexpr const char* kOxideRowsNotMarkedText = "- Bulk or layer element not marked   ";
constexpr const char* kOxideRowsDifferText =
    "- The same element and line must be selected in two different chemical states   ";
constexpr const char* kParameterRangeText = "- Some parameters out of the expected range   ";
constexpr const char* kBulkCompositionText = "- The composition of bulk not specified   ";
constexpr const char* kLayerCompositionText = "- The composition of layer ";
constexpr const char* kNotSpecifiedText = " not specified   ";
constexpr const char* kMissingImfpText = "- Missing IMFP data   ";
constexpr const char* kTubeRadiusMissingText = "- Radius of the nanotube must be specified    ";
constexpr const char* kCarbonTubeRadiusText = "- Radius of the carbon nanotube seems to be too small    ";
constexpr const char* kInnerRadiusText = "- Inner radius of the nanotube is too large    ";
constexpr const char* kCarbonTubeWallText = "- Thickness of the carbon nanotube wall seems to be too small    ";
constexpr const char* kPolyhedronFactorsText =
    "- Geometry correction factors of the Layers-on-Polyhedron model not specified    ";

/// No solid is denser than osmium (22.59 g/cm3).
constexpr double kDensityLimit = 22.59;
/// Band gaps of the IMFP formulas lie in [0, 10) eV; -1 means not given.
constexpr double kBandGapLimit = 10.0;
/// A composition coefficient of -1 is a marker that the calculation counts as 0.
constexpr float kCompositionMarker = -1.0f;

/// Limits that depend on the length unit (LenUnitA 1: Angstrom, else nm).
struct LengthLimits {
    double imfp;              // no IMFP reaches this
    double carbonTubeRadius;  // a carbon nanotube thinner than this is suspicious
    double carbonTubeWall;    // as is a wall thinner than this
};
constexpr LengthLimits kLimitsNm{100.0, 0.25, 0.06};
constexpr LengthLimits kLimitsAngstrom{1000.0, 2.5, 0.6};

const LengthLimits& limitsOf(const Document& doc)
{
    return doc.LenUnitA == 1 ? kLimitsAngstrom : kLimitsNm;
}

std::string lowerText(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/// The last element row whose chemical state begins (in any case) with prefix; 0 when none.
int lastRowInState(const Document& doc, std::string_view prefix)
{
    int found = 0;
    for (int e = 1; e <= doc.ElemCount; ++e)
        if (lowerText(doc.ElState[e].trimmedText()).starts_with(prefix))
            found = e;
    return found;
}

/// The Oxide-Layer part of the table check: one layer, and a metal and an
/// oxide row of the same element and line. False when the check must end.
bool checkOxideRows(Document& doc, ModelState& model, int& errors, std::string& message)
{
    if (doc.LayerCount > 1) {
        doc.LayerCount = 1;
        AppendModelLine(message, kOneOxideLayerText);
        SetBit(errors, kBitTableError);
    }
    model.MetalElem = lastRowInState(doc, "me");
    model.OxideElem = lastRowInState(doc, "ox");
    if (model.MetalElem == 0 || model.OxideElem == 0) {
        AppendModelLine(message, kOxideRowsNotMarkedText);
        SetBit(errors, kBitTableError);
        return false;
    }
    if (doc.ElSymbol[model.MetalElem].trimmedText() != doc.ElSymbol[model.OxideElem].trimmedText() ||
        doc.ElLine[model.MetalElem].trimmedText() != doc.ElLine[model.OxideElem].trimmedText()) {
        AppendModelLine(message, kOxideRowsDifferText);
        SetBit(errors, kBitTableError);
        return false;
    }
    return true;
}

/// Values outside their physical ranges in layer row k; a value that is not
/// a finite number never lies within a range.
int rangeViolations(const Document& doc, int k)
{
    const auto outside = [](double value, double low, double high) { return !(value >= low && value < high); };
    int count = 0;
    if (!(std::isfinite(doc.LayerMolWeight[k]) && doc.LayerMolWeight[k] > 0.0f))
        ++count;
    if (!(doc.LayerDensity[k] > 0.0f && doc.LayerDensity[k] < kDensityLimit))
        ++count;
    if (doc.LayerBandGap[k] != kEmptyValue && outside(doc.LayerBandGap[k], 0.0, kBandGapLimit))
        ++count;
    for (int e = 1; e <= doc.ElemCount; ++e) {
        if (outside(doc.LayerIMFP[k][e], 0.0, limitsOf(doc).imfp))
            ++count;
        const float comp = doc.LayerComp[k][e];
        if (!std::isfinite(comp) || (comp < 0.0f && comp != kCompositionMarker))
            ++count;
    }
    return count;
}

/// Sum of the positive composition coefficients of layer row k; for the
/// Oxide-Layer model 0 unless the bulk holds the metal and layer 1 the oxide.
double compositionSum(const Document& doc, const ModelState& model, int k)
{
    if (doc.modelType() == ModelType::OxideLayer) {
        if (k == 0 && doc.LayerComp[0][model.MetalElem] <= 0.0f)
            return 0.0;
        if (k == 1 && doc.LayerComp[1][model.OxideElem] <= 0.0f)
            return 0.0;
    }
    double sum = 0.0;
    for (int e = 1; e <= doc.ElemCount; ++e)
        if (doc.LayerComp[k][e] > 0.0f)
            sum += doc.LayerComp[k][e];
    return sum;
}

std::string missingCompositionText(const Document& doc, int k)
{
    if (k == 0)
        return kBulkCompositionText;
    const std::string name = doc.LayerName[k].trimmedText();
    return kLayerCompositionText + (name.empty() ? std::to_string(k) : "\"" + name + "\"") + kNotSpecifiedText;
}

/// Whether an IMFP the calculation needs is missing. The Oxide-Layer formula
/// uses the metal line in the bulk and the oxide line in the layer; the
/// other models attenuate an element's electrons in every row above its
/// deepest occurrence, also where the element itself is absent.
bool imfpMissing(const Document& doc, const ModelState& model)
{
    if (doc.modelType() == ModelType::OxideLayer)
        return doc.LayerIMFP[0][model.MetalElem] <= 0.0f || doc.LayerIMFP[1][model.OxideElem] <= 0.0f;
    for (int k = 0; k <= doc.LayerCount; ++k)
        for (int e = 1; e <= doc.ElemCount; ++e)
            if (ImfpNeeded(doc, k, e) && doc.LayerIMFP[k][e] <= 0.0f)
                return true;
    return false;
}
}  // namespace

void AppendModelLine(std::string& message, std::string_view line)
{
    message += line;
    message += kModelLineEnd;
}

void CheckModel(Document& doc, ModelState& model, int& errors, std::string& message)
{
    errors = 0;
    message.clear();
    // A system found defined earlier must not outlive a new check.
    model.SystemDefined = false;
    model.CoverageFitted = false;
    if (doc.LayerCount == 0) {
        SetBit(errors, kBitTableError);
        return;
    }
    if (doc.LayerName[0].isBlank()) {
        AppendModelLine(message, kNoBulkText);
        SetBit(errors, kBitTableError);
    }
    for (int k = 1; k <= doc.LayerCount; ++k) {
        if (doc.LayerName[k].isBlank()) {
            AppendModelLine(message, kLayerText + std::to_string(k) + kNotDefinedText);
            SetBit(errors, kBitTableError);
        }
    }
    if (doc.modelType() == ModelType::OxideLayer && !checkOxideRows(doc, model, errors, message))
        return;
    CheckNanotube(doc, errors, message);
    CheckPolyhedron(doc, errors, message);

    int violations = 0;
    for (int k = 0; k <= doc.LayerCount; ++k)
        violations += rangeViolations(doc, k);
    if (violations > 0) {
        AppendModelLine(message, kParameterRangeText);
        SetBit(errors, kBitTableError);
    }
    for (int k = 0; k <= doc.LayerCount; ++k) {
        if (compositionSum(doc, model, k) == 0.0) {
            AppendModelLine(message, missingCompositionText(doc, k));
            SetBit(errors, kBitTableError);
        }
    }
    if (imfpMissing(doc, model)) {
        AppendModelLine(message, kMissingImfpText);
        SetBit(errors, kBitTableError);
    }
}

void CheckNanotube(const Document& doc, int& errors, std::string& message)
{
    if (doc.modelType() != ModelType::Nanotube)
        return;
    const int tubeElement = SingleElementOfLayer(doc, 0);
    const bool carbonTube = tubeElement > 0 && doc.ElSymbol[tubeElement].trimmedText() == "C";
    const LengthLimits& limits = limitsOf(doc);
    if (!(doc.SampleRadius > 0.0f)) {
        AppendModelLine(message, kTubeRadiusMissingText);
        SetBit(errors, kBitNanotubeError);
    } else if (carbonTube && doc.SampleRadius < limits.carbonTubeRadius) {
        AppendModelLine(message, kCarbonTubeRadiusText);
        SetBit(errors, kBitNanotubeWarning);
    }
    if (!(doc.SampleRadius > doc.InnerRadius)) {
        AppendModelLine(message, kInnerRadiusText);
        SetBit(errors, kBitNanotubeError);
        return;
    }
    const float wall = doc.SampleRadius - doc.InnerRadius;
    if (carbonTube && wall < limits.carbonTubeWall) {
        AppendModelLine(message, kCarbonTubeWallText);
        SetBit(errors, kBitNanotubeWarning);
    }
}

void CheckPolyhedron(const Document& doc, int& errors, std::string& message)
{
    if (doc.modelType() != ModelType::Polyhedron)
        return;
    const auto first = doc.PolyPar.begin() + 1;
    if (std::none_of(first, first + kPolyhedronParameters, [](float factor) { return factor > 0.0f; })) {
        AppendModelLine(message, kPolyhedronFactorsText);
        SetBit(errors, kBitTableError);
    }
}

ModelFindings RunModelChecks(Document& doc, ModelState& model)
{
    ModelFindings findings;
    CheckModel(doc, model, findings.errors, findings.message);
    if (findings.errors < (1 << kBitTableError)) {
        AnalyseStructure(doc, model, findings.message, findings.errors);
        findings.analysed = true;
        CheckModelWarnings(doc, findings.errors, findings.message);
    }
    model.ModelErrors = findings.errors;
    return findings;
}

std::optional<Finding> ModelErrorsFinding(int errors, const std::string& message, MessageButtons buttons)
{
    std::string heading = kModelErrorsHeading;
    if (TestBit(errors, kBitParameterError)) {
        heading = kParameterErrorsHeading;
        ClearBit(errors, kBitParameterError);
    }
    if (errors == 0)
        return std::nullopt;
    Finding finding;
    finding.items = ItemsOf(message);
    if (errors == 1 << kBitNanotubeWarning) {
        finding.kind = FindingKind::Note;
        finding.heading = kNanotubeWarningsHeading;
    } else if (ModelUsable(errors)) {
        finding.kind = FindingKind::Warning;
        finding.heading = kModelWarningsHeading;
    } else {
        finding.kind = FindingKind::Error;
        finding.heading = heading;
        finding.buttons = buttons;
    }
    finding.text = finding.heading + kModelLineEnd + message;
    return finding;
}

}  // namespace slv

#include "model/model_regions.h"

#include <algorithm>
#include <cmath>

#include "model/emission_angle.h"
#include "model/imfp_needs.h"
#include "model/reference_element.h"
#include "quant/quantification.h"

namespace slv {

namespace {
constexpr const char* kAnglesNotEnteredText = "Angles of emission not entered    ";
constexpr const char* kMissingImfpModelError = "Model error(s):\r\n- Missing IMFP data   \r\n";
/// The fit may not push a layer beyond this many times the largest IMFP.
constexpr double kMaxThickInImfps = 5.0;
/// An IMFP that no attenuation of the element uses; it keeps the tables finite.
constexpr double kUnusedImfp = 1.0;

/// The model compares intensities without IMFP and contamination correction,
/// since its formulas contain the attenuation themselves.
void refreshMeasuredValues(const QuantContext& q, ModelState& model)
{
    Document& doc = q.doc;
    if (!doc.RecalcNeeded)
        return;
    model.SystemDefined = false;
    std::fill(doc.ElOmit.begin(), doc.ElOmit.end(), false);
    PreliminaryComposition(q);
    doc.RecalcNeeded = false;
}

bool chooseReferenceElement(const QuantContext& q, const ModelState& model, int experiment)
{
    if (model.SimulActive)
        return true;
    const auto& values = q.res.ResultValue[experiment];
    const int ref = NextUsableRow(q.res.RefElem, q.doc.ElemCount, [&](int row) { return values[row] > 0.0f; });
    if (ref == 0) {
        q.findings.warning(kIntensityAlwaysZeroText);
        return false;
    }
    q.res.RefElem = ref;
    return true;
}

void setEmissionCosines(const Document& doc, ModelState& model, int experiment, char decSep, Findings& findings)
{
    ExpTable<double>& cosines = model.EmissionCos;
    if (!doc.ARXPS) {
        cosines[1] = TiltCosine(doc, TiltValue(doc, experiment, decSep));
        return;
    }
    double angleSum = 0.0;
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        const float tilt = TiltValue(doc, exp, decSep);
        cosines[exp] = TiltCosine(doc, tilt);
        angleSum += tilt;
    }
    if (angleSum == 0.0)
        findings.warning(kAnglesNotEnteredText);
}

float largestImfp(const Document& doc, int lastLayerRow)
{
    float largest = 0.0f;
    for (int row = 0; row <= lastLayerRow; ++row)
        for (int e = 1; e <= doc.ElemCount; ++e)
            largest = std::max(largest, doc.LayerIMFP[row][e]);
    return largest;
}

void setRegionOrder(const Document& doc, RegionTables& tables, int tubeSteps)
{
    const int layers = doc.LayerCount;
    tables.layers = layers;
    tables.repetitions = StackRepetitions(doc);
    if (doc.modelType() == ModelType::Nanotube) {
        tables.crossingLength = 2 * layers + 1;
        for (int k = 1; k <= layers; ++k) {
            tables.TubeRegionOrder[k] = k;
            tables.TubeRegionOrder[tables.crossingLength + 1 - k] = k;
        }
        tables.TubeRegionOrder[layers + 1] = 0;
        tables.count = tables.crossingLength * tubeSteps;
    } else {
        tables.crossingLength = 0;
        tables.count = layers * tables.repetitions;
    }
    tables.rowOf.assign(static_cast<std::size_t>(tables.count) + 1, 0);
    for (int r = 1; r <= tables.count; ++r) {
        tables.rowOf[r] = tables.crossingLength > 0 ? tables.TubeRegionOrder[(r - 1) % tables.crossingLength + 1]
                                                    : (r - 1) % layers + 1;
    }
}

double atomDensity(const Document& doc, int row, int element)
{
    if (!ElementInRow(doc, row, element) || doc.LayerMolWeight[row] <= 0.0f)
        return 0.0;
    return double{doc.LayerComp[row][element]} * doc.LayerDensity[row] / doc.LayerMolWeight[row];
}

/// Fills N and L; false when an IMFP that attenuates some element is missing.
bool fillMaterialTables(const Document& doc, RegionTables& tables)
{
    bool complete = true;
    for (int e = 1; e <= doc.ElemCount; ++e) {
        for (int row = 0; row <= doc.LayerCount; ++row) {
            tables.density[e][row] = atomDensity(doc, row, e);
            const float imfp = doc.LayerIMFP[row][e];
            if (imfp > 0.0f)
                tables.imfp[e][row] = imfp;
            else if (ImfpNeeded(doc, row, e))
                complete = false;
            else
                tables.imfp[e][row] = kUnusedImfp;
        }
        tables.inBulk[e] = tables.density[e][0] != 0.0;
        tables.lastRegion[e] = 0;
        for (int r = tables.count; r >= 1; --r) {
            if (tables.density[e][tables.rowOf[r]] != 0.0) {
                tables.lastRegion[e] = r;
                break;
            }
        }
    }
    return complete;
}
}  // namespace

int TubeStepsFor(float sampleRadius, float innerRadius, float largestBulkImfp)
{
    constexpr float kStepScale = 3.4f;
    constexpr float kStepOffset = 0.75f;
    constexpr float kStepPower = -0.4f;
    if (largestBulkImfp <= 0.0f)
        return 1;
    float wall = sampleRadius - innerRadius;
    if (wall < 0.0f)
        wall = largestBulkImfp / 3.0f;
    const float steps = std::pow(wall / largestBulkImfp, kStepPower) * kStepScale + kStepOffset;
    return std::clamp(static_cast<int>(std::min(steps, float{kMaxTubeSteps})), 1, kMaxTubeSteps);
}

bool UpdateTubeRadius(const Document& doc, ModelState& model, Findings& findings)
{
    model.TubeRadius = doc.SampleRadius;
    if (!doc.modifiedTubeLayer())
        return true;
    for (int k = 1; k <= doc.LayerCount; ++k)
        model.TubeRadius -= doc.LayerThick[k];
    if (model.TubeRadius > doc.InnerRadius)
        return true;
    findings.warning(kModifiedLayerTooThickText);
    return false;
}

bool ModelSetup(const QuantContext& q, ModelState& model, int experiment)
{
    const Document& doc = q.doc;
    refreshMeasuredValues(q, model);
    if (!chooseReferenceElement(q, model, experiment))
        return false;
    setEmissionCosines(doc, model, experiment, q.env.DecSep, q.findings);
    const bool nanotube = doc.modelType() == ModelType::Nanotube;
    if (nanotube) {
        float largestBulk = 0.0f;
        for (int e = 1; e <= doc.ElemCount; ++e)
            largestBulk = std::max(largestBulk, doc.LayerIMFP[0][e]);
        model.TubeSteps = TubeStepsFor(doc.SampleRadius, doc.InnerRadius, largestBulk);
    }
    model.MaxThick = kMaxThickInImfps * largestImfp(doc, doc.LayerCount);
    setRegionOrder(doc, model.Regions, model.TubeSteps);
    if (!fillMaterialTables(doc, model.Regions)) {
        q.findings.error(kMissingImfpModelError);
        return false;
    }
    return !nanotube || UpdateTubeRadius(doc, model, q.findings);
}

}  // namespace slv

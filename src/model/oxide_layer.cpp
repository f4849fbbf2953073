#include "model/oxide_layer.h"

#include <cmath>

#include "model/emission_angle.h"

namespace slv {

namespace {
/// The single-precision degree factor with which oxide thicknesses are given.
constexpr float kRadiansPerDegreeSingle = 0.017453292f;

float rowAtomDensity(const Document& doc, int row, int element)
{
    if (doc.LayerMolWeight[row] <= 0.0f)
        return 0.0f;
    return doc.LayerComp[row][element] * doc.LayerDensity[row] / doc.LayerMolWeight[row];
}

double emissionCosine(const Document& doc, int experiment, char decSep)
{
    if (!TiltInUse(doc))
        return 1.0;
    const float tilt = TiltValue(doc, experiment, decSep);
    return std::cos(TiltInRadians(doc) ? tilt : tilt * kRadiansPerDegreeSingle);
}
}  // namespace

double OxideThickness(double oxideImfp, double cosine, double densityImfpRatio, double intensityRatio)
{
    return cosine * oxideImfp * std::log(densityImfpRatio * intensityRatio + 1.0);
}

void OxideLayerResults(const Document& doc, const ModelState& model, QuantResults& res, char decSep)
{
    const int metal = model.MetalElem;
    const int oxide = model.OxideElem;
    auto& results = res.ResultValue;
    const bool rowsKnown = metal >= 1 && metal <= doc.ElemCount && oxide >= 1 && oxide <= doc.ElemCount;
    float metalImfp = 0.0f;
    float oxideImfp = 0.0f;
    float metalTerm = 0.0f;
    float oxideTerm = 0.0f;
    if (rowsKnown) {
        metalImfp = doc.LayerIMFP[0][metal];
        oxideImfp = doc.LayerIMFP[1][oxide];
        metalTerm = rowAtomDensity(doc, 0, metal) * metalImfp;
        oxideTerm = rowAtomDensity(doc, 1, oxide) * oxideImfp;
    }
    const bool ratioKnown = metalImfp > 0.0f && oxideImfp > 0.0f && metalTerm > 0.0f && oxideTerm > 0.0f;
    const float densityImfpRatio = ratioKnown ? metalTerm / oxideTerm : 0.0f;
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        const float oxidePeak = rowsKnown ? doc.Intensity[exp][oxide] : 0.0f;
        const float metalPeak = rowsKnown ? doc.Intensity[exp][metal] : 0.0f;
        if (!ratioKnown || oxidePeak <= 0.0f || metalPeak <= 0.0f) {
            results[exp][1] = kEmptyValue;
            continue;
        }
        results[exp][1] = static_cast<float>(OxideThickness(oxideImfp, emissionCosine(doc, exp, decSep),
                                                            densityImfpRatio, double{oxidePeak} / metalPeak));
    }
}

}  // namespace slv

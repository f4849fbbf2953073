#include "model/model_warnings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/emission_angle.h"
#include "model/imfp_needs.h"
#include "model/model_check.h"
#include "platform/format_mask.h"
#include "quant/imfp.h"

namespace slv {

namespace {
constexpr const char* kLineTail = "   ";
constexpr const char* kLengthMask = "#0.0#";
constexpr const char* kImfpCountMask = "#0.0";
constexpr const char* kDegreeMask = "#0";
constexpr const char* kDegreeSign = "\260";
/// Emission at 90 degrees or more from the surface normal leaves no solid to escape from.
constexpr double kGrazingDegrees = 90.0;

/// How much too large the surface-angle classes make a core-shell sphere's
/// shell, against the exact straight-line integral, by the outer radius in
/// IMFPs: measured at R/IMFP of about 13, 7, 4-5 and 2-3; between two
/// measurements the error lies between their ranges. A wire (emission
/// perpendicular to its axis) errs by about half as much.
struct ShellError {
    double belowRatio;  // applies while R/IMFP is below this (or equal, when inclusive)
    bool inclusive;
    int low;  // per cent, sphere
    int high;
};
constexpr ShellError kShellErrors[] = {
    {3.0, true, 36, 86},
    {4.0, false, 19, 86},
    {5.0, true, 19, 40},
    {7.0, false, 12, 40},
    {kClassModelRadiusInImfps, false, 8, 23},
};
/// At an outer radius of 2 IMFPs or less the shell comes out several times too large, or not at all.
constexpr double kNoSolutionRatio = 2.0;

std::string percentRange(int low, int high)
{
    return "+" + std::to_string(low) + " to +" + std::to_string(high) + " %";
}

std::string shellErrorText(double ratio, bool wire)
{
    if (ratio <= kNoSolutionRatio)
        return wire ? "far too large, or no solution" : "several times too large, or no solution";
    for (const ShellError& band : kShellErrors) {
        if (ratio < band.belowRatio || (band.inclusive && ratio == band.belowRatio)) {
            // Half the sphere's error, rounded to whole per cent.
            return "too large by " +
                   (wire ? percentRange((band.low + 1) / 2, (band.high + 1) / 2) : percentRange(band.low, band.high));
        }
    }
    return {};
}

/// Islands on a curved substrate and the single row of spheres have only the
/// surface-angle classes.
bool exactIntegralOffered(const Document& doc)
{
    return doc.IslandMode != 1 && !(doc.modelType() == ModelType::Sphere && doc.singleRowOfSpheres());
}

/// The largest IMFP that enters the model intensities.
float largestModelImfp(const Document& doc)
{
    float largest = 0.0f;
    for (int k = 0; k <= doc.LayerCount; ++k)
        for (int e = 1; e <= doc.ElemCount; ++e)
            if (ImfpNeeded(doc, k, e))
                largest = std::max(largest, doc.LayerIMFP[k][e]);
    return largest;
}

std::string lengthText(const Document& doc, double length)
{
    return FormatNumber(length, kLengthMask) + " " + doc.UnitText[3].trimmedText();
}

void checkParticleRadius(const Document& doc, int& errors, std::string& message)
{
    if (!UsesSurfaceAngleClasses(doc) || !(doc.SampleRadius > 0.0f))
        return;
    const float imfp = largestModelImfp(doc);
    if (!(imfp > 0.0f))
        return;
    const double ratio = double{doc.SampleRadius} / imfp;
    if (!(ratio < kClassModelRadiusInImfps))
        return;
    const bool wire = doc.modelType() == ModelType::Cylinder;
    std::string line = "- Outer radius " + lengthText(doc, doc.SampleRadius) + " = " + FormatNumber(ratio, kImfpCountMask) +
                       " x the largest IMFP (" + lengthText(doc, imfp) + "): surface-angle classes make the " +
                       (wire ? "wire's" : "particle's") + " layers " + shellErrorText(ratio, wire);
    line += exactIntegralOffered(doc)
                ? "; use the exact particle integral"
                : "; the exact particle integral serves full shells only, without islands or a single row";
    AppendModelLine(message, line + kLineTail);
    SetBit(errors, kBitModelWarning);
}

/// The emission angle enters the Plane and the Oxide-Layer formulas.
bool usesEmissionAngle(const Document& doc)
{
    const ModelType type = doc.modelType();
    return TiltInUse(doc) && (type == ModelType::Plane || type == ModelType::OxideLayer);
}

double tiltDegrees(const Document& doc, float tilt)
{
    return TiltInRadians(doc) ? tilt / kRadiansPerDegree : tilt;
}

void checkEmissionAngles(const Document& doc, int& errors, std::string& message)
{
    if (!usesEmissionAngle(doc))
        return;
    std::string grazing;
    double largest = 0.0;
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        const double degrees = std::abs(tiltDegrees(doc, TiltValue(doc, exp, '.')));
        if (!(degrees < kGrazingDegrees)) {
            grazing += (grazing.empty() ? "" : ", ") + std::to_string(exp) + " (" +
                       doc.LabelText[exp][kTiltLabelColumn].trimmedText() + ")";
            largest = std::isfinite(degrees) ? std::max(largest, degrees) : std::numeric_limits<double>::infinity();
        }
    }
    if (grazing.empty())
        return;
    const std::string unit = doc.UnitText[1].trimmedText();
    AppendModelLine(message, "- Emission angle of 90" + std::string(kDegreeSign) + " or more (up to " +
                                 FormatNumber(largest, kDegreeMask) + kDegreeSign + ") in label column \"" +
                                 doc.LabelName[kTiltLabelName].trimmedText() + "\", unit " + unit + ", experiment " +
                                 grazing + ": correct the unit or the angles" + kLineTail);
    SetBit(errors, kBitModelWarning);
}

std::string rowName(const Document& doc, int k)
{
    const std::string name = "\"" + doc.LayerName[k].trimmedText() + "\"";
    return k == 0 ? "Bulk " + name : "Layer " + std::to_string(k) + " " + name;
}

void checkGriesElementClass(const Document& doc, int& errors, std::string& message)
{
    if (doc.modelImfpMethod() != ImfpMethod::Gries)
        return;
    for (int k = 0; k <= doc.LayerCount; ++k) {
        if (doc.layerClass(k) != MaterialClass::Element)
            continue;
        const GriesElement element = GriesElementOf(doc, doc.LayerComp[k], 0);
        if (element.elements > 1) {
            AppendModelLine(message, "- " + rowName(doc, k) + ": " + GriesElementClassText(doc, element) + kLineTail);
            SetBit(errors, kBitModelWarning);
        }
    }
}

std::string lineName(const Document& doc, int row)
{
    return doc.ElSymbol[row].trimmedText() + " " + doc.ElLine[row].trimmedText();
}
}  // namespace

bool UsesSurfaceAngleClasses(const Document& doc)
{
    const ModelType type = doc.modelType();
    if (type != ModelType::Sphere && type != ModelType::Cylinder)
        return false;
    return doc.curvedModel() == CurvedModel::SurfaceAngleClasses || !exactIntegralOffered(doc);
}

void CheckModelWarnings(const Document& doc, int& errors, std::string& message)
{
    checkParticleRadius(doc, errors, message);
    checkEmissionAngles(doc, errors, message);
    checkGriesElementClass(doc, errors, message);
}

void CheckFittedStack(const Document& doc, Findings& findings)
{
    if (doc.modelType() == ModelType::OxideLayer || doc.LayerCount < 1)
        return;
    const int repetitions = StackRepetitions(doc);
    double stack = 0.0;
    for (int k = 1; k <= doc.LayerCount; ++k)
        stack += doc.LayerThick[k] * repetitions;
    // The line from the bulk that sees furthest through the stack: the one
    // for which the stack is the fewest IMFPs thick.
    int clearest = 0;
    double fewestImfps = std::numeric_limits<double>::infinity();
    for (int e = 1; e <= doc.ElemCount; ++e) {
        if (!ElementInRow(doc, 0, e) || doc.ElModelFlag[e] == kElementOmitted)
            continue;
        double imfps = 0.0;
        for (int k = 1; k <= doc.LayerCount; ++k)
            if (doc.LayerIMFP[k][e] > 0.0f)
                imfps += doc.LayerThick[k] * repetitions / doc.LayerIMFP[k][e];
        if (imfps < fewestImfps) {
            fewestImfps = imfps;
            clearest = e;
        }
    }
    if (clearest == 0 || !(fewestImfps > kOpaqueStackInImfps))
        return;
    findings.warning("The layers, " + lengthText(doc, stack) + " together, are " +
                     FormatNumber(fewestImfps, kImfpCountMask) + " IMFPs thick even for " + lineName(doc, clearest) +
                     ", the line from below that sees furthest: the signal from below is under 5 % and the "
                     "thickness is poorly determined" +
                     std::string(kFindingTail));
}

}  // namespace slv

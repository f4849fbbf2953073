#include "session/parameter_form.h"

#include <string_view>
#include <system_error>

#include "document/file_bytes.h"
#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "quant/transmission_file.h"

namespace slv {

namespace {

constexpr const char* kEnergyBoxMask = "###0.0";
constexpr const char* kExponentBoxMask = "#0.000";
constexpr const char* kDensityBoxMask = "###0.00";
constexpr const char* kAtWeightBoxMask = "#0.00";
constexpr const char* kAngleBoxMask = "##0.0";
constexpr const char* kContaminationBoxMask = "##0.0";
constexpr const char* kSputterRateBoxMask = "##0.00";
// The radii keep the precision a nanometre-sized particle needs.
constexpr const char* kRadiusBoxMask = "###0.000";

/// A value the document may hold as "none given" (-1) shows as a blank box.
std::string optionalValue(float value, const char* mask, char decSep)
{
    return value < 0.0f ? std::string() : FormatNumber(value, mask, decSep);
}

bool usesMaterialClass(ImfpMethod method)
{
    return method == ImfpMethod::SeahDench || method == ImfpMethod::Jablonski || method == ImfpMethod::Gries;
}

bool curvedOrFaceted(ModelType model)
{
    return model == ModelType::Sphere || model == ModelType::Cylinder || model == ModelType::Polyhedron ||
           model == ModelType::Nanotube;
}

bool layeredGeometry(ModelType model)
{
    return model == ModelType::Plane || curvedOrFaceted(model);
}

}  // namespace

std::string EnergyText(const Document& doc, ExcitationSource source, char decSep)
{
    return FormatNumber(ExcitationEnergy(doc, source), kEnergyBoxMask, decSep);
}

std::string ExponentText(float exponent, char decSep)
{
    return FormatNumber(exponent, kExponentBoxMask, decSep);
}

ParameterForm FormOf(const Document& doc, char decSep)
{
    ParameterForm form;
    form.title = doc.title();
    form.source = doc.source();
    form.energy = EnergyText(doc, doc.source(), decSep);
    form.libraryLookup = doc.libraryLookupEnabled();
    form.lengthUnit = doc.lengthUnit();

    form.crossSection = doc.crossSectionSet();
    form.splitting = doc.splitting();
    form.scaling = doc.scaling();

    form.homogeneousImfp = doc.homogeneousImfpMethod();
    form.modelImfp = doc.modelImfpMethod();
    form.imfpExponent = ExponentText(doc.imfpExponent(), decSep);
    // A matrix without a class shows the first one, as the list must show one.
    form.materialClass = doc.matrixClass(1) == MaterialClass::None ? MaterialClass::Element : doc.matrixClass(1);
    form.density = optionalValue(doc.ExpDensity[1], kDensityBoxMask, decSep);
    form.meanAtWeight = optionalValue(doc.ExpAtWeight[1], kAtWeightBoxMask, decSep);
    form.autoMeanAtWeight = doc.autoMeanAtomicWeight();
    form.separateMatrixValues = doc.separateMatrixValues();

    form.angular = doc.angularMethod();
    form.angle = FormatNumber(doc.sourceAnalyserAngle(), kAngleBoxMask, decSep);

    form.transmission = doc.transmissionType();
    form.transmissionExponent = ExponentText(doc.transmissionExponent(), decSep);
    form.transmissionFile = doc.transmissionFile();
    if (!doc.transmissionFile().empty())
        form.transmissionFileType = TransmissionFileType(doc.transmissionFile());

    form.contamination = doc.contaminationMethod();
    form.contaminationFactor = optionalValue(doc.ExpContam[1], kContaminationBoxMask, decSep);
    form.separateContamination = doc.separateContamination();

    form.model = doc.modelType();
    form.radius = FormatNumber(doc.SampleRadius, kRadiusBoxMask, decSep);
    form.innerRadius = FormatNumber(doc.InnerRadius, kRadiusBoxMask, decSep);
    form.multilayers = doc.MultiLayers < 1 ? 1 : doc.MultiLayers > kMaxMultilayers ? kMaxMultilayers : doc.MultiLayers;
    form.islands = doc.islands();
    form.autoCoverage = doc.AutoCov;
    form.angleResolved = doc.ARXPS;
    form.multiline = doc.multilineApproach();
    form.singleRowOfSpheres = doc.singleRowOfSpheres();
    form.modifiedTubeLayer = doc.modifiedTubeLayer();

    for (int k = 0; k < kLabelsPerExperiment; ++k)
        form.labelShown[k] = doc.LabelSelect[k] != 0;
    for (int u = 0; u < kUnitLabels; ++u)
        form.units[u] = doc.UnitIndex[u];
    for (int k = 0; k < kUserLabels; ++k)
        form.userLabelNames[k] = doc.LabelName[kFirstUserLabel + k].trimmedText();
    form.axisLabel = doc.AxisIndex >= 1 && doc.AxisIndex <= kLabelsPerExperiment ? doc.AxisIndex - 1 : 0;
    form.timeToDepth = doc.DepthScale == 1;
    form.sputterRate = FormatNumber(doc.sputterRate(), kSputterRateBoxMask, decSep);
    return form;
}

ParameterEnables EnablesOf(const ParameterForm& form)
{
    ParameterEnables on;
    on.energy = form.source == ExcitationSource::Other;

    // The library completes missing values of the experimental sets only.
    const bool completedSet = form.crossSection == CrossSectionSet::Evans ||
                              form.crossSection == CrossSectionSet::Wagner ||
                              form.crossSection == CrossSectionSet::Nefedov;
    on.splitting = completedSet;
    on.scaling = completedSet;

    // The matrix of experiment 1 describes a homogeneous sample; a model's
    // layers carry their own material data.
    const bool homogeneous = form.model == ModelType::Homogeneous;
    const ImfpMethod method = form.shownImfpMethod();
    const bool matrixFromTable = form.separateMatrixValues && usesMaterialClass(method);
    on.imfpExponent = homogeneous && method == ImfpMethod::Exponential;
    on.materialClass = homogeneous && usesMaterialClass(method) && !matrixFromTable;
    on.density = homogeneous && (method == ImfpMethod::SeahDench || method == ImfpMethod::Gries) && !matrixFromTable;
    on.autoMeanAtWeight = homogeneous && method == ImfpMethod::SeahDench && !matrixFromTable;
    on.meanAtWeight = on.autoMeanAtWeight && !form.autoMeanAtWeight;
    on.separateMatrixValues = homogeneous && usesMaterialClass(method);
    on.showAppliedImfp = homogeneous && method != ImfpMethod::None;

    on.angle = form.angular != AngularMethod::None;

    on.transmissionExponent = form.transmission == TransmissionType::Exponential;
    on.transmissionFile = form.transmission == TransmissionType::File;
    // A file type without a file has no curve to show and nothing to edit.
    const bool namedFile = !trimmed(form.transmissionFile).empty();
    on.showTransmission = form.transmission != TransmissionType::File || namedFile;
    on.editTransmissionFile = on.transmissionFile && namedFile;

    on.separateContamination = form.contamination == ContaminationMethod::Explicit;
    on.contaminationFactor = on.separateContamination && !form.separateContamination;

    on.radius = curvedOrFaceted(form.model);
    on.innerRadius = form.model == ModelType::Nanotube;
    on.tubeOptions = form.model == ModelType::Nanotube;
    on.singleRowOfSpheres = form.model == ModelType::Sphere;
    on.islands = layeredGeometry(form.model);
    on.autoCoverage = on.islands && form.islands;
    on.multilayers = layeredGeometry(form.model) && form.model != ModelType::Nanotube && !form.islands;
    on.angleResolved = layeredGeometry(form.model);
    on.editPolyhedron = form.model == ModelType::Polyhedron;
    return on;
}

std::string LengthCaption(LengthUnit unit)
{
    return unit == LengthUnit::Angstrom ? "A" : "nm";
}

std::string SputterRateCaption(LengthUnit unit)
{
    return LengthCaption(unit) + "/min";
}

std::string TransmissionFileType(const std::string& path)
{
    std::error_code error;
    const std::vector<std::byte> bytes = ReadFileStart(path, kMaxTransmissionFileBytes, error);
    if (error)
        return {};
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const TransmissionKeyword keyword = ReadTransmissionFile(text).table.keyword;
    switch (keyword.kind) {
    case kTransmissionKindExp: return "Exponential";
    case kTransmissionKindPol: return "Polynomial " + std::to_string(keyword.order);
    case kTransmissionKindNpl: return "Rational (NPL)";
    case kTransmissionKindTab: return "Tabulated";
    case kTransmissionKindUni: return "Combined (Unifit)";
    default: return {};
    }
}

}  // namespace slv

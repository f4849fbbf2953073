#include "report/parameter_summary.h"

#include <charconv>

#include "document/option_names.h"
#include "model/model_name.h"
#include "platform/format_mask.h"

namespace slv {

namespace {

/// A Single as a plain number: its shortest decimal form, no exponent.
std::string plainNumber(float value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::string fileNamePart(const std::string& path)
{
    const auto cut = path.find_last_of("\\/");
    return std::string(trimmed(cut == std::string::npos ? path : path.substr(cut + 1)));
}

}  // namespace

std::vector<ParameterEntry> ParameterSummary(const Document& doc, char decSep)
{
    const char dec = decSep;
    const bool modelMode = doc.modelMode();
    std::vector<ParameterEntry> entries;

    entries.push_back({"Model:", ModelName(doc), {}});
    if (modelMode && doc.IslandMode != 1 && doc.MultiLayers >= 2)
        entries.push_back({"Multilayers:", FormatNumber(doc.MultiLayers, "##", dec), {}});
    if (modelMode && doc.SampleRadius != 0.0f)
        entries.push_back({"Sample radius:",
                           FormatNumber(doc.SampleRadius, "###", dec) + (doc.LenUnitA == 1 ? " \xC5" : " nm"), {}});
    if (!modelMode)
        entries.push_back({"Multiline approach:", MultilineApproachName(doc.multilineApproach()), {}});
    entries.push_back({"Excitation:",
                       SourceName(doc.source()) + "   (" + plainNumber(ExcitationEnergy(doc, doc.source())) + " eV)",
                       {}});
    entries.push_back({"Cross sections:", CrossSectionDataKind(doc.crossSectionSet()), {}});

    ParameterEntry imfp{"IMFP correction:", "", {}};
    const ImfpMethod method = doc.imfpMethod();
    imfp.details.push_back({"method:", ImfpMethodName(method)});
    if (!modelMode) {
        if (method == ImfpMethod::Exponential)
            imfp.details.push_back({"exponent:", FormatNumber(doc.imfpExponent(), "#0.0", dec)});
        const bool classMethod = method == ImfpMethod::SeahDench || method == ImfpMethod::Jablonski || method == ImfpMethod::Gries;
        if (classMethod && !doc.separateMatrixValues()) {
            imfp.details.push_back({"material class:", MaterialClassName(doc.matrixClass(1))});
            if (method != ImfpMethod::Jablonski)
                imfp.details.push_back({"density:", FormatNumber(doc.ExpDensity[1], "##0.00", dec) + " g/cm\xB3"});
            if (method == ImfpMethod::SeahDench)
                imfp.details.push_back({"mean atomic w.:", doc.autoMeanAtomicWeight()
                                                               ? std::string("Auto")
                                                               : FormatNumber(doc.ExpAtWeight[1], "##0.000", dec)});
        }
    }
    entries.push_back(imfp);

    ParameterEntry angular{"Angular correction:", "", {{"method:", AngularMethodName(doc.angularMethod())}}};
    if (doc.angularMethod() != AngularMethod::None)
        angular.details.push_back({"analyser-excitation:", FormatNumber(doc.sourceAnalyserAngle(), "##0.0", dec) + " \xB0"});
    entries.push_back(angular);

    ParameterEntry transmission{"Transmission:", "", {{"type:", TransmissionTypeName(doc.transmissionType())}}};
    if (doc.transmissionType() == TransmissionType::Exponential)
        transmission.details.push_back({"exponent:", FormatNumber(doc.transmissionExponent(), "##0.0", dec)});
    if (doc.transmissionType() == TransmissionType::File)
        transmission.details.push_back({"filename:", fileNamePart(doc.transmissionFile())});
    entries.push_back(transmission);

    ParameterEntry contamination{"Contamination correction:", "", {{"method:", ContaminationMethodName(doc.contaminationMethod())}}};
    if (doc.contaminationMethod() == ContaminationMethod::Explicit && !doc.separateContamination())
        contamination.details.push_back({"contam. factor:", FormatNumber(doc.ExpContam[1], "##0.0", dec)});
    entries.push_back(contamination);
    return entries;
}

}  // namespace slv

#include "report/parameter_summary.h"

#include <charconv>

#include "document/option_names.h"
#include "model/model_name.h"
#include "platform/format_mask.h"
#include "report/report_numbers.h"
#include "report/report_page.h"

namespace slv {

namespace {

/// A Single as a plain number: its shortest decimal form, no exponent.
std::string plainNumber(float value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace

std::vector<ParameterEntry> ParameterSummary(const Document& doc, char dec, ParameterDigits digits)
{
    const auto number = [&](float value, const char* mask) {
        return digits == ParameterDigits::AsEntered ? FormatAsEntered(value, mask, dec)
                                                    : FormatNumber(value, mask, dec);
    };
    const bool modelMode = doc.modelMode();
    std::vector<ParameterEntry> entries;

    entries.push_back({"Model:", ModelName(doc), {}});
    if (modelMode && doc.IslandMode != 1 && doc.MultiLayers >= 2)
        entries.push_back({"Multilayers:", FormatNumber(doc.MultiLayers, "##", dec), {}});
    if (modelMode && doc.SampleRadius != 0.0f)
        entries.push_back(
            {"Sample radius:", number(doc.SampleRadius, "###") + (doc.LenUnitA == 1 ? " \xC5" : " nm"), {}});
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
            imfp.details.push_back({"exponent:", number(doc.imfpExponent(), "#0.0")});
        const bool classMethod =
            method == ImfpMethod::SeahDench || method == ImfpMethod::Jablonski || method == ImfpMethod::Gries;
        if (classMethod && !doc.separateMatrixValues()) {
            imfp.details.push_back({"material class:", MaterialClassName(doc.matrixClass(1))});
            if (method != ImfpMethod::Jablonski)
                imfp.details.push_back({"density:", number(doc.ExpDensity[1], "##0.00") + " g/cm\xB3"});
            if (method == ImfpMethod::SeahDench)
                imfp.details.push_back({"mean atomic w.:", doc.autoMeanAtomicWeight()
                                                               ? std::string("Auto")
                                                               : number(doc.ExpAtWeight[1], "##0.000")});
        }
    }
    entries.push_back(imfp);

    ParameterEntry angular{"Angular correction:", "", {{"method:", AngularMethodName(doc.angularMethod())}}};
    if (doc.angularMethod() != AngularMethod::None)
        angular.details.push_back({"analyser-excitation:", number(doc.sourceAnalyserAngle(), "##0.0") + " \xB0"});
    entries.push_back(angular);

    ParameterEntry transmission{"Transmission:", "", {{"type:", TransmissionTypeName(doc.transmissionType())}}};
    if (doc.transmissionType() == TransmissionType::Exponential)
        transmission.details.push_back({"exponent:", number(doc.transmissionExponent(), "##0.0")});
    if (doc.transmissionType() == TransmissionType::File)
        transmission.details.push_back({"filename:", FileNamePart(doc.transmissionFile())});
    entries.push_back(transmission);

    ParameterEntry contamination{
        "Contamination correction:", "", {{"method:", ContaminationMethodName(doc.contaminationMethod())}}};
    if (doc.contaminationMethod() == ContaminationMethod::Explicit && !doc.separateContamination())
        contamination.details.push_back({"contam. factor:", number(doc.ExpContam[1], "##0.0")});
    entries.push_back(contamination);
    return entries;
}

}  // namespace slv

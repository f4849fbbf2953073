#include <algorithm>
#include <cmath>

#include "quant/correction_chain.h"
#include "quant/transmission_file.h"

namespace slv {

namespace {
constexpr const char* kMessageEndBlanks = "    ";

// Powers of the kinetic energy: a constant analyser energy (FAT, CAE) passes
// electrons as E^-1, a constant retard ratio (FRR, CRR) as E^+1.
constexpr float kFatExponent = -1.0f;
constexpr float kFrrExponent = 1.0f;
// Larger exponents of the Exponential transmission are no physical analyser.
constexpr float kMaxTransmissionExponent = 12.0f;

/// E^power at every kinetic energy; false when the power is not acceptable.
bool PowerLawTransmission(float power, std::span<const float> bindingEv, float excitationEv, std::span<float> factors)
{
    if (power > kMaxTransmissionExponent)
        return false;
    for (std::size_t i = 0; i < bindingEv.size(); ++i)
        factors[i] = CellValue(std::pow(static_cast<double>(excitationEv - bindingEv[i]), static_cast<double>(power)));
    return true;
}

bool IsUsableFactor(float factor)
{
    return factor > 0.0f;
}
}  // namespace

std::vector<float> TransmissionFactors(TransmissionType type, float exponent, std::string& filePath,
                                       std::span<const float> bindingEv, float excitationEv, const Environment& env,
                                       bool showMessage, std::string& errors, Findings& findings)
{
    std::vector<float> factors(bindingEv.size(), 1.0f);
    bool valid = false;
    switch (type) {
    case TransmissionType::None: valid = PowerLawTransmission(0.0f, bindingEv, excitationEv, factors); break;
    case TransmissionType::Fat: valid = PowerLawTransmission(kFatExponent, bindingEv, excitationEv, factors); break;
    case TransmissionType::Frr: valid = PowerLawTransmission(kFrrExponent, bindingEv, excitationEv, factors); break;
    case TransmissionType::Exponential: valid = PowerLawTransmission(exponent, bindingEv, excitationEv, factors); break;
    case TransmissionType::File:
        valid = FileTransmission(filePath, env.programFolder, bindingEv, excitationEv, factors, findings);
        break;
    default: break;  // an unknown type is invalid transmission data
    }
    // An infinite or undefined power (E = 0 with a negative exponent) was stored as -1 and fails here too.
    if (valid)
        valid = std::all_of(factors.begin(), factors.end(), IsUsableFactor);
    if (!valid) {
        AppendFinding(errors, kInvalidTransmissionText);
        if (showMessage)
            findings.warning(std::string(kInvalidTransmissionText) + kMessageEndBlanks);
        std::fill(factors.begin(), factors.end(), 1.0f);
    }
    return factors;
}

void ElementTransmissionFactors(const QuantContext& q, bool showMessage, std::string& errors)
{
    Document& doc = q.doc;
    const std::span<const float> bindingEv(doc.BindEnergy.data() + 1, static_cast<std::size_t>(doc.ElemCount));
    const std::string pathBefore = doc.transmissionFile();
    const std::vector<float> factors =
        TransmissionFactors(doc.transmissionType(), doc.transmissionExponent(), doc.transmissionFile(), bindingEv,
                            doc.ExcEnergy, q.env, showMessage, errors, q.findings);
    if (doc.transmissionFile() != pathBefore)
        doc.DocDirty = true;
    std::copy(factors.begin(), factors.end(), q.corr.TransFactor.begin() + 1);
}

}  // namespace slv

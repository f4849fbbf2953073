// The chain of per-line correction factors: kinetic energy check, effective
// cross section, analyser transmission, angular asymmetry, line IMFP and
// carbon contamination, ending in the corrected intensity of every line in
// every experiment.
//
// The factors live in CorrectionTables and stay valid while
// Document::RecalcNeeded is clear; the corrected intensities are rebuilt on
// every request. -1 marks "no value" in every table, and a step passes it on
// instead of computing with it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "quant/quant_state.h"

namespace slv {

/// "Invalid transmission data. No transmission used"
inline constexpr const char* kInvalidTransmissionText = "Invalid transmission data. No transmission used";

/// A table cell holds a value when it is not negative (-1 marks "no value").
inline bool HasValue(float cell)
{
    return cell >= 0.0f;
}

/// x as a table cell: -1 when x is no finite number a float can hold, so that
/// no NaN or infinity ever reaches a table.
float CellValue(double x);

/// Appends one finding to a collected error text: "- " + finding + four
/// blanks + CR LF. The finding is given without the leading "- ".
void AppendFinding(std::string& errors, std::string_view finding);

/// Kinetic energy in eV of the line of an element row: ExcEnergy - BindEnergy.
inline float KineticEnergy(const Document& doc, int row)
{
    return doc.ExcEnergy - doc.BindEnergy[row];
}

/// Moves the binding energy of every line that the source cannot excite to
/// ExcEnergy - 1 eV (kinetic energy 1 eV), with an error finding for each.
void CheckKineticEnergies(Document& doc, Findings& findings);

/// Fills CrossEff from CrossSect by the document's cross-section set; a
/// missing or zero cross section gives -1.
void EffectiveCrossSections(const Document& doc, CorrectionTables& corr);

/// Transmission factors at the kinetic energies excitationEv - bindingEv[i]
/// for a transmission type (File: the file at filePath, which a search for
/// a moved file may update, with the analyst's consent, in the program
/// folder of env). Invalid data give all factors 1 and append the error line
/// to errors, and a warning finding when showMessage is set.
std::vector<float> TransmissionFactors(TransmissionType type, float exponent, std::string& filePath,
                                       std::span<const float> bindingEv, float excitationEv, const Environment& env,
                                       bool showMessage, std::string& errors, Findings& findings);

/// Fills CorrectionTables::TransFactor for the element rows from the
/// document's parameters; a transmission file found elsewhere and taken
/// with its new path makes the document dirty.
void ElementTransmissionFactors(const QuantContext& q, bool showMessage, std::string& errors);

/// Fills AngularFactor for no correction, Reilman's, or Reilman's with
/// Ebel's elastic-scattering reduction of the asymmetry parameter.
///
/// Unpolarised X-rays at the angle gamma between source and analyser give the
/// differential cross section (sigma / 4 pi) (1 + beta P), P = (3/2 sin^2 gamma
/// - 1) / 2 (Reilman, Msezane & Manson, J. Electron Spectrosc. 8 (1976) 389);
/// P vanishes at the magic angle 54.74 degrees. Elastic scattering in the
/// solid smears the anisotropy out: Ebel's reduction multiplies beta by
/// g = 1.0205 exp(-0.0093356 A), A the matrix mean atomic weight from a
/// preliminary composition.
void AngularFactors(const QuantContext& q, AngularMethod method);

inline constexpr const char* kInvalidAngleText = "Invalid excitation - analyser angle. No angular correction used";

/// The angular correction the document's method can give: none when the
/// excitation - analyser angle lies outside the open range 0..360 degrees
/// (an exchange file gives no angle, and the analyst's default may be 0,
/// where every s line would get the factor 0 and no result). Then the error
/// line is appended to errors, with a warning finding when showMessage is set.
AngularMethod UsableAngularMethod(const QuantContext& q, bool showMessage, std::string& errors);

/// Finds CarbonRow and fills ContamThick by the contamination method; a VARN
/// calculation without a carbon line appends its finding to errors.
///
/// The adventitious carbon is a uniform overlayer of thickness t that
/// attenuates a line of kinetic energy E by exp(-t / L(E)). With L taken as
/// proportional to sqrt(E), Evans' correction divides by exp(-14.3 / sqrt(E)),
/// the attenuation of a typical contamination layer. VARN (Tavik) takes the
/// thickness from the carbon line itself: 0.0215 IMFPs of the C 1s line per
/// atomic percent of carbon, so the attenuation of a line is
/// exp(-t L(C 1s) / L(line)). The explicit method takes t as the entered
/// contamination value over 30, in IMFPs of the C 1s line as well.
void ContaminationThickness(const QuantContext& q, std::string& errors);

/// Evans and Explicit correct every line, the contamination carbon's own
/// among them, as if it lay beneath the contamination layer: while the C 1s
/// row takes part in the composition, the carbon value is no composition
/// and the analyst is told so in errors.
void CheckContaminationCarbon(const Document& doc, const CorrectionTables& corr, std::string& errors);

/// Corrected-intensity modes.
enum CorrectionMode : int {
    kCorrectAll = 1,                 // transmission, cross section, angular factor, IMFP, contamination
    kCorrectWithoutAttenuation = 2,  // stops before the IMFP: for preliminary compositions
};

/// Fills CorrIntensity for experiments 1..ExpCount and rows 1..ElemCount.
void CorrectIntensities(const Document& doc, CorrectionTables& corr, int mode);

}  // namespace slv

// The chain of per-line correction factors: kinetic energy check, effective
// cross section, analyser transmission, angular asymmetry, line IMFP and
// carbon contamination, ending in the corrected intensity of every line in
// every experiment.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/session.h"

namespace slv {

/// "Invalid transmission data. No transmission used"
inline constexpr const char* kInvalidTransmissionText = "Invalid transmission data. No transmission used";

/// The IMFP method code: which = 1 homogeneous (low byte of ParIndex[3]),
/// 2 model (high byte), 0 the one that applies to the current model type.
int IMFPMethodOf(const Document& doc, int which);

void CheckKineticEnergies(Session& session);
void EffectiveCrossSections(Session& session);

/// Transmission factors at the kinetic energies excitationEv - bindingEv[i]
/// for transmission type 0..4 (4 = the file at filePath, which a moved-file
/// search may update). Invalid data give all factors 1, append the error line
/// to errors and, when showMessage is set, show the message box.
std::vector<float> TransmissionFactors(Session& session, int transmissionType, float exponent,
                                       std::string& filePath, std::span<const float> bindingEv,
                                       float excitationEv, bool showMessage, std::string& errors);

/// Fills CorrectionTables::TransFactor for the element rows from the document's parameters.
void ElementTransmissionFactors(Session& session, bool showMessage, std::string& errors);

void AngularFactors(Session& session, int mode);
void ContaminationThickness(Session& session, std::string& errors);

/// mode 1: divide by transmission, cross section, angular factor, IMFP and
/// contamination attenuation; mode 2: stop before the IMFP.
void CorrectIntensities(Session& session, int mode);

}  // namespace slv

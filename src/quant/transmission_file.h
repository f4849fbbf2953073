// Transmission files (.ltr): one analyser transmission function per file,
// of kind Exponential, Polynomial, Rational (NPL), Tabulated or Combined.
#pragma once

#include <span>
#include <string>

#include "core/session.h"

namespace slv {

/// Evaluates the transmission file at path (which the moved-file search may
/// change, with the analyst's consent) at the kinetic energies
/// excitationEv - bindingEv[i]. Returns false, having reported the problem,
/// when the file is missing or its data are invalid.
bool FileTransmission(Session& session, std::string& path, std::span<const float> bindingEv,
                      float excitationEv, std::span<float> factors);

}  // namespace slv

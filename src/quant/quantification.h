// The homogeneous quantification: corrected intensities to the composition in
// eight result types, with the multiline approaches, the oxide conversion and
// O balance, the mass conversion and the merge of chemical states.
#pragma once

#include <string>

#include "core/session.h"

namespace slv {

/// The heading of the collected results errors.
inline constexpr const char* kResultsErrorsHeading = "Results error(s):";

/// The whole calculation for result type 0..7; shows the collected errors.
void Quantify(Session& session, int resultType);

/// Percentages (ref = 0) or ratios to result row ref from CorrIntensity into ResultValue.
void NormalizeResults(Session& session, int ref, float value);

/// Atomic percentages per element row without IMFP and contamination correction.
void PreliminaryComposition(Session& session);

}  // namespace slv

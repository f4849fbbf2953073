// Inelastic mean free paths of the photoelectron lines from material data by
// the published predictive formulas: Seah-Dench, Jablonski, Gries, TPP-2M and
// Cumpson-Seah, for the homogeneous quantification and for model layers.
#pragma once

#include <optional>

#include "core/session.h"

namespace slv {

/// IMFP method codes of ParIndex[3].
enum ImfpMethod : int {
    kImfpNone = 0,
    kImfpExplicit = 1,
    kImfpExponential = 2,
    kImfpSeahDench = 3,
    kImfpJablonski = 4,
    kImfpTpp2m = 5,
    kImfpGries = 6,
    kImfpCumpsonSeah = 7,
};

/// Fills CorrectionTables::LineIMFP for the homogeneous quantification.
void LineIMFPs(Session& session, int method);

/// The model's IMFP calculation: LayerIMFP of one layer (0 = bulk) or of the
/// bulk and every layer when onlyLayer is empty.
void ModelLayerIMFPs(Session& session, std::optional<int> onlyLayer);

}  // namespace slv

// The last three calculations of the layer calculation window: the relative
// calculated intensity of every element row, the layer thicknesses, the
// coverage and the Q sum, so that the analyst sees how a change of the
// thicknesses moved the agreement with the measurement.
#pragma once

#include <array>

#include "document/document.h"

namespace slv {

/// Entries of each history: 0 the current, 1 the previous, 2 the one before.
inline constexpr int kHistoryDepth = 3;

struct CalcHistory {
    std::array<RowTable<double>, kHistoryDepth> RelIntensity{};
    std::array<LayerTable<double>, kHistoryDepth> Thick{};
    std::array<double, kHistoryDepth> Coverage{};
    std::array<double, kHistoryDepth> QSum{};
    /// Measured relative intensity of each element row in the selected experiment.
    RowTable<float> MeasuredRel{};
};

}  // namespace slv

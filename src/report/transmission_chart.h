// The "Transmission Function" window's curve: the analyser transmission over
// the kinetic energies an excitation energy reaches, sampled at whole steps
// of 50 eV so that at most 40 points cover the range.
#pragma once

#include <span>
#include <vector>

#include "report/chart_plan.h"

namespace slv {

inline constexpr const char* kKineticEnergyTitle = "Kinetic Energy (eV)";
inline constexpr const char* kTransmissionWindowCaption = "Transmission Function";
/// The sampling step is a multiple of this, eV.
inline constexpr double kTransmissionStepUnit = 50.0;
inline constexpr int kMaxTransmissionPoints = 40;

/// Where the curve is sampled: kinetic energies s, 2s, ..., ns.
struct TransmissionSampling {
    double step = 0.0;                   // s, eV
    std::vector<float> kineticEnergies;  // eV
    std::vector<float> bindingEnergies;  // excitation energy - kinetic energy, eV
};

/// The smallest multiple s of 50 eV for which the whole number of steps in
/// the excitation energy is at most 40; no points for an energy that is not
/// a positive number.
TransmissionSampling SampleTransmissionCurve(double excitationEv);

/// One data set, point k at the kinetic energy k s with the factor factors[k - 1].
ChartPlan TransmissionChart(const TransmissionSampling& sampling, std::span<const float> factors);

}  // namespace slv

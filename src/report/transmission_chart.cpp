#include "report/transmission_chart.h"

#include <algorithm>
#include <cmath>

namespace slv {

namespace {
int stepsIn(double excitationEv, double step)
{
    return static_cast<int>(std::floor(excitationEv / step));
}
}  // namespace

TransmissionSampling SampleTransmissionCurve(double excitationEv)
{
    TransmissionSampling sampling;
    if (!std::isfinite(excitationEv) || excitationEv <= 0.0)
        return sampling;
    // floor(E / s) <= 40 holds for s > E / 41; start at the multiple of 50 eV
    // just above and correct for rounding in either direction.
    double units = std::max(1.0, std::floor(excitationEv / (kMaxTransmissionPoints + 1) / kTransmissionStepUnit) + 1.0);
    while (stepsIn(excitationEv, units * kTransmissionStepUnit) > kMaxTransmissionPoints)
        units += 1.0;
    while (units > 1.0 && stepsIn(excitationEv, (units - 1.0) * kTransmissionStepUnit) <= kMaxTransmissionPoints)
        units -= 1.0;
    sampling.step = units * kTransmissionStepUnit;
    const int points = stepsIn(excitationEv, sampling.step);
    for (int k = 1; k <= points; ++k) {
        const double kinetic = k * sampling.step;
        sampling.kineticEnergies.push_back(static_cast<float>(kinetic));
        sampling.bindingEnergies.push_back(static_cast<float>(excitationEv - kinetic));
    }
    return sampling;
}

ChartPlan TransmissionChart(const TransmissionSampling& sampling, std::span<const float> factors)
{
    ChartPlan plan;
    if (sampling.kineticEnergies.empty())
        return plan;
    plan.type = ChartType::Line;
    plan.bottomTitle = kKineticEnergyTitle;
    ChartSet& set = plan.sets.emplace_back();
    for (std::size_t k = 0; k < sampling.kineticEnergies.size(); ++k) {
        plan.xPositions.push_back(sampling.kineticEnergies[k]);
        if (k < factors.size())
            set.values.emplace_back(factors[k]);
        else
            set.values.emplace_back();
    }
    return plan;
}

}  // namespace slv

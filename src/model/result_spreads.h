// The standard deviations of accepted fitted thicknesses and coverages. A
// spread belongs to the value the fit left: it is kept with that value and
// counts only while the stored result still holds it, so a thickness typed,
// simulated or loaded since shows no uncertainty it never had.
#pragma once

#include <map>
#include <optional>
#include <utility>

namespace slv {

/// The column of the coverage among the layers 1..5 of a result slot.
inline constexpr int kCoverageSpreadColumn = 0;

class ResultSpreads {
public:
    /// Forgets what a result slot (experiment) had, before it is stored anew.
    void Forget(int slot) { m_spreads.erase(m_spreads.lower_bound({slot, 0}), m_spreads.lower_bound({slot + 1, 0})); }
    /// The spread of the value stored in a slot's layer 1..5 or coverage column.
    void Record(int slot, int column, float value, double sigma) { m_spreads[{slot, column}] = {value, sigma}; }
    /// The spread of the stored value, when that value is the one the fit gave.
    std::optional<double> SpreadOf(int slot, int column, float stored) const
    {
        const auto it = m_spreads.find({slot, column});
        if (it == m_spreads.end() || it->second.value != stored)
            return std::nullopt;
        return it->second.sigma;
    }
    void Clear() { m_spreads.clear(); }

private:
    struct Spread {
        float value = 0.0f;
        double sigma = 0.0;
    };
    std::map<std::pair<int, int>, Spread> m_spreads;
};

}  // namespace slv

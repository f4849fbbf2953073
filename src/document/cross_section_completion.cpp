#include "document/cross_section_completion.h"

#include <cmath>
#include <optional>

#include "document/asymmetry.h"

namespace slv {

namespace {

// The closest-line search looks no further than this multiple of the excitation energy.
constexpr float kClosestLineReach = 1.5f;

bool hasValue(Integer origin)
{
    return origin != kNoValue;
}

/// Stores a derived value when it is a usable number; returns whether it did.
bool storeDerived(LineRecord& line, OriginMarks& origin, int set, float value, OriginMark mark)
{
    if (!std::isfinite(value) || value < 0.0f)
        return false;
    line.crossSect[set] = value;
    origin[set] = mark;
    return true;
}

/// The orbital quantum number l of the subshell letters p, d, f; 0 otherwise.
int orbitalNumber(char letter)
{
    switch (letter) {
    case 'p': return 1;
    case 'd': return 2;
    case 'f': return 3;
    default: return 0;
    }
}

/// Whether records first, second, whole are the two spin-orbit components of
/// a subshell followed by the whole subshell (2p1, 2p3, 2p).
bool isSplitSubshell(const LineRecord& first, const LineRecord& second, const LineRecord& whole)
{
    const std::string_view subshell = first.notation.padded().substr(0, 2);
    return second.notation.padded().substr(0, 2) == subshell && trimmed(whole.notation.padded()) == subshell;
}

void splitSubshell(LibraryEntry& entry, int first, SplittingOption splitting, int set)
{
    LineRecord& lower = entry.LibLines[first];
    LineRecord& upper = entry.LibLines[first + 1];
    const LineRecord& whole = entry.LibLines[first + 2];
    const float wholeValue = whole.crossSect[set];
    float unit = 0.0f;
    float lowerUnits = 0.0f;
    float upperUnits = 0.0f;
    if (splitting == SplittingOption::Theoretical) {
        // In the ratio of the theoretical (Scofield Mg) cross sections.
        const float wholeMg = whole.crossSect[kLibScofieldMg];
        lowerUnits = lower.crossSect[kLibScofieldMg];
        upperUnits = upper.crossSect[kLibScofieldMg];
        if (!(lowerUnits > 0.0f && upperUnits > 0.0f && wholeMg > 0.0f))
            return;
        unit = wholeValue / wholeMg;
    } else {
        // In the ratio of the occupancies 2j + 1 of j = l - 1/2 and l + 1/2: l and l + 1 of 2l + 1.
        const int l = orbitalNumber(SubshellLetter(whole.notation.padded()));
        if (l == 0)
            return;
        unit = wholeValue / static_cast<float>(2 * l + 1);
        lowerUnits = static_cast<float>(l);
        upperUnits = static_cast<float>(l + 1);
    }
    storeDerived(lower, entry.LibOrigin[first], set, unit * lowerUnits, kFromSpinOrbit);
    storeDerived(upper, entry.LibOrigin[first + 1], set, unit * upperUnits, kFromSpinOrbit);
}

/// The file line of the set closest in binding energy to `line`, within reach.
std::optional<int> closestFileLine(const LibraryEntry& entry, int line, int set, float excEnergy)
{
    std::optional<int> closest;
    float limit = kClosestLineReach * excEnergy;
    for (int j = 0; j < static_cast<int>(entry.LibLines.size()); ++j) {
        const LineRecord& candidate = entry.LibLines[j];
        if (entry.LibOrigin[j][set] != kFromFile || !(candidate.crossSect[kLibScofieldMg] > 0.0f) ||
            !(candidate.crossSect[set] > 0.0f))
            continue;
        const float distance = std::fabs(candidate.bindEnergy - entry.LibLines[line].bindEnergy);
        if (distance < limit) {
            limit = distance;
            closest = j;
        }
    }
    return closest;
}

}  // namespace

void CompleteSpinOrbit(LibraryEntry& entry, SplittingOption splitting)
{
    if (splitting != SplittingOption::Theoretical && splitting != SplittingOption::Nominal)
        return;
    for (int i = 2; i < static_cast<int>(entry.LibLines.size()); ++i) {
        if (!isSplitSubshell(entry.LibLines[i - 2], entry.LibLines[i - 1], entry.LibLines[i]))
            continue;
        for (int set = kLibEvans; set <= kLibNefedov; ++set)
            if (hasValue(entry.LibOrigin[i][set]))
                splitSubshell(entry, i - 2, splitting, set);
    }
}

void CompleteFromOtherLines(LibraryEntry& entry, ScalingOption scaling, float excEnergy,
                            const std::array<float, kCrossSectionSets + 1>& averageFactor,
                            const AsymmetryTable& alAsymmetry)
{
    if (scaling != ScalingOption::ClosestLine && scaling != ScalingOption::AverageFactor)
        return;
    for (int set = kLibEvans; set <= kLibNefedov; ++set) {
        for (int i = 0; i < static_cast<int>(entry.LibLines.size()); ++i) {
            LineRecord& line = entry.LibLines[i];
            const float mgValue = line.crossSect[kLibScofieldMg];
            if (!hasValue(entry.LibOrigin[i][kLibScofieldMg]) || hasValue(entry.LibOrigin[i][set]))
                continue;
            if (scaling == ScalingOption::ClosestLine) {
                const auto j = closestFileLine(entry, i, set, excEnergy);
                if (!j)
                    continue;
                const LineRecord& reference = entry.LibLines[*j];
                const float conversion = reference.crossSect[kLibScofieldMg] / reference.crossSect[set];
                storeDerived(line, entry.LibOrigin[i], set, mgValue / conversion, kFromOtherLines);
                continue;
            }
            // A factor of 0 marks a set the library holds no values of.
            const float factor = averageFactor[set];
            if (!(factor > 0.0f))
                continue;
            float value = mgValue / factor;
            if (set == kLibEvans) {
                const auto beta = EvaluateAsymmetry(alAsymmetry, entry.LibElement.Z, line.notation.padded());
                if (!beta)
                    continue;  // without beta the angular term, and so the value, is unknown
                value *= 1.0f + *beta / 4.0f;
            }
            storeDerived(line, entry.LibOrigin[i], set, value, kFromOtherLines);
        }
    }
}

}  // namespace slv

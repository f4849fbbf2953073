// Completion of the cross sections that the element library does not give.
// The Evans, Wagner and Nefedov sets (3..5) often hold a value only for a
// whole subshell or only for some lines of an element; the lookup can derive
// the missing ones in two stages, each switched by a library option:
//
// 1. Spin-orbit splitting: a whole subshell (2p) with a value gives its two
//    components (2p1, 2p3) their share, either in the ratio of the
//    theoretical Scofield Mg values of the components or in the nominal
//    occupancy ratio l : l + 1 (p 1:2, d 2:3, f 3:4).
// 2. Scaling from the Scofield Mg set (set 1): a line without a value takes
//    set1 / (set1 / setk) of the file line closest in binding energy, or
//    set1 / the library's average conversion factor of the set. Evans values
//    made by the average factor are raised by (1 + beta/4), because Evans
//    cross sections are divided by that angular term where they are used.
//
// A derived value that is not a finite positive number is never stored: a
// factor of 0 (the library holds no values of that set) leaves the line
// without a value.
#pragma once

#include <array>

#include "document/library_entry.h"

namespace slv {

/// Stage 1 for sets 3..5; components get OriginMark kFromSpinOrbit.
void CompleteSpinOrbit(LibraryEntry& entry, SplittingOption splitting);

/// Stage 2 for sets 3..5; lines get OriginMark kFromOtherLines. averageFactor
/// is indexed by set (3..5); alAsymmetry is the Al K-alpha asymmetry table,
/// used for the Evans angular term.
void CompleteFromOtherLines(LibraryEntry& entry, ScalingOption scaling, float excEnergy,
                            const std::array<float, kCrossSectionSets + 1>& averageFactor,
                            const AsymmetryTable& alAsymmetry);

}  // namespace slv

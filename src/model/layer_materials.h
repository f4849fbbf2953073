// Material data of the model's layers worked out from their atom locations
// and the element constants: the molecular weight of a layer's formula unit,
// its valence electrons (which the TPP-2M IMFP needs), and the IMFP values of
// the model table that no calculation uses. Each works on the bulk and the
// layers 1..LayerCount, over the element rows 0..ElemCount (row 0 is
// hydrogen, which takes part in formula units but has no row of its own).
#pragma once

#include "document/document.h"
#include "platform/findings.h"

namespace slv {

inline constexpr const char* kNoAtomicWeightHeading =
    "No atomic weight for these elements; the molecular weights of their layers were left unchanged:";
inline constexpr const char* kNoValenceElectronsHeading =
    "No valence electrons for these elements; their layers were given 0 valence electrons:";

/// Molecular weight = sum over the elements present (atoms > 0) of atoms x
/// atomic weight. A layer without atoms keeps its weight; so does a layer
/// holding an element without an atomic weight (0 or below), which is
/// reported, since a sum without it would look right and be wrong.
void CalculateMolecularWeights(Document& doc, Findings& findings);

/// Valence electrons = the whole number nearest to the sum over the elements
/// present of atoms x ValElectrons, rounded once, so that the fractions of
/// non-stoichiometric formula units add up. An element without a number (0
/// or below: not in the library, or no value there) gives its layer 0, which
/// the TPP-2M formula takes as not given; such layers are reported.
void CalculateValenceElectrons(Document& doc, Findings& findings);

/// Sets to 0 the IMFPs of rows 0..LayerCount that no model intensity uses
/// (ImfpNeeded); true when one of them held a value.
bool ClearUnusedImfps(Document& doc);

}  // namespace slv

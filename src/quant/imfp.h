// Inelastic mean free paths of the photoelectron lines from material data by
// the published predictive formulas: Seah-Dench, Jablonski, Gries, TPP-2M and
// Cumpson-Seah, for the homogeneous quantification (LineIMFP of every
// experiment) and for model layers (LayerIMFP of the bulk and the layers).
//
// The formulas themselves are in imfp_formulas.h; this layer takes the
// material description from the document, reports the program's messages and
// decides what a line gets where a formula has no value at its kinetic
// energy: the homogeneous quantification uses 1 (as for any λ of 0 or
// below), a model layer keeps the value it held and the analyst is told.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <span>
#include <string>

#include "quant/quant_state.h"

namespace slv {

inline constexpr const char* kImproperImfpMethodText = "Improper IMFP method selected    ";
inline constexpr const char* kInvalidMaterialClassText = "Invalid material class at IMFP calculation     ";
inline constexpr const char* kEnterAtomLocationsText = "Enter atom locations initially    ";
/// Heading of the lines whose layer IMFP a formula leaves undefined.
inline constexpr const char* kUndefinedLayerImfpHeading =
    "No IMFP at the kinetic energy of these lines; their values were left unchanged:";

/// λ of element rows 1..ElemCount from one formula; empty where the formula
/// has no positive finite value at the line's kinetic energy.
using RowImfps = std::array<std::optional<double>, kMaxElements + 1>;

/// Element rows (1..20) that a calculation left without a value.
using ImfpRowSet = std::bitset<kMaxElements + 1>;

/// Fills CorrectionTables::LineIMFP for experiments 1..ExpCount and rows
/// 1..ElemCount by the homogeneous method code; every λ ends positive.
void LineIMFPs(const QuantContext& q, ImfpMethod method);

/// Seah-Dench λ in nm of every line for one matrix. A class that is none of
/// the three reports "Invalid material class at IMFP calculation     " and
/// gives nullopt.
std::optional<RowImfps> SeahDenchIMFP(const Document& doc, MaterialClass materialClass, float meanAtomicWeight,
                                      float density, Findings& findings);

/// Gries λ in Å of every line for one matrix whose composition is
/// composition[firstRow..ElemCount] (atoms or atomic percentages). Returns
/// nullopt without a message for no class, density 0 or an element class
/// without an element; with "Invalid material class at IMFP calculation     "
/// for an unknown class and "Enter atom locations initially    " for a
/// compound without atoms.
std::optional<RowImfps> GriesIMFP(const Document& doc, MaterialClass materialClass, std::span<const float> composition,
                                  int firstRow, float density, Findings& findings);

/// The class "element" of the Gries formula describes a pure element: it
/// takes the atomic number, weight and constants of one row, the last with a
/// positive composition (0 = none). A matrix of several elements is then
/// described by that element alone, which the analyst is told.
struct GriesElement {
    int row = 0;
    /// Distinct element symbols with a positive composition.
    int elements = 0;
};
GriesElement GriesElementOf(const Document& doc, std::span<const float> composition, int firstRow);

/// "Gries IMFP, class element, in a matrix of 3 elements takes the constants
/// of Fe alone", without the leading "- " or trailing blanks.
std::string GriesElementClassText(const Document& doc, const GriesElement& element);

/// The model's IMFP calculation by the model method: LayerIMFP of one layer
/// (0 = bulk) or of the bulk and every layer when onlyLayer is empty. Sets
/// DocDirty unless the method is one a layer cannot use.
void ModelLayerIMFPs(Document& doc, std::optional<int> onlyLayer, Findings& findings);

/// TPP-2M λ of one layer into LayerIMFP (Å, or nm when LenUnitA is 0). A
/// layer without valence electrons, band gap, density or molecular weight is
/// skipped silently. Returns the rows left unchanged for want of a value.
ImfpRowSet TPP2MIMFP(Document& doc, int layer);

/// Cumpson-Seah λ of one layer into LayerIMFP (nm, or Å when LenUnitA is 1).
/// Returns the rows left unchanged for want of a value.
ImfpRowSet CumpsonSeahIMFP(Document& doc, int layer, Findings& findings);

}  // namespace slv

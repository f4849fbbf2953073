// What the homogeneous and the model IMFP calculations share: the element
// rows a calculation covers, a formula evaluated at every line's kinetic
// energy, and storing λ into a table of Singles.
#pragma once

#include <span>

#include "quant/correction_chain.h"
#include "quant/imfp.h"

namespace slv {

/// ElemCount, kept inside the table capacity 0..20.
int ElementRowCount(const Document& doc);

/// lambdaAt(E) for the kinetic energy E of the line of every row 1..ElemCount.
template<typename LambdaAt>
RowImfps ImfpsAtLineEnergies(const Document& doc, LambdaAt lambdaAt)
{
    RowImfps lambdas{};
    for (int row = 1; row <= ElementRowCount(doc); ++row)
        lambdas[row] = lambdaAt(static_cast<double>(KineticEnergy(doc, row)));
    return lambdas;
}

/// Writes λ × unitFactor into table[row] for rows 1..ElemCount where that is
/// a positive Single; the other rows keep their value and are returned.
ImfpRowSet StoreRowImfps(const Document& doc, const RowImfps& lambdas, double unitFactor, std::span<float> table);

}  // namespace slv

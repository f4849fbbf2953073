#include "quant/row_imfps.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "quant/imfp_formulas.h"

namespace slv {

int ElementRowCount(const Document& doc)
{
    return std::clamp<int>(doc.ElemCount, 0, kMaxElements);
}

ImfpRowSet StoreRowImfps(const Document& doc, const RowImfps& lambdas, double unitFactor, std::span<float> table)
{
    ImfpRowSet unchanged;
    for (int row = 1; row <= ElementRowCount(doc); ++row) {
        const double value = lambdas[row].value_or(0.0) * unitFactor;
        if (value > 0.0 && value <= FLT_MAX && static_cast<float>(value) > 0.0f)
            table[row] = static_cast<float>(value);
        else
            unchanged.set(row);
    }
    return unchanged;
}

std::optional<RowImfps> SeahDenchIMFP(const Document& doc, MaterialClass materialClass, float meanAtomicWeight,
                                      float density, Findings& findings)
{
    if (materialClass != MaterialClass::Element && materialClass != MaterialClass::Inorganic &&
        materialClass != MaterialClass::Polymer) {
        findings.warning(kInvalidMaterialClassText);
        return std::nullopt;
    }
    return ImfpsAtLineEnergies(doc,
                               [&](double e) { return SeahDenchImfpNm(materialClass, meanAtomicWeight, density, e); });
}

std::optional<RowImfps> GriesIMFP(const Document& doc, MaterialClass materialClass, std::span<const float> composition,
                                  int firstRow, float density, Findings& findings)
{
    if (materialClass == MaterialClass::None || density == 0.0f)
        return std::nullopt;
    const int lastRow = ElementRowCount(doc);

    std::optional<GriesCoefficients> k;
    double molarVolume = 0.0;
    double effectiveZ = 0.0;
    if (materialClass == MaterialClass::Element) {
        int element = -1;
        for (int row = firstRow; row <= lastRow; ++row)
            if (composition[row] > 0.0f)
                element = row;
        if (element < 0)
            return std::nullopt;
        k = GriesCoefficientsOf(materialClass, doc.AtomicNo[element]);
        molarVolume = doc.AtWeight[element] / density;
        effectiveZ = std::sqrt(static_cast<double>(doc.AtomicNo[element]));
    } else {
        k = GriesCoefficientsOf(materialClass, 0);
        if (!k) {
            findings.warning(kInvalidMaterialClassText);
            return std::nullopt;
        }
        double atoms = 0.0;
        double weight = 0.0;
        double rootZ = 0.0;
        for (int row = firstRow; row <= lastRow; ++row) {
            const double x = composition[row];
            if (x > 0.0) {
                atoms += x;
                weight += x * doc.AtWeight[row];
                rootZ += x * std::sqrt(static_cast<double>(doc.AtomicNo[row]));
            }
        }
        if (atoms <= 0.0) {
            findings.warning(kEnterAtomLocationsText);
            return std::nullopt;
        }
        molarVolume = weight / (atoms * density);
        effectiveZ = rootZ / atoms;
    }
    return ImfpsAtLineEnergies(doc, [&](double e) { return GriesImfpAngstrom(*k, molarVolume, effectiveZ, e); });
}

}  // namespace slv

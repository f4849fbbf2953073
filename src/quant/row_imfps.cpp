#include "quant/row_imfps.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <set>
#include <string>

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

namespace {
/// A matrix described by the same element in several experiments is named once.
void warnOnce(Findings& findings, const std::string& text)
{
    for (const Finding& finding : findings.all())
        if (finding.text == text)
            return;
    findings.warning(text);
}
}  // namespace

GriesElement GriesElementOf(const Document& doc, std::span<const float> composition, int firstRow)
{
    GriesElement chosen;
    std::set<std::string> symbols;
    for (int row = firstRow; row <= ElementRowCount(doc); ++row) {
        if (composition[row] > 0.0f) {
            chosen.row = row;
            symbols.insert(doc.ElSymbol[row].trimmedText());
        }
    }
    chosen.elements = static_cast<int>(symbols.size());
    return chosen;
}

std::string GriesElementClassText(const Document& doc, const GriesElement& element)
{
    return "Gries IMFP, class element, in a matrix of " + std::to_string(element.elements) +
           " elements takes the constants of " + doc.ElSymbol[element.row].trimmedText() + " alone";
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
        const GriesElement chosen = GriesElementOf(doc, composition, firstRow);
        if (chosen.elements == 0)
            return std::nullopt;
        if (chosen.elements > 1)
            warnOnce(findings, GriesElementClassText(doc, chosen) + std::string(kFindingTail));
        const int element = chosen.row;
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

#include <string>

#include "quant/correction_chain.h"
#include "quant/quantification.h"

namespace slv {

namespace {
constexpr const char* kOxygenNotFound = "Oxygen not found in experiment ";

bool IsOxygen(const Symbol& symbol)
{
    return symbol.trimmedText() == "O";
}

/// Cation atoms per oxide formula unit, 2 x oxygens / valence (2 for Al2O3,
/// 1 for SiO2); an element without a valence counts as one atom per unit.
float CationsPerFormulaUnit(Integer oxygens, Integer valence)
{
    if (valence == 0)
        return 1.0f;
    const float cations = 2.0f * static_cast<float>(oxygens) / static_cast<float>(valence);
    return cations > 0.0f ? cations : 1.0f;
}

/// A ratio to oxygen means nothing once oxygen is part of the oxides: the
/// reference moves on to the next row that is not oxygen.
void MoveReferenceOffOxygen(QuantResults& res)
{
    const int count = res.ResElemCount;
    if (res.RefElem < 1 || res.RefElem > count)
        return;
    for (int visited = 1; visited < count && IsOxygen(res.ResSymbol[res.RefElem]); ++visited)
        res.RefElem = res.RefElem % count + 1;
}
}  // namespace

bool OxideConversion(Document& doc, CorrectionTables& corr, QuantResults& res, std::string& errors)
{
    ExpRowTable<float>& corrected = corr.CorrIntensity;
    const int count = res.ResElemCount;
    res.OBalanceRow = count + 1;

    // The measured oxygen leaves the table and becomes the O balance.
    for (int row = 1; row <= count; ++row)
        doc.ResOxygenMerged[row] = IsOxygen(res.ResSymbol[row]);
    ExpTable<double> measuredOxygen{};
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        for (int row = 1; row <= count; ++row) {
            if (!doc.ResOxygenMerged[row])
                continue;
            if (HasValue(corrected[exp][row]))
                measuredOxygen[exp] += corrected[exp][row];
            corrected[exp][row] = kEmptyValue;
        }
    }
    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        if (!(measuredOxygen[exp] > 0.0)) {
            AppendFinding(errors, kOxygenNotFound + std::to_string(exp));
            return false;
        }
    }

    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        double requiredOxygen = 0.0;
        for (int row = 1; row <= count; ++row) {
            if (res.ResOxygens[row] == 0 || !HasValue(corrected[exp][row]))
                continue;  // elements without an oxide keep their atoms
            const float formulaUnits =
                CellValue(corrected[exp][row] / CationsPerFormulaUnit(res.ResOxygens[row], res.ResValence[row]));
            corrected[exp][row] = formulaUnits;
            if (HasValue(formulaUnits))
                requiredOxygen += static_cast<double>(res.ResOxygens[row]) * formulaUnits;
        }
        res.ResultValue[exp][res.OBalanceRow] =
            requiredOxygen > 0.0 ? CellValue(measuredOxygen[exp] / requiredOxygen) : kEmptyValue;
    }
    MoveReferenceOffOxygen(res);
    return true;
}

void MassConversion(const Document& doc, CorrectionTables& corr, const QuantResults& res, int mode)
{
    for (int row = 1; row <= res.ResElemCount; ++row) {
        const double weight = mode == kMassOfOxides
                                  ? res.ResOxygens[row] * static_cast<double>(kOxygenAtomicWeight) +
                                        CationsPerFormulaUnit(res.ResOxygens[row], res.ResValence[row]) *
                                            static_cast<double>(res.ResAtWeight[row])
                                  : static_cast<double>(res.ResAtWeight[row]);
        for (int exp = 1; exp <= doc.ExpCount; ++exp) {
            float& cell = corr.CorrIntensity[exp][row];
            if (HasValue(cell))
                cell = CellValue(cell * weight);
        }
    }
}

}  // namespace slv

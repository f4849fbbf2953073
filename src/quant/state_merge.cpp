#include <algorithm>

#include "quant/correction_chain.h"
#include "quant/quantification.h"

namespace slv {

void MergeChemicalStates(const Document& doc, QuantResults& res)
{
    const int count = res.ResElemCount;
    // Each result row's merged row, numbered in the order the symbols first appear.
    RowTable<Symbol> mergedSymbol{};
    RowTable<int> mergedRowOf{};
    int mergedCount = 0;
    for (int row = 1; row <= count; ++row) {
        const auto first =
            std::find(mergedSymbol.begin() + 1, mergedSymbol.begin() + 1 + mergedCount, res.ResSymbol[row]);
        mergedRowOf[row] = static_cast<int>(first - mergedSymbol.begin());
        if (mergedRowOf[row] > mergedCount)
            mergedSymbol[++mergedCount] = res.ResSymbol[row];
    }

    for (int exp = 1; exp <= doc.ExpCount; ++exp) {
        auto& values = res.ResultValue[exp];
        // An element none of whose states has a value stays without one.
        RowTable<double> sums{};
        RowTable<bool> hasSum{};
        for (int row = 1; row <= count; ++row) {
            if (!HasValue(values[row]))
                continue;
            sums[mergedRowOf[row]] += values[row];
            hasSum[mergedRowOf[row]] = true;
        }
        for (int merged = 1; merged <= mergedCount; ++merged)
            values[merged] = hasSum[merged] ? CellValue(sums[merged]) : kEmptyValue;
        std::fill(values.begin() + 1 + mergedCount, values.begin() + 1 + count, kEmptyValue);
    }
    std::copy(mergedSymbol.begin() + 1, mergedSymbol.begin() + 1 + mergedCount, res.ResSymbol.begin() + 1);
    res.ResElemCount = mergedCount;
}

}  // namespace slv

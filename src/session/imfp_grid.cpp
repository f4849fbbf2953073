#include "session/imfp_grid.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>

#include "platform/fixed_text.h"
#include "platform/number_text.h"

namespace slv {

namespace {

constexpr float kMaxMatrixAtWeight = 260.0f;  // g/mol
constexpr float kMaxMatrixDensity = 22.59f;   // g/cm3, osmium
constexpr float kMaxContamination = 1000.0f;
constexpr int kEmptyRowsEndingImfps = 2;

MaterialClass classOfWord(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
    if (lower == "element")
        return MaterialClass::Element;
    if (lower == "inorganic")
        return MaterialClass::Inorganic;
    if (lower == "polymer")
        return MaterialClass::Polymer;
    return MaterialClass::None;
}

/// Reads one row of the table; counts what lies outside its range.
class RowReader {
public:
    RowReader(const TextGrid& grid, int row, char decSep, int& violations)
        : m_grid(grid),
          m_row(row),
          m_decSep(decSep),
          m_violations(violations)
    {
    }

    bool empty() const { return m_empty; }

    std::string_view text(int col)
    {
        const std::string_view cell = trimmed(m_grid.TextMatrix(m_row, col));
        if (!cell.empty())
            m_empty = false;
        return cell;
    }
    /// A blank cell gives -1; a value outside [low, high] (or not above low
    /// when lowExcluded) counts one violation.
    float number(int col, float low, float high, bool lowExcluded = false)
    {
        const std::string_view cell = text(col);
        if (cell.empty())
            return kEmptyValue;
        const float value = ParseSingle(cell, m_decSep);
        if (value < low || value > high || (lowExcluded && value == low))
            ++m_violations;
        return value;
    }

private:
    const TextGrid& m_grid;
    int m_row;
    char m_decSep;
    int& m_violations;
    bool m_empty = true;
};

}  // namespace

bool ImfpTableHoldsMatrixData(const Document& doc)
{
    const ImfpMethod method = doc.homogeneousImfpMethod();
    return method == ImfpMethod::SeahDench || method == ImfpMethod::Jablonski || method == ImfpMethod::Gries;
}

std::string ImfpRangeWarning(int violations)
{
    return std::to_string(violations) + " IMFP & Contamination parameter" + (violations > 1 ? "s" : "") +
           " out of the expected range    \r\n";
}

int TransferIMFPTable(Document& doc, const TextGrid& grid, int labelCols, char decSep, Findings& findings)
{
    const bool matrixData = ImfpTableHoldsMatrixData(doc);
    const int contaminationCol = labelCols + (matrixData ? 3 : doc.ElemCount) + 1;
    int violations = 0;
    int lastFilled = 0;
    int emptyRun = 0;
    for (int e = 1; e <= kMaxExperiments && emptyRun < kEmptyRowsEndingImfps; ++e) {
        RowReader row(grid, e, decSep, violations);
        if (matrixData) {
            doc.setMatrixClass(e, classOfWord(row.text(labelCols + 1)));
            doc.ExpAtWeight[e] = row.number(labelCols + 2, 0.0f, kMaxMatrixAtWeight);
            doc.ExpDensity[e] = row.number(labelCols + 3, 0.0f, kMaxMatrixDensity);
        } else {
            for (int i = 1; i <= doc.ElemCount; ++i)
                doc.IMFPval[e][i] = row.number(labelCols + i, 0.0f, std::numeric_limits<float>::max(), true);
        }
        doc.ExpContam[e] = row.number(contaminationCol, 0.0f, kMaxContamination);
        emptyRun = row.empty() ? emptyRun + 1 : 0;
        if (!row.empty())
            lastFilled = e;
    }
    doc.IMFPRowCount = static_cast<Integer>(lastFilled);
    doc.RecalcNeeded = true;
    if (violations > 0)
        findings.warning(ImfpRangeWarning(violations));
    return violations;
}

}  // namespace slv

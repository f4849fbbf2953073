#include "session/imfp_grid.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "document/option_names.h"
#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "platform/number_text.h"
#include "quant/results_table.h"
#include "session/label_columns.h"

namespace slv {

namespace {

constexpr float kMaxMatrixAtWeight = 260.0f;  // g/mol
constexpr float kMaxMatrixDensity = 22.59f;   // g/cm3, osmium
constexpr float kMaxContamination = 1000.0f;
constexpr int kEmptyRowsEndingImfps = 2;

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
            doc.setMatrixClass(e, MaterialClassOfWord(row.text(labelCols + 1)));
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

ImfpGrid::ImfpGrid(Session& session)
    : MaterialGrid(session, kRows, 2,
                   [this](int col) { return col > static_cast<int>(m_labels.size()) && col != classColumn(); })
{
    load();
}

int ImfpGrid::classColumn() const
{
    return m_matrixData ? static_cast<int>(m_labels.size()) + 1 : -1;
}

void ImfpGrid::load()
{
    const Document& doc = m_session.doc();
    const char decSep = m_session.environment().DecSep;
    m_labels = ShownLabels(doc);
    m_matrixData = ImfpTableHoldsMatrixData(doc);
    const int labelCols = static_cast<int>(m_labels.size());
    const int dataCols = m_matrixData ? 3 : doc.ElemCount;
    const int contaminationCol = labelCols + dataCols + 1;
    TextGrid::Update update(m_grid);
    m_grid.SetCols(contaminationCol + 1);
    SetRowNumbers(m_grid);
    SetLabelColumns(m_grid, doc, m_labels, false);
    if (m_matrixData) {
        const char* const headers[] = {kClassColumnHeader, kAtWeightColumnHeader, kDensityColumnHeader};
        for (int i = 0; i < 3; ++i)
            m_grid.SetTextMatrix(0, labelCols + 1 + i, headers[i]);
    } else {
        const bool showLines = m_session.results().MultiLineFound;
        for (int row = 1; row <= doc.ElemCount; ++row)
            m_grid.SetTextMatrix(0, labelCols + row, ElementColumnHeader(doc, row, showLines));
    }
    m_grid.SetTextMatrix(0, contaminationCol, kContaminationColumnHeader);
    // The matrix columns hold the class words and longer headers.
    for (int col = labelCols + 1; col <= contaminationCol; ++col)
        m_grid.SetColWidth(col, m_matrixData || col == contaminationCol ? kLabelColumnTwips : kElementColumnTwips);
    if (m_matrixData)
        m_grid.SetColAlignment(classColumn(), CellAlignment::Left);

    // A template has IMFP rows without experiments.
    const int rows = std::max<int>(doc.ExpCount, doc.IMFPRowCount);
    for (int e = 1; e < kRows; ++e) {
        const bool shown = e <= rows;
        for (int i = 0; i < labelCols; ++i)
            m_grid.SetTextMatrix(
                e, i + 1, shown ? doc.LabelText[e][m_labels[static_cast<std::size_t>(i)] + 1].trimmedText() : "");
        const auto value = [&](float number, const char* mask) {
            return shown ? FormatNumber(number, mask, decSep) : std::string();
        };
        if (m_matrixData) {
            m_grid.SetTextMatrix(e, labelCols + 1, shown ? MaterialClassName(doc.matrixClass(e)) : "");
            m_grid.SetTextMatrix(e, labelCols + 2, value(doc.ExpAtWeight[e], kMatrixDataMask));
            m_grid.SetTextMatrix(e, labelCols + 3, value(doc.ExpDensity[e], kMatrixDataMask));
        } else {
            for (int row = 1; row <= doc.ElemCount; ++row)
                m_grid.SetTextMatrix(e, labelCols + row, value(doc.IMFPval[e][row], kImfpValueMask));
        }
        m_grid.SetTextMatrix(e, contaminationCol, value(doc.ExpContam[e], kContaminationMask));
    }
}

void ImfpGrid::commit()
{
    m_editor.leaveCell();
    Findings findings(m_session.dialogs());
    {
        auto edit = m_session.edit({Change::ImfpAndContamination, Change::Results});
        TransferIMFPTable(edit.doc, m_grid, static_cast<int>(m_labels.size()), m_session.environment().DecSep,
                          findings);
    }
    m_session.present(findings);
}

bool ImfpGrid::refusedOnLabel()
{
    if (m_grid.Col() > static_cast<int>(m_labels.size()))
        return false;
    m_session.dialogs().beep();
    return true;
}

void ImfpGrid::keyDown(GridKey key)
{
    // Enter and Tab move on from a label too.
    if ((key == GridKey::Enter || key == GridKey::Tab) || !refusedOnLabel())
        m_editor.keyDown(key);
}

void ImfpGrid::keyPress(char ch)
{
    if (!refusedOnLabel())
        m_editor.keyPress(ch);
}

void ImfpGrid::sessionChanged(ChangeSet changes)
{
    if (changes.has(Change::Elements) || changes.has(Change::Intensities) || changes.has(Change::Labels) ||
        changes.has(Change::Parameters) || changes.has(Change::ImfpAndContamination))
        load();
}

}  // namespace slv

#include "document/table_rows.h"

#include <algorithm>

namespace slv {

void EmptyExperiment(Document& doc, int e)
{
    doc.Intensity[e].fill(kEmptyValue);
    doc.IMFPval[e].fill(kEmptyValue);
    for (LabelString& label : doc.LabelText[e])
        label = "";
    doc.ThickRes[e].fill(kEmptyValue);
    doc.CoverRes[e] = kEmptyValue;
    doc.ExpAtWeight[e] = kEmptyValue;
    doc.ExpDensity[e] = kEmptyValue;
    doc.ExpContam[e] = kEmptyValue;
    doc.setMatrixClass(e, MaterialClass::None);
    doc.ExpOmit[e] = false;
}

void EmptyElementRow(Document& doc, int row)
{
    doc.AtomicNo[row] = 0;
    doc.ElSymbol[row] = "";
    doc.ElLine[row] = "";
    doc.ElState[row] = "";
    doc.BindEnergy[row] = 0.0f;
    doc.CrossSect[row] = 0.0f;
    doc.Asymmetry[row] = kNoAsymmetry;
    doc.AtWeight[row] = 0.0f;
    doc.Valence[row] = 0;
    doc.Oxygens[row] = 0;
    doc.ElDensity[row] = 0.0f;
    doc.ValElectrons[row] = 0.0f;
    doc.ElOmit[row] = false;
    doc.ResOxygenMerged[row] = false;
    doc.ElModelFlag[row] = 0;
    for (int e = 0; e <= kMaxExperiments; ++e) {
        doc.Intensity[e][row] = kEmptyValue;
        doc.IMFPval[e][row] = kEmptyValue;
    }
    for (int layer = 0; layer <= kMaxLayers; ++layer) {
        doc.LayerComp[layer][row] = 0.0f;
        doc.LayerIMFP[layer][row] = 0.0f;
    }
}

namespace {

void copyExperiment(Document& doc, int from, int to)
{
    doc.Intensity[to] = doc.Intensity[from];
    doc.IMFPval[to] = doc.IMFPval[from];
    doc.LabelText[to] = doc.LabelText[from];
    doc.ThickRes[to] = doc.ThickRes[from];
    doc.CoverRes[to] = doc.CoverRes[from];
    doc.ExpAtWeight[to] = doc.ExpAtWeight[from];
    doc.ExpDensity[to] = doc.ExpDensity[from];
    doc.ExpContam[to] = doc.ExpContam[from];
    doc.ExpMatClass[to] = doc.ExpMatClass[from];
    doc.ExpOmit[to] = doc.ExpOmit[from];
}

void copyElementRow(Document& doc, int from, int to)
{
    doc.AtomicNo[to] = doc.AtomicNo[from];
    doc.ElSymbol[to] = doc.ElSymbol[from];
    doc.ElLine[to] = doc.ElLine[from];
    doc.ElState[to] = doc.ElState[from];
    doc.BindEnergy[to] = doc.BindEnergy[from];
    doc.CrossSect[to] = doc.CrossSect[from];
    doc.Asymmetry[to] = doc.Asymmetry[from];
    doc.AtWeight[to] = doc.AtWeight[from];
    doc.Valence[to] = doc.Valence[from];
    doc.Oxygens[to] = doc.Oxygens[from];
    doc.ElDensity[to] = doc.ElDensity[from];
    doc.ValElectrons[to] = doc.ValElectrons[from];
    doc.ElOmit[to] = doc.ElOmit[from];
    doc.ResOxygenMerged[to] = doc.ResOxygenMerged[from];
    doc.ElModelFlag[to] = doc.ElModelFlag[from];
    for (int e = 0; e <= kMaxExperiments; ++e) {
        doc.Intensity[e][to] = doc.Intensity[e][from];
        doc.IMFPval[e][to] = doc.IMFPval[e][from];
    }
    for (int layer = 0; layer <= kMaxLayers; ++layer) {
        doc.LayerComp[layer][to] = doc.LayerComp[layer][from];
        doc.LayerIMFP[layer][to] = doc.LayerIMFP[layer][from];
    }
}

/// The table operations of experiments and element rows share their shape:
/// a count, a capacity, and how one entry is copied and emptied.
struct Entries {
    Integer& count;
    int capacity;
    void (*copy)(Document&, int, int);
    void (*empty)(Document&, int);
};

bool insertEntry(Document& doc, const Entries& entries, int position)
{
    const int count = entries.count;
    if (count >= entries.capacity)
        return false;
    position = std::clamp(position, 1, count + 1);
    for (int i = count; i >= position; --i)
        entries.copy(doc, i, i + 1);
    entries.empty(doc, position);
    entries.count = static_cast<Integer>(count + 1);
    doc.RecalcNeeded = true;
    return true;
}

bool deleteEntries(Document& doc, const Entries& entries, int first, int last)
{
    const int count = entries.count;
    first = std::max(first, 1);
    last = std::min(last, count);
    if (first > last)
        return false;
    const int removed = last - first + 1;
    for (int i = last + 1; i <= count; ++i)
        entries.copy(doc, i, i - removed);
    for (int i = count - removed + 1; i <= count; ++i)
        entries.empty(doc, i);
    entries.count = static_cast<Integer>(count - removed);
    doc.RecalcNeeded = true;
    return true;
}

}  // namespace

bool InsertExperiment(Document& doc, int position)
{
    const Integer before = doc.ExpCount;
    if (!insertEntry(doc, {doc.ExpCount, kMaxExperiments, copyExperiment, EmptyExperiment}, position))
        return false;
    // The IMFP table's rows are the experiments': a row it holds moves up with its experiment.
    if (std::clamp(position, 1, before + 1) <= doc.IMFPRowCount)
        doc.IMFPRowCount = static_cast<Integer>(std::min<int>(doc.IMFPRowCount + 1, kMaxExperiments));
    return true;
}

bool DeleteExperiments(Document& doc, int first, int last)
{
    first = std::max(first, 1);
    last = std::min<int>(last, doc.ExpCount);
    if (!deleteEntries(doc, {doc.ExpCount, kMaxExperiments, copyExperiment, EmptyExperiment}, first, last))
        return false;
    const int imfpRowsDeleted = std::max(0, std::min<int>(last, doc.IMFPRowCount) - first + 1);
    doc.IMFPRowCount = static_cast<Integer>(doc.IMFPRowCount - imfpRowsDeleted);
    return true;
}

bool InsertElementRow(Document& doc, int position)
{
    return insertEntry(doc, {doc.ElemCount, kMaxElements, copyElementRow, EmptyElementRow}, position);
}

bool DeleteElementRows(Document& doc, int first, int last)
{
    return deleteEntries(doc, {doc.ElemCount, kMaxElements, copyElementRow, EmptyElementRow}, first, last);
}

int MovedRow(int row, int first, int count)
{
    if (row < first)
        return row;
    if (count >= 0)
        return row + count;
    return row < first - count ? 0 : row + count;
}

}  // namespace slv

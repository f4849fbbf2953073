// Inserting and deleting experiments and element rows: every value of an
// experiment or a row moves with it, a new one is empty, the counts stay
// within their limits.
#include <gtest/gtest.h>

#include <vector>

#include "document/table_rows.h"
#include "support/empty_document.h"

namespace slv {
namespace {

/// A document with count experiments, experiment e marked by the value 10 e
/// in its intensity, IMFP, contamination and label, and experiment 2 excluded.
Document withExperiments(int count)
{
    Document doc = test::EmptyDocument();
    doc.ElemCount = 1;
    doc.ExpCount = static_cast<Integer>(count);
    for (int e = 1; e <= count; ++e) {
        doc.Intensity[e][1] = 10.0f * e;
        doc.IMFPval[e][1] = 10.0f * e;
        doc.ExpContam[e] = 10.0f * e;
        doc.ThickRes[e][1] = 10.0f * e;
        doc.LabelText[e][2] = std::to_string(10 * e);
    }
    doc.ExpOmit[2] = true;
    return doc;
}

/// The experiments' marks in order (-1 for an empty experiment), and the excluded ones.
std::vector<int> experimentMarks(const Document& doc)
{
    std::vector<int> marks;
    for (int e = 1; e <= doc.ExpCount; ++e) {
        const int mark = static_cast<int>(doc.Intensity[e][1]);
        EXPECT_EQ(doc.IMFPval[e][1], doc.Intensity[e][1]) << "experiment " << e;
        EXPECT_EQ(doc.ExpContam[e], doc.Intensity[e][1]) << "experiment " << e;
        EXPECT_EQ(doc.ThickRes[e][1], doc.Intensity[e][1]) << "experiment " << e;
        EXPECT_EQ(doc.LabelText[e][2].trimmedText(), mark < 0 ? "" : std::to_string(mark)) << "experiment " << e;
        marks.push_back(mark);
    }
    return marks;
}

std::vector<int> excluded(const Document& doc)
{
    std::vector<int> omitted;
    for (int e = 1; e <= kMaxExperiments; ++e)
        if (doc.ExpOmit[e])
            omitted.push_back(e);
    return omitted;
}

struct ExperimentCase {
    const char* name;
    int count;
    bool insert;
    int first;
    int last;
    bool changed;
    std::vector<int> marks;
    std::vector<int> omitted;
};

class ExperimentRows : public ::testing::TestWithParam<ExperimentCase> {};

TEST_P(ExperimentRows, MoveWithTheirValuesAndExclusion)
{
    const ExperimentCase& c = GetParam();
    Document doc = withExperiments(c.count);
    doc.RecalcNeeded = false;
    const bool changed = c.insert ? InsertExperiment(doc, c.first) : DeleteExperiments(doc, c.first, c.last);
    EXPECT_EQ(changed, c.changed);
    EXPECT_EQ(doc.RecalcNeeded, c.changed);
    if (c.count < kMaxExperiments) {
        EXPECT_EQ(experimentMarks(doc), c.marks);
    } else {
        EXPECT_EQ(doc.ExpCount, kMaxExperiments);
    }
    EXPECT_EQ(excluded(doc), c.omitted);
    // Nothing is left behind beyond the table.
    for (int e = doc.ExpCount + 1; e <= kMaxExperiments; ++e)
        EXPECT_LT(doc.Intensity[e][1], 0.0f) << "experiment " << e;
}

INSTANTIATE_TEST_SUITE_P(
    Document, ExperimentRows,
    ::testing::Values(ExperimentCase{"InsertAtTheStart", 3, true, 1, 0, true, {-1, 10, 20, 30}, {3}},
                      ExperimentCase{"InsertBeforeTheExcluded", 3, true, 2, 0, true, {10, -1, 20, 30}, {3}},
                      ExperimentCase{"InsertAfterTheLast", 3, true, 4, 0, true, {10, 20, 30, -1}, {2}},
                      ExperimentCase{"InsertBeyondTheEndIsClamped", 3, true, 9, 0, true, {10, 20, 30, -1}, {2}},
                      ExperimentCase{"InsertIntoAFullTable", kMaxExperiments, true, 1, 0, false, {}, {2}},
                      ExperimentCase{"DeleteTheExcluded", 4, false, 2, 2, true, {10, 30, 40}, {}},
                      ExperimentCase{"DeleteTwo", 4, false, 1, 2, true, {30, 40}, {}},
                      ExperimentCase{"DeleteBeyondTheEndIsClamped", 4, false, 3, 9, true, {10, 20}, {2}},
                      ExperimentCase{"DeleteNothing", 2, false, 3, 4, false, {10, 20}, {2}}),
    [](const auto& info) { return info.param.name; });

struct ElementCase {
    const char* name;
    bool insert;
    int first;
    int last;
    std::vector<int> weights;  // AtWeight of rows 1..ElemCount, 0 for a new row
};

class ElementRows : public ::testing::TestWithParam<ElementCase> {};

TEST_P(ElementRows, MoveWithTheirIntensitiesAndLayerShares)
{
    const ElementCase& c = GetParam();
    Document doc = test::EmptyDocument();
    doc.ElemCount = 3;
    doc.ExpCount = 2;
    for (int row = 1; row <= 3; ++row) {
        doc.ElSymbol[row] = std::string(1, static_cast<char>('A' + row));
        doc.AtWeight[row] = static_cast<float>(row);
        doc.Intensity[2][row] = static_cast<float>(row);
        doc.LayerComp[1][row] = static_cast<float>(row);
        doc.Asymmetry[row] = 1.0f;
    }
    const bool changed = c.insert ? InsertElementRow(doc, c.first) : DeleteElementRows(doc, c.first, c.last);
    EXPECT_TRUE(changed);
    std::vector<int> weights;
    for (int row = 1; row <= doc.ElemCount; ++row) {
        const int weight = static_cast<int>(doc.AtWeight[row]);
        weights.push_back(weight);
        if (weight == 0) {
            EXPECT_EQ(doc.ElSymbol[row].trimmedText(), "");
            EXPECT_EQ(doc.Asymmetry[row], kNoAsymmetry);
            EXPECT_EQ(doc.Intensity[2][row], kEmptyValue);
            EXPECT_EQ(doc.LayerComp[1][row], 0.0f);
        } else {
            EXPECT_EQ(doc.Intensity[2][row], doc.AtWeight[row]);
            EXPECT_EQ(doc.LayerComp[1][row], doc.AtWeight[row]);
        }
    }
    EXPECT_EQ(weights, c.weights);
}

INSTANTIATE_TEST_SUITE_P(Document, ElementRows,
                         ::testing::Values(ElementCase{"InsertInTheMiddle", true, 2, 0, {1, 0, 2, 3}},
                                           ElementCase{"InsertBeyondTheEndIsClamped", true, 8, 0, {1, 2, 3, 0}},
                                           ElementCase{"DeleteTheFirstTwo", false, 1, 2, {3}},
                                           ElementCase{"DeleteTheLast", false, 3, 3, {1, 2}}),
                         [](const auto& info) { return info.param.name; });

TEST(TableLimits, AFullElementTableTakesNoMoreRowsAndImfpRowsFollowTheirExperiments)
{
    Document doc = withExperiments(3);
    doc.ElemCount = kMaxElements;
    EXPECT_FALSE(InsertElementRow(doc, 1));
    EXPECT_EQ(doc.ElemCount, kMaxElements);
    doc.IMFPRowCount = 3;
    InsertExperiment(doc, 2);
    EXPECT_EQ(doc.IMFPRowCount, 4);
    DeleteExperiments(doc, 1, 2);
    EXPECT_EQ(doc.IMFPRowCount, 2);
}

TEST(MovedRow, FollowsInsertsAndDeletes)
{
    struct Case {
        int row, first, count, moved;
    };
    for (const Case& c : {Case{1, 2, 1, 1}, Case{2, 2, 1, 3}, Case{5, 2, -2, 3}, Case{3, 2, -2, 0}, Case{2, 2, -2, 0},
                          Case{1, 2, -2, 1}})
        EXPECT_EQ(MovedRow(c.row, c.first, c.count), c.moved) << c.row << " " << c.first << " " << c.count;
}

}  // namespace
}  // namespace slv

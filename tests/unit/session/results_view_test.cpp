// The Composition window's controller: the grid it fills, the result type
// and merge choices, "Number", and the clicks on its headers.
#include <gtest/gtest.h>

#include "session/results_view.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

class ResultsViewTest : public ::testing::Test {
protected:
    static bool silica(test::TestSession& session)
    {
        test::FillSiliconOxide(session.doc());
        return true;
    }

    /// A click on a single cell, as the grid reports it.
    void click(int row, int col)
    {
        view.grid().SetRow(row);
        view.grid().SetCol(col);
        view.clickHeader(row, col);
    }
    std::string cell(int row, int col) { return view.grid().TextMatrix(row, col); }

    test::TestSession t;
    bool m_filled = silica(t);  // before the view fills itself
    ResultsView view{t.session};
};

TEST_F(ResultsViewTest, FillsOneRowPerExperiment)
{
    EXPECT_EQ(view.grid().Rows(), 3);
    EXPECT_EQ(view.grid().Cols(), 4);  // row number, Time, Si, O
    EXPECT_EQ(cell(0, 2), "Si");
    EXPECT_EQ(cell(1, 1), "10");
    EXPECT_EQ(cell(1, 2), "30.0");
    EXPECT_EQ(cell(2, 3), "75.0");
    EXPECT_EQ(view.labelOfColumn(1), 2);
    EXPECT_EQ(view.labelOfColumn(2), -1);
}

TEST_F(ResultsViewTest, AResultHeaderExcludesAndReincludesInPercentTypes)
{
    click(0, 2);
    EXPECT_EQ(cell(1, 2), " ");  // the blank of an empty value
    EXPECT_EQ(cell(1, 3), "100.0");
    click(0, 2);
    EXPECT_EQ(cell(1, 2), "30.0");

    view.setMergeStates(true);  // merged states are not excluded one by one
    click(0, 2);
    EXPECT_EQ(cell(1, 2), "30.0");
}

TEST_F(ResultsViewTest, ARatioHeaderBecomesTheReferenceAtTheNumbersValue)
{
    view.chooseResultType(kAtomicRatio);
    click(0, 2);
    EXPECT_EQ(cell(1, 2), "1.00");
    EXPECT_EQ(cell(2, 2), "1.00");
    EXPECT_EQ(cell(2, 3), "3.00");
    struct Case {
        float number;
        const char* shown;
    };
    for (const Case& c : {Case{2.0f, "2.00"}, Case{0.0f, "1.00"}, Case{-3.0f, "1.00"}}) {
        view.setNumber(c.number);
        EXPECT_EQ(cell(1, 2), c.shown) << c.number;
    }
}

TEST_F(ResultsViewTest, OxideTypesUntickTheMergeAndAddTheOxygenBalance)
{
    view.setMergeStates(true);
    EXPECT_TRUE(view.mergeChecked());
    view.chooseResultType(kOxideMolarPercent);
    EXPECT_FALSE(view.mergeChecked());
    EXPECT_FALSE(view.mergeEnabled());
    EXPECT_EQ(cell(0, 2), "SiO2");
    EXPECT_EQ(cell(0, view.grid().Cols() - 1), "O balance");
    view.setMergeStates(true);
    EXPECT_FALSE(view.mergeChecked());
    view.chooseResultType(kMassPercent);
    EXPECT_TRUE(view.mergeEnabled());
}

TEST_F(ResultsViewTest, RowAndLabelHeadersMarkExperimentsAndChooseTheAxis)
{
    click(2, 0);
    EXPECT_EQ(cell(2, 0), "X");
    EXPECT_TRUE(t.session.doc().ExpOmit[2]);
    click(2, 0);
    EXPECT_EQ(cell(2, 0), "2");

    t.doc().AxisIndex = 1;
    test::RecordingObserver views(t.session);
    click(0, 1);
    EXPECT_EQ(t.session.doc().AxisIndex, 3);  // the Time label
    EXPECT_EQ(views.notices, std::vector<ChangeSet>{Change::Results});
}

TEST_F(ResultsViewTest, RefillsWhenTheDataChange)
{
    {
        auto edit = t.session.edit(Change::Intensities);
        edit.doc.Intensity[1][1] = 70.0f;
        edit.doc.RecalcNeeded = true;
    }
    EXPECT_EQ(cell(1, 2), "50.0");
}

}  // namespace
}  // namespace slv

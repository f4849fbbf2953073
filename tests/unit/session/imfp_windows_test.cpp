// The IMFP & Contamination windows and the Applied IMFP table: the columns
// each IMFP method asks for, the class words, the table read back (matrix
// data or IMFPs, blank cells as no value, the values out of range counted
// in one warning), the model window's library density and the names it
// writes through, and the applied IMFPs against the formula they come from.
#include <gtest/gtest.h>

#include <cmath>

#include "document/option_names.h"
#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "session/applied_imfp.h"
#include "session/imfp_grid.h"
#include "session/model_imfp_grid.h"
#include "session/open_file.h"
#include "support/empty_document.h"
#include "support/test_session.h"

namespace slv {
namespace {

std::string cell(const TextGrid& grid, int row, int col)
{
    return std::string(trimmed(grid.TextMatrix(row, col)));
}

std::vector<std::string> headers(const TextGrid& grid)
{
    std::vector<std::string> row;
    for (int col = 1; col < grid.Cols(); ++col)
        row.push_back(grid.TextMatrix(0, col));
    return row;
}

TEST(ImfpTransfer, ReadsTheRowsAndCountsValuesOutOfRange)
{
    struct Case {
        const char* name;
        ImfpMethod method;
        std::vector<std::vector<const char*>> rows;  // cells after one label column
        int rowCount;
        int outOfRange;
    };
    const Case cases[] = {
        {"IMFPs in range", ImfpMethod::Tpp2m, {{"1.5", "2.5", "0.3"}}, 1, 0},
        {"one density too high", ImfpMethod::Gries, {{"element", "55", "25", ""}}, 1, 1},
        {"zero IMFP and too much contamination", ImfpMethod::Explicit, {{"0", "1", "2000"}, {"", "", ""}, {"1"}}, 3, 2},
        {"two empty rows end the table", ImfpMethod::Explicit, {{"1", "1", ""}, {}, {}, {"-5"}}, 1, 0},
    };
    for (const Case& c : cases) {
        test::Work work;
        work.doc().ElemCount = 2;
        work.doc().setHomogeneousImfpMethod(c.method);
        TextGrid grid(kMaxExperiments + 1, 6);
        for (std::size_t e = 0; e < c.rows.size(); ++e) {
            grid.SetTextMatrix(static_cast<int>(e) + 1, 1, "label");  // labels alone leave a row empty
            for (std::size_t i = 0; i < c.rows[e].size(); ++i)
                grid.SetTextMatrix(static_cast<int>(e) + 1, static_cast<int>(i) + 2, c.rows[e][i]);
        }
        EXPECT_EQ(TransferIMFPTable(work.doc(), grid, 1, '.', work.findings), c.outOfRange) << c.name;
        EXPECT_EQ(work.doc().IMFPRowCount, c.rowCount) << c.name;
        EXPECT_EQ(work.findings.texts(),
                  c.outOfRange > 0 ? std::vector{ImfpRangeWarning(c.outOfRange)} : std::vector<std::string>{})
            << c.name;
        EXPECT_TRUE(work.doc().RecalcNeeded);
    }
}

class ImfpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Document& doc = t.doc();
        doc.ElemCount = 2;
        doc.ExpCount = 2;
        doc.ElSymbol[1] = "Si";
        doc.ElState[1] = "Ox";
        doc.ElSymbol[2] = "O";
        for (int k = 1; k < kLabelsPerExperiment; ++k)
            doc.LabelSelect[k] = 0;
        doc.LabelSelect[2] = 1;  // Time
    }
    test::TestSession t;
};

TEST_F(ImfpWindow, TheColumnsFollowTheImfpMethod)
{
    const struct {
        ImfpMethod method;
        std::vector<std::string> after;  // the columns after the Time label
    } layouts[] = {
        {ImfpMethod::Exponential, {"Si Ox", "O", "Contam."}},
        {ImfpMethod::Explicit, {"Si Ox", "O", "Contam."}},
        {ImfpMethod::SeahDench, {"Class", "At. weight", "Density", "Contam."}},
        {ImfpMethod::Jablonski, {"Class", "At. weight", "Density", "Contam."}},
        {ImfpMethod::Gries, {"Class", "At. weight", "Density", "Contam."}},
    };
    ImfpGrid window(t.session);
    for (const auto& layout : layouts) {
        t.session.edit(Change::Parameters).doc.setHomogeneousImfpMethod(layout.method);
        std::vector<std::string> expected{"Time (min)"};
        expected.insert(expected.end(), layout.after.begin(), layout.after.end());
        EXPECT_EQ(headers(window.grid()), expected) << ImfpMethodName(layout.method);
    }
}

TEST_F(ImfpWindow, ClassWordsAndOneWarningForTheValuesOutOfRange)
{
    t.doc().setHomogeneousImfpMethod(ImfpMethod::SeahDench);
    t.doc().ExpDensity[1] = 2.2f;
    t.doc().setMatrixClass(1, MaterialClass::Element);
    ImfpGrid window(t.session);
    TextGrid& grid = window.grid();
    EXPECT_EQ(grid.TextMatrix(1, 2), "Element");
    EXPECT_EQ(grid.TextMatrix(1, 4), "2.20");
    EXPECT_EQ(cell(grid, 2, 4), "") << "an empty value shows blank";

    grid.SetRow(2);
    grid.SetCol(1);
    window.keyPress('5');
    window.keyDown(GridKey::Delete);
    EXPECT_EQ(cell(grid, 2, 1), "") << "the labels are edited in the Intensity window";
    EXPECT_EQ(t.dialogs.beeps, 2);
    grid.SetCol(3);
    window.chooseClass(MaterialClass::Polymer);
    EXPECT_EQ(cell(grid, 2, 3), "") << "only a class cell takes a class word";
    grid.SetCol(2);
    ASSERT_TRUE(window.classCellCurrent());
    window.chooseClass(MaterialClass::Inorganic);
    EXPECT_EQ(grid.TextMatrix(2, 2), "Inorganic");
    EXPECT_TRUE(t.session.doc().DocDirty);

    grid.SetTextMatrix(2, 4, "25");       // one density out of range among blank cells
    grid.SetTextMatrix(3, 2, "polymer");  // class words are read in any letter case
    grid.SetTextMatrix(4, 2, "glass");
    window.commit();
    EXPECT_EQ(t.texts(), std::vector<std::string>{ImfpRangeWarning(1)});
    EXPECT_EQ(t.session.doc().matrixClass(2), MaterialClass::Inorganic);
    EXPECT_EQ(t.session.doc().matrixClass(3), MaterialClass::Polymer);
    EXPECT_EQ(t.session.doc().matrixClass(4), MaterialClass::None);
    EXPECT_EQ(t.session.doc().ExpDensity[2], 25.0f);
    EXPECT_EQ(t.session.doc().ExpAtWeight[2], kEmptyValue);
}

TEST_F(ImfpWindow, ATemplateShowsItsImfpRowsWithoutExperiments)
{
    Document& doc = t.doc();
    doc.setHomogeneousImfpMethod(ImfpMethod::Explicit);
    doc.ExpCount = 0;
    doc.IMFPRowCount = 3;
    doc.IMFPval[3][2] = 1.75f;
    ImfpGrid window(t.session);
    EXPECT_EQ(window.grid().TextMatrix(3, 3), "1.75");
}

class ModelImfpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Document& doc = t.doc();
        doc.ElemCount = 2;
        doc.ElSymbol[1] = "Au";
        doc.ElDensity[1] = 19.3f;
        doc.ElSymbol[2] = "Si";
        doc.ElDensity[2] = 2.33f;
        doc.LayerCount = 1;
        doc.LayerName[1] = "gold";
        doc.LayerComp[1][1] = 1.0f;
        doc.LayerName[0] = "silica";
        doc.LayerComp[0][1] = 1.0f;
        doc.LayerComp[0][2] = 2.0f;
        doc.LayerBandGap.fill(-1.0f);
    }
    test::TestSession t;
};

TEST_F(ModelImfpWindow, ElementFillsAnEmptyDensityFromTheLibrary)
{
    ModelImfpGrid window(t.session);
    TextGrid& grid = window.grid();
    EXPECT_EQ(grid.TextMatrix(1, 0), "Layer 1");
    EXPECT_EQ(grid.TextMatrix(kModelImfpBulkRow, 0), "Bulk");
    EXPECT_EQ(grid.TextMatrix(kModelImfpBulkRow, kModelImfpColName), "silica");
    grid.SetCol(kModelImfpColClass);
    const struct {
        int row;
        const char* densityBefore;
        const char* densityAfter;
    } cases[] = {
        {1, "", "19.300"},            // one element: the library's density
        {1, "17.5", "17.5"},          // a density given stays
        {kModelImfpBulkRow, "", ""},  // two elements: no density to take
    };
    for (const auto& c : cases) {
        grid.SetRow(c.row);
        grid.SetTextMatrix(c.row, kModelImfpColDensity, c.densityBefore);
        window.chooseClass(MaterialClass::Element);
        EXPECT_EQ(grid.TextMatrix(c.row, kModelImfpColClass), "Element");
        EXPECT_EQ(cell(grid, c.row, kModelImfpColDensity), c.densityAfter) << c.row;
    }
    window.commit();
    EXPECT_EQ(t.session.doc().layerClass(1), MaterialClass::Element);
    EXPECT_FLOAT_EQ(t.session.doc().LayerDensity[1], 17.5f);
    EXPECT_EQ(t.session.doc().LayerBandGap[1], -1.0f) << "a blank band gap is none given";
}

TEST_F(ModelImfpWindow, NamesAreWrittenThroughAndOtherEditsReloadTheGrid)
{
    test::RecordingObserver observer(t.session);
    ModelImfpGrid window(t.session);
    TextGrid& grid = window.grid();
    grid.SetTextMatrix(1, kModelImfpColMolWeight, "196.97");  // typed, not yet read back
    grid.SetRow(2);
    grid.SetCol(kModelImfpColName);
    for (char ch : std::string("cap layer of 14+ chars"))
        window.keyPress(ch);
    EXPECT_EQ(t.session.doc().LayerName[2].trimmedText(), "cap layer of") << "at most 12 characters";
    ASSERT_FALSE(observer.notices.empty());
    EXPECT_TRUE(observer.notices.back().has(Change::Model)) << "the model window hears of it";
    EXPECT_EQ(grid.TextMatrix(1, kModelImfpColMolWeight), "196.97") << "its own edit does not reload the grid";

    t.session.edit(Change::Model).doc.LayerMolWeight[1] = 197.0f;  // the model window committed
    EXPECT_EQ(grid.TextMatrix(1, kModelImfpColMolWeight), "197.00");
    window.commit();
    EXPECT_EQ(t.session.doc().LayerCount, 2);
}

TEST(AppliedImfp, ShowsTheLineImfpsOfTheJablonskiFormula)
{
    test::TestSession t;
    ASSERT_TRUE(OpenDocumentFile(t.session, std::string(SLV_SOURCE_DIR) + "/examples/float_glass.lvd").ok);
    {
        auto edit = t.session.edit(Change::Parameters);
        edit.doc.setModelType(ModelType::Homogeneous);
        edit.doc.setHomogeneousImfpMethod(ImfpMethod::Jablonski);
        edit.doc.setSeparateMatrixValues(false);
        edit.doc.setMatrixClass(1, MaterialClass::Inorganic);
        edit.doc.RecalcNeeded = true;
    }
    const TextGrid grid = AppliedImfpTable(t.session);
    const Document& doc = t.session.doc();
    ASSERT_GT(doc.ExpCount, 0);
    ASSERT_EQ(grid.Rows(), doc.ExpCount + 1);
    const int labelCols = grid.Cols() - 1 - doc.ElemCount;
    for (int e = 1; e <= doc.ExpCount; ++e)
        for (int row = 1; row <= doc.ElemCount; ++row) {
            const double kinetic = doc.ExcEnergy - doc.BindEnergy[row];
            EXPECT_EQ(grid.TextMatrix(e, labelCols + row), FormatNumber(std::pow(kinetic, 0.7234), kAppliedImfpMask))
                << "experiment " << e << " row " << row;
        }
}

}  // namespace
}  // namespace slv

// The IMFP & Contamination table read from its grid: matrix data or IMFPs
// by the IMFP method, blank cells as no value, and the count of values
// outside their ranges in one warning.
#include <gtest/gtest.h>

#include "session/imfp_grid.h"
#include "support/empty_document.h"

namespace slv {
namespace {

struct ImfpCase {
    const char* name;
    ImfpMethod method;
    std::vector<std::vector<const char*>> rows;  // cells after one label column
    int rowCount;
    std::vector<std::string> warnings;
};

class ImfpTransfer : public ::testing::TestWithParam<ImfpCase> {};

TEST_P(ImfpTransfer, ReadsTheRowsAndCountsValuesOutOfRange)
{
    const ImfpCase& c = GetParam();
    test::Work work;
    Document& doc = work.doc();
    doc.ElemCount = 2;
    doc.setHomogeneousImfpMethod(c.method);
    TextGrid grid(kMaxExperiments + 1, 6);
    for (std::size_t e = 0; e < c.rows.size(); ++e) {
        grid.SetTextMatrix(static_cast<int>(e) + 1, 1, "label");  // labels alone leave a row empty
        for (std::size_t i = 0; i < c.rows[e].size(); ++i)
            grid.SetTextMatrix(static_cast<int>(e) + 1, static_cast<int>(i) + 2, c.rows[e][i]);
    }
    TransferIMFPTable(doc, grid, 1, '.', work.findings);
    EXPECT_EQ(doc.IMFPRowCount, c.rowCount);
    EXPECT_EQ(work.findings.texts(), c.warnings);
    EXPECT_TRUE(doc.RecalcNeeded);
}

INSTANTIATE_TEST_SUITE_P(
    Session, ImfpTransfer,
    ::testing::Values(ImfpCase{"ImfpsInRange", ImfpMethod::Tpp2m, {{"1.5", "2.5", "0.3"}}, 1, {}},
                      ImfpCase{"OneDensityTooHigh",
                               ImfpMethod::Gries,
                               {{"element", "55", "25", ""}},
                               1,
                               {"1 IMFP & Contamination parameter out of the expected range    \r\n"}},
                      ImfpCase{"ZeroImfpAndTooMuchContamination",
                               ImfpMethod::Explicit,
                               {{"0", "1", "2000"}, {"", "", ""}, {"1"}},
                               3,
                               {"2 IMFP & Contamination parameters out of the expected range    \r\n"}},
                      ImfpCase{
                          "TwoEmptyRowsEndTheTable", ImfpMethod::Explicit, {{"1", "1", ""}, {}, {}, {"-5"}}, 1, {}}),
    [](const auto& info) { return info.param.name; });

TEST(ImfpClassWords, TheClassWordBecomesTheMatrixClass)
{
    test::Work work;
    Document& doc = work.doc();
    doc.setHomogeneousImfpMethod(ImfpMethod::SeahDench);
    TextGrid grid(kMaxExperiments + 1, 5);
    const char* words[] = {"element", "Inorganic", "polymer", "glass"};
    const MaterialClass classes[] = {MaterialClass::Element, MaterialClass::Inorganic, MaterialClass::Polymer,
                                     MaterialClass::None};
    for (int e = 1; e <= 4; ++e)
        grid.SetTextMatrix(e, 1, words[e - 1]);
    TransferIMFPTable(doc, grid, 0, '.', work.findings);
    for (int e = 1; e <= 4; ++e)
        EXPECT_EQ(doc.matrixClass(e), classes[e - 1]) << words[e - 1];
    EXPECT_EQ(doc.ExpAtWeight[1], kEmptyValue);
}

}  // namespace
}  // namespace slv

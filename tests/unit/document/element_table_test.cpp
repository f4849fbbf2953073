#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/element_table.h"
#include "support/empty_document.h"

namespace slv {
namespace {

using Row = std::vector<std::string>;  // cells of columns 1..9

/// The element grid holding rows, read into the document.
TextGrid transferred(Document& doc, const std::vector<Row>& rows, char decSep = '.')
{
    TextGrid grid(kMaxElements + 1, kColOxygens + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    TransferElementTable(doc, grid, decSep);
    return grid;
}

/// A row whose numbers all lie inside their ranges.
Row validRow(std::string symbol, std::string line, std::string state = "")
{
    return {std::move(symbol), std::move(line), std::move(state), "710.0", "12.5", "1.2", "55.85", "3", "2"};
}

/// The findings of the one message ValidateElements made, "" when it made none.
std::string findingsOf(const std::vector<Row>& rows)
{
    Document doc = test::EmptyDocument();
    doc.ExcEnergy = 1486.6f;  // Al K-alpha
    transferred(doc, rows);
    const ElementValidation verdict = ValidateElements(doc);
    if (!verdict.finding)
        return "";
    const std::string heading = "Element error(s):\r\n\r\n";
    const std::string& text = verdict.finding->text;
    return text.starts_with(heading) ? text.substr(heading.size()) : "(no heading) " + text;
}

TEST(TransferElementTable, NormalisesSymbolsAndLinesAndReadsLocaleNumbers)
{
    test::Work t;
    const TextGrid grid = transferred(
        t.doc(), {{" fe ", "2P3", " Ox ", "710,5", "", "", "55,85", "2,5", "3,5"}, {"o", "1S"}, {"cRx", "4F7x"}}, ',');
    const char* stored[][2] = {{"Fe", "2p3"}, {"O", "1s"}, {"Cr", "4f7"}};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grid.TextMatrix(r, kColSymbol), stored[r - 1][0]);
        EXPECT_EQ(grid.TextMatrix(r, kColLine), stored[r - 1][1]);
        EXPECT_EQ(t.doc().ElLine[r].trimmedText(), stored[r - 1][1]);
    }
    EXPECT_EQ(t.doc().ElSymbol[2].padded(), "O ");
    EXPECT_EQ(t.doc().ElState[1].padded(), "Ox        ");
    EXPECT_FLOAT_EQ(t.doc().BindEnergy[1], 710.5f);
    EXPECT_FLOAT_EQ(t.doc().AtWeight[1], 55.85f);
    EXPECT_EQ(t.doc().Asymmetry[1], 0.0f);  // an empty cell reads 0
    EXPECT_EQ(t.doc().Valence[1], 2);       // halves round to the even neighbour
    EXPECT_EQ(t.doc().Oxygens[1], 4);
}

TEST(TransferElementTable, ASingleBlankRowStaysATableRowTwoEndTheTable)
{
    const Row c1s = validRow("C", "1s");
    const Row blank = {"", "", "Ox", "284"};  // neither symbol nor line: an empty row
    const std::pair<std::vector<Row>, int> cases[] = {
        {{c1s, c1s, c1s, blank, c1s}, 5},
        {{c1s, c1s, c1s, blank, blank, c1s}, 3},
        {{}, 0},
        {{blank, c1s}, 2},
        {{{"", "2p"}}, 1},
        {std::vector<Row>(kMaxElements, c1s), kMaxElements},
    };
    for (const auto& [rows, elemCount] : cases) {
        Document doc = test::EmptyDocument();
        transferred(doc, rows);
        EXPECT_EQ(doc.ElemCount, elemCount) << rows.size() << " rows";
    }
    Document doc = test::EmptyDocument();
    TextGrid grid = transferred(doc, {c1s});
    EXPECT_FALSE(TransferElementTable(doc, grid, '.'));  // the count did not change
    grid.SetTextMatrix(1, kColSymbol, "");
    grid.SetTextMatrix(1, kColLine, "");
    EXPECT_TRUE(TransferElementTable(doc, grid, '.'));
}

TEST(ValidateElements, LineNotationGrammar)
{
    const char* valid[] = {"1s", "2p", "2p1", "2p3", "3d5", "3d3", "4f7", "4f5", "5s1", "6d", "7f"};
    const char* invalid[] = {"1p", "2d", "8s", "0s", "3d4", "2x", "4s5", "2p2", "4f3", "3p5", "", "s1", "2"};
    for (const char* line : valid)
        EXPECT_EQ(findingsOf({validRow("Fe", line)}), "") << line;
    for (const char* line : invalid)
        EXPECT_EQ(findingsOf({validRow("Fe", line)}), "- Invalid line notation at element Fe    \r\n") << line;
    // The stored symbol is named: a one-letter symbol keeps its blank.
    EXPECT_EQ(findingsOf({validRow("o", "1p")}), "- Invalid line notation at element O     \r\n");
}

TEST(ValidateElements, EachDuplicatedLineIsNamedByItsLaterRow)
{
    // Row 1 meets its first twin in row 3, row 3 its twin in row 4; row 2 differs in state.
    EXPECT_EQ(findingsOf({validRow("Fe", "2p3", "Ox"), validRow("Fe", "2p3", "Me"), validRow("fe", "2P3", " Ox"),
                          validRow("Fe", "2p3", "Ox")}),
              "- Photoelectron line Fe2p3 duplicated with identical chemical state at line 3    \r\n"
              "- Photoelectron line Fe2p3 duplicated with identical chemical state at line 4    \r\n");
}

TEST(ValidateElements, CountsEveryValueOutsideItsRange)
{
    const std::pair<Row, const char*> cases[] = {
        {{"Fe", "2p3", "", "1486.6", "100", "-1", "1", "0", "0"}, ""},  // every bound is inside
        {{"Fe", "2p3", "", "1486.7", "12", "1", "55", "3", "2"}, "- 1 element parameter"},
        {{"Fe", "2p3", "", "0", "0", "2.01", "0.5", "9", "-1"}, "- 6 element parameters"},
        {{"Fe", "2p3", "", "710", "100.5", "-1.01", "260.01", "-1", "9"}, "- 5 element parameters"},
    };
    for (const auto& [row, finding] : cases)
        EXPECT_EQ(findingsOf({row}), *finding ? finding + std::string(" out of the expected range    \r\n") : "");

    // The asymmetry -2 that a failed library lookup leaves is outside; an empty cell (read as 0) is not.
    Document doc = test::EmptyDocument();
    transferred(doc, {validRow("Fe", "2p3"), {"Fe", "2p1", "", "720", "5", "", "55.85", "3", "2"}});
    doc.ExcEnergy = 1486.6f;
    doc.Asymmetry[1] = kNoAsymmetry;
    const ElementValidation verdict = ValidateElements(doc);
    ASSERT_TRUE(verdict.finding);
    EXPECT_TRUE(verdict.finding->text.ends_with("- 1 element parameter out of the expected range    \r\n"));
    EXPECT_EQ(verdict.finding->items, std::vector<std::string>{"1 element parameter out of the expected range"});
    // A warning that offers Cancel, unless the data wizard is docked.
    EXPECT_FALSE(verdict.ok());
    EXPECT_EQ(verdict.finding->kind, FindingKind::Warning);
    EXPECT_EQ(verdict.finding->buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ValidateElements(doc, /*dataWizardDocked=*/true).finding->buttons, MessageButtons::Ok);
}

TEST(ValidateElements, EveryLineOfAnElementMustBeGivenInEveryChemicalState)
{
    const std::vector<Row> rows = {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox"), validRow("O", "1s"),
                                   validRow("Fe", "3p", "Me")};
    EXPECT_EQ(findingsOf(rows), "- Photoelectron lines - chemical states mismatch at element Fe    \r\n");
    std::vector<Row> complete = rows;
    complete.push_back(validRow("Fe", "3p", "Ox"));
    EXPECT_EQ(findingsOf(complete), "");

    Document doc = test::EmptyDocument();
    transferred(doc, rows);
    const auto verdict = ValidateElements(doc);
    const auto& marks = verdict.multiLine.MultiLineMark;
    EXPECT_EQ((std::vector<bool>(marks.begin() + 1, marks.begin() + 5)), (std::vector<bool>{true, true, false, true}));
    EXPECT_TRUE(verdict.multiLine.MultiLineFound);
    transferred(doc, {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox")});  // one line, two states
    EXPECT_FALSE(ValidateElements(doc).multiLine.MultiLineFound);
}

TEST(ValidateElements, MessagesOverAThousandCharactersAreCutAtALineBreakBelow951)
{
    std::string findings;
    for (int i = 0; findings.size() < 1200; ++i)
        findings += "- Invalid line notation at element X" + std::to_string(i % 10) + "    \r\n";
    findings.resize(1200);  // 1200 characters, the last line cut short
    const std::string shortened = ShortenFindings(findings);
    ASSERT_TRUE(shortened.ends_with(kMoreSimilarErrors));
    const std::string kept = shortened.substr(0, shortened.size() - kMoreSimilarErrors.size());
    EXPECT_LT(kept.size(), 951u);
    EXPECT_GE(kept.size(), 951u - 43u);  // one 43-character line too many was dropped, no more
    EXPECT_TRUE(kept.ends_with("\r\n"));
    EXPECT_TRUE(findings.starts_with(kept));

    const std::string thousand = findings.substr(0, 1000);
    EXPECT_EQ(ShortenFindings(thousand), thousand);
    EXPECT_EQ(ShortenFindings(std::string(1100, 'x')), kMoreSimilarErrors);  // no line break to stop at

    const std::string shown = findingsOf(std::vector<Row>(kMaxElements, validRow("Fe", "9z")));
    EXPECT_TRUE(shown.ends_with(kMoreSimilarErrors));
    EXPECT_LT(shown.size(), 951u + kMoreSimilarErrors.size());
}

}  // namespace
}  // namespace slv

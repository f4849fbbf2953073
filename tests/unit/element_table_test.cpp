#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/element_table.h"
#include "support/test_session.h"

namespace slv {
namespace {

using Row = std::vector<std::string>;  // cells of columns 1..9

/// The element grid holding rows, read into the document of t.
TextGrid transferred(test::TestSession& t, const std::vector<Row>& rows)
{
    TextGrid grid(kMaxElements + 1, kColOxygens + 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    TransferElementTable(t.session, grid);
    return grid;
}

/// A row whose numbers all lie inside their ranges.
Row validRow(std::string symbol, std::string line, std::string state = "")
{
    return {std::move(symbol), std::move(line), std::move(state), "710.0", "12.5", "1.2", "55.85", "3", "2"};
}

/// The findings of the one message ValidateElements showed, "" when it showed none.
std::string findingsOf(const std::vector<Row>& rows)
{
    test::TestSession t;
    t.doc().ExcEnergy = 1486.6f;  // Al K-alpha
    transferred(t, rows);
    ValidateElements(t.session);
    if (t.dialogs.messages.empty())
        return "";
    const std::string heading = "Element error(s):\r\n\r\n";
    const std::string& text = t.dialogs.messages.back().text;
    return text.starts_with(heading) ? text.substr(heading.size()) : "(no heading) " + text;
}

TEST(TransferElementTable, NormalisesSymbolsAndLinesAndReadsLocaleNumbers)
{
    test::TestSession t;
    t.session.DecSep = ',';
    const TextGrid grid = transferred(t, {{" fe ", "2P3", " Ox ", "710,5", "", "", "55,85", "2,5", "3,5"},
                                          {"o", "1S"}, {"cRx", "4F7x"}});
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
        {{c1s, c1s, c1s, blank, c1s}, 5}, {{c1s, c1s, c1s, blank, blank, c1s}, 3},
        {{}, 0}, {{blank, c1s}, 2}, {{{"", "2p"}}, 1}, {std::vector<Row>(kMaxElements, c1s), kMaxElements},
    };
    for (const auto& [rows, elemCount] : cases) {
        test::TestSession t;
        transferred(t, rows);
        EXPECT_EQ(t.doc().ElemCount, elemCount) << rows.size() << " rows";
    }
    test::TestSession t;
    TextGrid grid = transferred(t, {c1s});
    EXPECT_FALSE(TransferElementTable(t.session, grid));  // the count did not change
    grid.SetTextMatrix(1, kColSymbol, "");
    grid.SetTextMatrix(1, kColLine, "");
    EXPECT_TRUE(TransferElementTable(t.session, grid));
    EXPECT_EQ(t.shell.calls, (std::vector<std::string>{"enableDataCommands", "enableDataCommands",
                                                       "disableDataCommands"}));
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
    EXPECT_EQ(CharNotIn("", "sp"), 1);
    EXPECT_EQ(CharNotIn("sp", "sp"), 1);
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
    test::TestSession t;
    transferred(t, {validRow("Fe", "2p3"), {"Fe", "2p1", "", "720", "5", "", "55.85", "3", "2"}});
    t.doc().ExcEnergy = 1486.6f;
    t.doc().Asymmetry[1] = kNoAsymmetry;
    ValidateElements(t.session);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.ends_with("- 1 element parameter out of the expected range    \r\n"));
}

TEST(ValidateElements, EveryLineOfAnElementMustBeGivenInEveryChemicalState)
{
    const std::vector<Row> rows = {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox"), validRow("O", "1s"),
                                   validRow("Fe", "3p", "Me")};
    EXPECT_EQ(findingsOf(rows), "- Photoelectron lines - chemical states mismatch at element Fe    \r\n");
    std::vector<Row> complete = rows;
    complete.push_back(validRow("Fe", "3p", "Ox"));
    EXPECT_EQ(findingsOf(complete), "");

    test::TestSession t;
    transferred(t, rows);
    const auto verdict = ValidateElements(t.session);
    const auto& marks = verdict.multiLine.MultiLineMark;
    EXPECT_EQ((std::vector<bool>(marks.begin() + 1, marks.begin() + 5)), (std::vector<bool>{true, true, false, true}));
    EXPECT_TRUE(t.session.res.MultiLineFound);  // kept for the quantification
    transferred(t, {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox")});  // one line, two states
    t.session.Closing = false;
    EXPECT_FALSE(ValidateElements(t.session).multiLine.MultiLineFound);
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

TEST(ValidateElements, OffersCancelUnlessTheWizardIsDockedAndSilencesTheNextCall)
{
    test::TestSession t;
    transferred(t, {validRow("Fe", "2x")});
    t.dialogs.answers.push_back(DialogAnswer::Cancel);
    const auto verdict = ValidateElements(t.session);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(verdict.ok);
    EXPECT_TRUE(verdict.cancelled);
    EXPECT_TRUE(t.session.Closing);

    EXPECT_TRUE(ValidateElements(t.session).ok);  // only clears Closing
    EXPECT_FALSE(t.session.Closing);
    EXPECT_EQ(t.dialogs.messages.size(), 1u);

    const auto docked = ValidateElements(t.session, /*dataWizardDocked=*/true);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].buttons, MessageButtons::Ok);
    EXPECT_FALSE(docked.ok);
    EXPECT_FALSE(docked.cancelled);
}

}  // namespace
}  // namespace slv

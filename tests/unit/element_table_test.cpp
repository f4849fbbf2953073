#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/element_table.h"
#include "support/test_session.h"

namespace slv {
namespace {

using Row = std::vector<std::string>;  // cells of columns 1..9

constexpr int kGridRows = kMaxElements + 1;
constexpr int kGridCols = kColOxygens + 1;

TextGrid elementGrid(const std::vector<Row>& rows)
{
    TextGrid grid(kGridRows, kGridCols);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.SetTextMatrix(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    return grid;
}

/// A complete row whose numbers are all inside their ranges (Al K-alpha excitation).
Row validRow(std::string symbol, std::string line, std::string state = "")
{
    return {std::move(symbol), std::move(line), std::move(state), "710.0", "12.5", "1.2", "55.85", "3", "2"};
}

/// Transfers the rows into the document of t and validates them.
ElementValidation validate(test::TestSession& t, const std::vector<Row>& rows)
{
    t.doc().ExcEnergy = 1486.6f;
    TextGrid grid = elementGrid(rows);
    TransferElementTable(t.session, grid);
    return ValidateElements(t.session);
}

/// The findings of the one message shown, without its heading.
std::string findingsOf(const test::TestSession& t)
{
    if (t.dialogs.messages.size() != 1)
        return "(" + std::to_string(t.dialogs.messages.size()) + " messages)";
    const std::string heading = "Element error(s):\r\n\r\n";
    const std::string& text = t.dialogs.messages[0].text;
    return text.starts_with(heading) ? text.substr(heading.size()) : "(no heading) " + text;
}

TEST(TransferElementTable, NormalisesSymbolsAndLinesAndWritesThemBack)
{
    test::TestSession t;
    TextGrid grid = elementGrid({{" fe ", "2P3", " Ox "}, {"o", "1S"}, {"AL", "2p3x"}, {"cRx", "4F7"}});
    TransferElementTable(t.session, grid);
    const char* symbols[] = {"Fe", "O", "Al", "Cr"};
    const char* lines[] = {"2p3", "1s", "2p3", "4f7"};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(t.doc().ElSymbol[r].trimmedText(), symbols[r - 1]);
        EXPECT_EQ(t.doc().ElLine[r].trimmedText(), lines[r - 1]);
        EXPECT_EQ(grid.TextMatrix(r, kColSymbol), symbols[r - 1]);
        EXPECT_EQ(grid.TextMatrix(r, kColLine), lines[r - 1]);
    }
    EXPECT_EQ(t.doc().ElState[1].padded(), "Ox        ");
    EXPECT_EQ(t.doc().ElSymbol[2].padded(), "O ");
}

TEST(TransferElementTable, ReadsNumbersWithTheLocaleSeparatorAndBlankCellsAsZero)
{
    test::TestSession t;
    t.session.DecSep = ',';
    TextGrid grid = elementGrid({{"Fe", "2p3", "", "710,5", "12,25", "", "55,85", "2,5", "3,5"}});
    TransferElementTable(t.session, grid);
    EXPECT_FLOAT_EQ(t.doc().BindEnergy[1], 710.5f);
    EXPECT_FLOAT_EQ(t.doc().CrossSect[1], 12.25f);
    EXPECT_EQ(t.doc().Asymmetry[1], 0.0f);
    EXPECT_FLOAT_EQ(t.doc().AtWeight[1], 55.85f);
    EXPECT_EQ(t.doc().Valence[1], 2);  // halves round to the even neighbour
    EXPECT_EQ(t.doc().Oxygens[1], 4);
    EXPECT_TRUE(t.doc().RecalcNeeded);
}

TEST(TransferElementTable, ASingleBlankRowStaysATableRowTwoEndTheTable)
{
    struct Case {
        std::vector<Row> rows;
        int elemCount;
    };
    const Row filled = validRow("C", "1s");
    const Row blank = {"", "", "Ox", "284"};  // no symbol and no line: an empty row
    const Case cases[] = {
        {{filled, filled, filled, blank, filled}, 5},
        {{filled, filled, filled, blank, blank, filled}, 3},
        {{}, 0},
        {{blank, filled}, 2},
        {{{"", "2p"}}, 1},  // a line alone keeps the row
        {std::vector<Row>(kMaxElements, filled), kMaxElements},
    };
    for (const Case& c : cases) {
        test::TestSession t;
        TextGrid grid = elementGrid(c.rows);
        TransferElementTable(t.session, grid);
        EXPECT_EQ(t.doc().ElemCount, c.elemCount) << c.rows.size() << " rows";
    }
}

TEST(TransferElementTable, ReportsACountChangeAndSwitchesTheCommandsThatNeedElements)
{
    test::TestSession t;
    TextGrid grid = elementGrid({validRow("C", "1s")});
    EXPECT_TRUE(TransferElementTable(t.session, grid));
    EXPECT_FALSE(TransferElementTable(t.session, grid));
    grid.SetTextMatrix(1, kColSymbol, "");
    grid.SetTextMatrix(1, kColLine, "");
    EXPECT_TRUE(TransferElementTable(t.session, grid));
    EXPECT_EQ(t.shell.calls,
              (std::vector<std::string>{"enableDataCommands", "enableDataCommands", "disableDataCommands"}));
}

TEST(CharNotIn, MatchesExactlyOneCharacterOfTheSet)
{
    EXPECT_EQ(CharNotIn("p", "sp"), 0);
    EXPECT_EQ(CharNotIn(" ", " 31"), 0);
    EXPECT_EQ(CharNotIn("d", "sp"), 1);
    EXPECT_EQ(CharNotIn("", "sp"), 1);
    EXPECT_EQ(CharNotIn("sp", "sp"), 1);
    EXPECT_EQ(CharNotIn("s", ""), 1);
}

TEST(ValidateElements, LineNotationGrammar)
{
    struct Case {
        const char* line;
        bool valid;
    };
    const Case cases[] = {
        {"1s", true},  {"2p", true},  {"2p1", true}, {"2p3", true}, {"3d5", true},  {"3d3", true},
        {"4f7", true}, {"4f5", true}, {"5s1", true}, {"7f", true},  {"6d", true},   {"1p", false},
        {"2d", false}, {"8s", false}, {"0s", false}, {"3d4", false}, {"2x", false}, {"4s5", false},
        {"2p2", false}, {"4f3", false}, {"", false}, {"s1", false}, {"2", false},   {"3p5", false},
    };
    for (const Case& c : cases) {
        test::TestSession t;
        validate(t, {validRow("Fe", c.line)});
        if (c.valid)
            EXPECT_TRUE(t.dialogs.messages.empty()) << c.line << ": " << findingsOf(t);
        else
            EXPECT_EQ(findingsOf(t), "- Invalid line notation at element Fe    \r\n") << c.line;
    }
}

TEST(ValidateElements, AOneLetterSymbolKeepsItsBlankInTheNotationFinding)
{
    test::TestSession t;
    validate(t, {validRow("o", "1p")});
    EXPECT_EQ(findingsOf(t), "- Invalid line notation at element O     \r\n");
}

TEST(ValidateElements, EachDuplicatedLineIsNamedByItsLaterRow)
{
    test::TestSession t;
    validate(t, {validRow("Fe", "2p3", "Ox"), validRow("Fe", "2p3", "Me"), validRow("fe", "2P3", " Ox"),
                 validRow("Fe", "2p3", "Ox")});
    // Row 1 meets its first twin in row 3, row 3 its twin in row 4.
    EXPECT_EQ(findingsOf(t),
              "- Photoelectron line Fe2p3 duplicated with identical chemical state at line 3    \r\n"
              "- Photoelectron line Fe2p3 duplicated with identical chemical state at line 4    \r\n");
}

TEST(ValidateElements, CountsEveryValueOutsideItsRange)
{
    struct Case {
        Row row;
        int outside;
    };
    const Case cases[] = {
        {{"Fe", "2p3", "", "1486.6", "100", "-1", "1", "0", "0"}, 0},  // every upper and lower bound
        {{"Fe", "2p3", "", "1486.7", "12", "1", "55", "3", "2"}, 1},   // above the excitation energy
        {{"Fe", "2p3", "", "0", "0", "2.01", "0.5", "9", "-1"}, 6},
        {{"Fe", "2p3", "", "710", "100.5", "-1.01", "260.01", "-1", "9"}, 5},
        {{"Fe", "2p3", "", "710", "12", "", "55", "3", "2"}, 0},       // an empty asymmetry cell reads 0
    };
    for (const Case& c : cases) {
        test::TestSession t;
        validate(t, {c.row});
        if (c.outside == 0)
            EXPECT_TRUE(t.dialogs.messages.empty()) << findingsOf(t);
        else
            EXPECT_EQ(findingsOf(t), "- " + std::to_string(c.outside) + " element parameter" +
                                         (c.outside > 1 ? "s" : "") + " out of the expected range    \r\n");
    }
}

TEST(ValidateElements, AMissingAsymmetryLeftByTheLibraryCountsAsOutsideItsRange)
{
    test::TestSession t;
    t.doc().ExcEnergy = 1486.6f;
    TextGrid grid = elementGrid({validRow("Fe", "2p3")});
    TransferElementTable(t.session, grid);
    t.doc().Asymmetry[1] = kNoAsymmetry;
    ValidateElements(t.session);
    EXPECT_EQ(findingsOf(t), "- 1 element parameter out of the expected range    \r\n");
}

TEST(ValidateElements, EveryLineOfAnElementMustBeGivenInEveryChemicalState)
{
    test::TestSession t;
    const auto verdict = validate(t, {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox"),
                                      validRow("O", "1s"), validRow("Fe", "3p", "Me")});
    EXPECT_EQ(findingsOf(t), "- Photoelectron lines - chemical states mismatch at element Fe    \r\n");
    EXPECT_TRUE(verdict.multiLine.MultiLineFound);
    EXPECT_TRUE(verdict.multiLine.MultiLineMark[1]);
    EXPECT_TRUE(verdict.multiLine.MultiLineMark[4]);
    EXPECT_FALSE(verdict.multiLine.MultiLineMark[3]);
    EXPECT_TRUE(t.session.res.MultiLineFound);  // kept for the quantification

    test::TestSession complete;
    validate(complete, {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox"), validRow("O", "1s"),
                        validRow("Fe", "3p", "Me"), validRow("Fe", "3p", "Ox")});
    EXPECT_TRUE(complete.dialogs.messages.empty()) << findingsOf(complete);
}

TEST(ValidateElements, OneLineInSeveralStatesIsNoMultiLineElement)
{
    test::TestSession t;
    const auto verdict = validate(t, {validRow("Fe", "2p3", "Me"), validRow("Fe", "2p3", "Ox")});
    EXPECT_TRUE(verdict.ok);
    EXPECT_FALSE(verdict.multiLine.MultiLineFound);
    EXPECT_FALSE(t.session.res.MultiLineFound);
}

TEST(ShortenFindings, ALongListIsCutBackAtALineBreakBelow951Characters)
{
    std::string findings;
    for (int i = 0; findings.size() < 1200; ++i)
        findings += "- Invalid line notation at element X" + std::to_string(i % 10) + "    \r\n";
    findings.resize(1200);  // the last line is cut short

    const std::string shortened = ShortenFindings(findings);
    const std::string tail(kMoreSimilarErrors);
    ASSERT_TRUE(shortened.ends_with(tail));
    const std::string kept = shortened.substr(0, shortened.size() - tail.size());
    EXPECT_LT(kept.size(), 951u);
    EXPECT_GT(kept.size(), 951u - 43u);  // no more than one line too many was dropped
    EXPECT_TRUE(kept.ends_with("    \r\n"));
    EXPECT_TRUE(findings.starts_with(kept));
}

TEST(ShortenFindings, UpTo1000CharactersStayWhole)
{
    const std::string line = "- 3 element parameters out of the expected range    \r\n";
    std::string findings;
    while (findings.size() + line.size() <= 1000)
        findings += line;
    findings.append(1000 - findings.size(), 'x');
    EXPECT_EQ(ShortenFindings(findings), findings);
    EXPECT_TRUE(ShortenFindings(findings + "\r\n").ends_with(kMoreSimilarErrors));
    // One endless line has no line break to stop at: nothing of it is kept.
    EXPECT_EQ(ShortenFindings(std::string(1100, 'x')), kMoreSimilarErrors);
}

TEST(ValidateElements, ManyFindingsAreShownShortened)
{
    test::TestSession t;
    validate(t, std::vector<Row>(kMaxElements, validRow("Fe", "9z")));
    const std::string findings = findingsOf(t);
    ASSERT_TRUE(findings.ends_with(kMoreSimilarErrors));
    EXPECT_LT(findings.size(), 951u + kMoreSimilarErrors.size());
    EXPECT_TRUE(findings.starts_with("- Invalid line notation at element Fe    \r\n"));
}

TEST(ValidateElements, OffersCancelUnlessTheWizardIsDockedAndSilencesTheNextCall)
{
    const std::vector<Row> faulty = {validRow("Fe", "2x")};
    {
        test::TestSession t;
        t.dialogs.answers.push_back(DialogAnswer::Cancel);
        const auto verdict = validate(t, faulty);
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_FALSE(verdict.ok);
        EXPECT_TRUE(verdict.cancelled);
        EXPECT_TRUE(t.session.Closing);

        const auto silenced = ValidateElements(t.session);
        EXPECT_TRUE(silenced.ok);
        EXPECT_FALSE(t.session.Closing);
        EXPECT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_FALSE(ValidateElements(t.session).ok);  // the call after reports again
    }
    {
        test::TestSession t;
        t.doc().ExcEnergy = 1486.6f;
        TextGrid grid = elementGrid(faulty);
        TransferElementTable(t.session, grid);
        const auto verdict = ValidateElements(t.session, /*dataWizardDocked=*/true);
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok);
        EXPECT_FALSE(verdict.ok);
        EXPECT_FALSE(verdict.cancelled);
    }
}

TEST(ValidateElements, NeverChangesTheTable)
{
    test::TestSession t;
    validate(t, {validRow("Fe", "2x", "Ox"), validRow("Fe", "2x", "Ox"), {"C", "1s", "", "-5"}});
    const Document before = t.doc();
    t.session.Closing = false;
    ValidateElements(t.session);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(t.doc().ElSymbol[r], before.ElSymbol[r]);
        EXPECT_EQ(t.doc().ElLine[r], before.ElLine[r]);
        EXPECT_EQ(t.doc().BindEnergy[r], before.BindEnergy[r]);
    }
    EXPECT_EQ(t.doc().ElemCount, 3);
}

}  // namespace
}  // namespace slv

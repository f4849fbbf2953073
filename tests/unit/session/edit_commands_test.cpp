// The Edit, View and Tools commands and the status bar through a fake
// shell: the clipboard bytes of Copy Table, pasting and undoing, clearing,
// row insertion with the exclusion mark, the windows' preconditions, the
// depth scale and the title.
#include <gtest/gtest.h>

#include "session/main_commands.h"
#include "support/fake_window_shell.h"
#include "support/test_session.h"

namespace slv {
namespace {

class EditCommands : public ::testing::Test {
protected:
    /// An active window with a grid of rows x cols whose cells read "r,c".
    TextGrid& openGrid(WindowId window, int rows, int cols)
    {
        TextGrid& grid = shell.open(window, rows, cols).grid();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                grid.SetTextMatrix(r, c, " " + std::to_string(r) + "," + std::to_string(c) + " ");
        return grid;
    }

    test::TestSession t;
    test::FakeWindowShell shell;
    MainCommands commands{t.session, shell};
};

struct CopyCase {
    const char* name;
    WindowId window;
    TableCopyForm form;
    bool shift;
    const char* text;
};

class CopyTable : public EditCommands, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyTable, CopiesTheFilledRowsAsTheFormAsks)
{
    const CopyCase& c = GetParam();
    t.doc().ElemCount = 2;
    t.doc().ExpCount = 1;
    openGrid(c.window, 5, 4);
    shell.shift = c.shift;
    commands.copyTable(c.form);
    EXPECT_EQ(shell.clipboard, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    EditCommands, CopyTable,
    ::testing::Values(CopyCase{"ElementsAscii", WindowId::Elements, TableCopyForm::Ascii, false,
                               "0,1\t0,2\t0,3\r\n1,1\t1,2\t1,3\r\n2,1\t2,2\t2,3\r\n"},
                      CopyCase{"ElementsAsciiWithoutHeaders", WindowId::Elements, TableCopyForm::Ascii, true,
                               "1,1\t1,2\t1,3\r\n2,1\t2,2\t2,3\r\n"},
                      CopyCase{"ElementsWord", WindowId::Elements, TableCopyForm::Word, false,
                               "0,1\t0,2\t0,3\v1,1\t1,2\t1,3\v2,1\t2,2\t2,3\r\n"},
                      CopyCase{"IntensityWordWithoutHeaders", WindowId::Intensity, TableCopyForm::Word, true,
                               "1,1\t1,2\t1,3\r\n"},
                      // Only the rows the grid has: a model of two elements would reach row 9.
                      CopyCase{"ModelWithoutHeadersLeavesOutTheNameColumn", WindowId::Model, TableCopyForm::Ascii, true,
                               "1,2\t1,3\r\n2,2\t2,3\r\n3,2\t3,3\r\n4,2\t4,3\r\n"},
                      CopyCase{"ChartHasNoTable", WindowId::Chart, TableCopyForm::Ascii, false, ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(EditCommands, PasteTableBreaksRowsAtEveryLineEnd)
{
    struct Case {
        const char* name;
        const char* clipboard;
    };
    for (const Case& c :
         {Case{"LF", "a\tb\nc\td\ne\tf\n"}, Case{"CRLF", "a\tb\r\nc\td\r\ne\tf\r\n"}, Case{"CR", "a\tb\rc\td\re\tf"}}) {
        TextGrid& grid = openGrid(WindowId::Intensity, 6, 4);
        grid.SetRow(2);
        grid.SetCol(1);
        shell.clipboard = c.clipboard;
        t.doc().DocDirty = false;
        commands.pasteTable();
        EXPECT_EQ(grid.TextMatrix(2, 1), "a") << c.name;
        EXPECT_EQ(grid.TextMatrix(3, 2), "d") << c.name;
        EXPECT_EQ(grid.TextMatrix(4, 1), "e") << c.name;
        EXPECT_EQ(grid.TextMatrix(5, 1), " 5,1 ") << c.name;  // beyond the text: kept
        EXPECT_EQ(grid.TextMatrix(2, 3), " 2,3 ") << c.name;
        EXPECT_EQ(grid.Selection(), (CellRange{2, 1, 2, 1})) << c.name;
        EXPECT_TRUE(t.session.doc().DocDirty) << c.name;
    }
}

TEST_F(EditCommands, UndoPasteRestoresTheCellsThePasteReplaced)
{
    TextGrid& grid = openGrid(WindowId::Elements, 6, 4);
    grid.SetTextMatrix(3, 2, "");
    grid.SetRow(2);
    grid.SetCol(1);
    grid.SetRowSel(3);
    grid.SetColSel(2);
    const TextGrid before = grid;
    shell.clipboard = "a\tb\nc\td\n";
    commands.pasteCells();
    EXPECT_EQ(grid.TextMatrix(3, 2), "d");
    EXPECT_TRUE(commands.canUndoPaste());

    shell.active = WindowId::Intensity;
    EXPECT_FALSE(commands.canUndoPaste());
    shell.active = WindowId::Elements;
    commands.undoPaste();
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c)
            EXPECT_EQ(grid.TextMatrix(r, c), before.TextMatrix(r, c)) << r << "," << c;
    EXPECT_FALSE(commands.canUndoPaste());
}

TEST_F(EditCommands, CutCellsCopiesWithLineFeedsAndEmptiesTheBlockButNotInResults)
{
    TextGrid& grid = openGrid(WindowId::Elements, 4, 4);
    grid.SetRow(1);
    grid.SetCol(1);
    grid.SetRowSel(2);
    grid.SetColSel(2);
    commands.cutCells();
    EXPECT_EQ(shell.clipboard, " 1,1 \t 1,2 \r\n 2,1 \t 2,2 ");
    EXPECT_EQ(grid.TextMatrix(2, 2), "");
    EXPECT_EQ(grid.TextMatrix(2, 3), " 2,3 ");

    TextGrid& results = openGrid(WindowId::Results, 4, 4);
    results.SetRowSel(2);
    EXPECT_FALSE(commands.canCutOrPasteCells());
    commands.cutCells();
    EXPECT_EQ(results.TextMatrix(1, 1), " 1,1 ");
}

TEST_F(EditCommands, ClearTableAsksAndResetsTheWindowsCount)
{
    t.doc().ElemCount = 2;
    TextGrid& grid = openGrid(WindowId::Elements, 3, 3);
    t.dialogs.answers = {DialogAnswer::Cancel};
    commands.clearTable();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Clear all data from Elements window.    \r\nAre you sure?");
    EXPECT_EQ(t.dialogs.messages[0].defaultButton, 1);
    EXPECT_EQ(t.session.doc().ElemCount, 2);

    commands.clearTable();  // the default answer: Cancel
    EXPECT_EQ(t.session.doc().ElemCount, 2);
    t.dialogs.answers = {DialogAnswer::Ok};
    commands.clearTable();
    EXPECT_EQ(t.session.doc().ElemCount, 0);
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.TextMatrix(0, 1), " 0,1 ");
    EXPECT_TRUE(t.session.doc().DocDirty);
}

TEST_F(EditCommands, InsertedExperimentsCommitFirstAndMoveTheExclusion)
{
    t.doc().ElemCount = 1;
    t.doc().ExpCount = 3;
    t.doc().ExpOmit[2] = true;
    test::FakeGridWindow& window = shell.open(WindowId::Intensity, 41, 3);
    window.grid().SetRow(2);
    test::RecordingObserver views(t.session);
    commands.insertRow();
    EXPECT_EQ(window.commits, 1);
    EXPECT_EQ(t.session.doc().ExpCount, 4);
    EXPECT_FALSE(t.session.doc().ExpOmit[2]);
    EXPECT_TRUE(t.session.doc().ExpOmit[3]);
    ASSERT_EQ(views.notices.size(), 1u);
    EXPECT_TRUE(views.notices[0].has(Change::Intensities));

    window.grid().SetRow(1);
    window.grid().SetRowSel(2);
    commands.deleteRows();
    EXPECT_EQ(t.session.doc().ExpCount, 2);
    EXPECT_TRUE(t.session.doc().ExpOmit[1]);
}

TEST_F(EditCommands, TheRatioReferenceFollowsItsElementRow)
{
    t.doc().ElemCount = 3;
    t.res().RefElem = 3;
    test::FakeGridWindow& window = shell.open(WindowId::Elements, 21, 10);
    window.grid().SetRow(1);
    commands.insertRow();
    EXPECT_EQ(t.session.results().RefElem, 4);
    window.grid().SetRow(4);
    commands.deleteRows();
    EXPECT_EQ(t.session.results().RefElem, 1);
}

TEST_F(EditCommands, WindowsThatNeedDataSayWhatIsMissing)
{
    struct Case {
        const char* name;
        ViewItem item;
        bool modelMode;
        int elements;
        const char* message;  // nullptr: the window is shown
        WindowId window;
    };
    for (const Case& c :
         {Case{"IntensityWithoutElements", ViewItem::Intensity, false, 0, "No element specified    ",
               WindowId::Intensity},
          Case{"Intensity", ViewItem::Intensity, false, 2, nullptr, WindowId::Intensity},
          Case{"ModelImfpsWithoutElements", ViewItem::ImfpAndContamination, true, 0, "No element specified    ",
               WindowId::ModelImfps},
          Case{"ModelImfps", ViewItem::ImfpAndContamination, true, 2, nullptr, WindowId::ModelImfps},
          Case{"ModelResultsWithoutLayers", ViewItem::Results, true, 2, "Model structure not defined    ",
               WindowId::ModelResults},
          Case{"Results", ViewItem::Results, false, 0, nullptr, WindowId::Results},
          Case{"ModelWithoutElements", ViewItem::Model, true, 0, "No elements specified    ", WindowId::Model}}) {
        test::TestSession session;
        test::FakeWindowShell windows;
        MainCommands view(session.session, windows);
        session.doc().setModelType(c.modelMode ? ModelType::Plane : ModelType::Homogeneous);
        session.doc().ElemCount = static_cast<Integer>(c.elements);
        view.toggleView(c.item);
        EXPECT_EQ(windows.isShown(c.window), c.message == nullptr) << c.name;
        if (c.message == nullptr) {
            EXPECT_TRUE(session.dialogs.messages.empty()) << c.name;
            view.toggleView(c.item);
            EXPECT_FALSE(windows.isShown(c.window)) << c.name;
        } else {
            ASSERT_EQ(session.dialogs.messages.size(), 1u) << c.name;
            EXPECT_EQ(session.dialogs.messages[0].text, c.message) << c.name;
            EXPECT_EQ(session.dialogs.messages[0].icon, MessageIcon::Critical) << c.name;
        }
    }
}

struct DepthCase {
    const char* name;
    const char* time1;
    const char* time2;
    const char* numeric;  // the numeric label of experiment 1 before
    float sputterRate;
    std::vector<DialogAnswer> answers;
    std::vector<std::string> messages;
    std::vector<std::string> numericAfter;
};

class DepthScale : public EditCommands, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(DepthScale, TurnsSputterTimesIntoDepths)
{
    const DepthCase& c = GetParam();
    Document& doc = t.doc();
    doc.ExpCount = 2;
    doc.LabelText[1][3] = c.time1;
    doc.LabelText[2][3] = c.time2;
    doc.LabelText[1][8] = c.numeric;
    doc.setSputterRate(c.sputterRate);
    t.dialogs.answers = {c.answers.begin(), c.answers.end()};
    shell.open(WindowId::Results, 3, 3);
    commands.createDepthScale();

    EXPECT_EQ(t.texts(), c.messages);
    EXPECT_EQ(t.session.doc().LabelText[1][8].trimmedText(), c.numericAfter[0]);
    EXPECT_EQ(t.session.doc().LabelText[2][8].trimmedText(), c.numericAfter[1]);
    const bool made = c.numericAfter[1] == "0.0";
    EXPECT_EQ(t.session.doc().LabelSelect[7], made ? 1 : 0);
    EXPECT_EQ(t.session.doc().LabelName[7].trimmedText(), made ? "Depth (nm)" : "NumLabel");
}

const std::string kOverwrite = "Numeric label set is not empty.    \r\nDo you want to overwrite?    ";

INSTANTIATE_TEST_SUITE_P(
    EditCommands, DepthScale,
    ::testing::Values(
        DepthCase{"TimeTimesRate", "10", "", "", 0.5f, {}, {}, {"5.0", "0.0"}},
        DepthCase{"NoTimes", "", " ", "", 0.5f, {}, {"Time data not set    "}, {"", ""}},
        DepthCase{"NoRate", "10", "", "", 0.0f, {}, {"Sputter rate not set    "}, {"", ""}},
        DepthCase{"KeepNumericLabels", "10", "", "7", 0.5f, {DialogAnswer::Cancel}, {kOverwrite}, {"7", ""}},
        DepthCase{"OverwriteNumericLabels", "10", "", "7", 0.5f, {DialogAnswer::Ok}, {kOverwrite}, {"5.0", "0.0"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(EditCommands, TheDepthScaleNeedsTheCompositionWindow)
{
    t.doc().ExpCount = 1;
    t.doc().LabelText[1][3] = "10";
    t.doc().setSputterRate(1.0f);
    shell.open(WindowId::Intensity, 3, 3);
    commands.createDepthScale();
    EXPECT_EQ(t.session.doc().LabelText[1][8].trimmedText(), "");
}

TEST_F(EditCommands, TheTitleIsEditedFromTheStatusBar)
{
    t.doc().setTitle("Old");
    t.dialogs.inputAnswers = {std::string("   "), std::string("  Float glass ")};
    commands.editTitle();
    EXPECT_EQ(t.session.doc().title(), "Old");
    EXPECT_EQ(t.dialogs.inputs[0].defaultText, "Old");
    EXPECT_EQ(t.dialogs.inputs[0].prompt, "Change or edit title");
    test::RecordingObserver views(t.session);
    commands.editTitle();
    EXPECT_EQ(t.session.doc().title(), "Float glass");
    EXPECT_TRUE(t.session.doc().DocDirty);
    ASSERT_EQ(views.notices.size(), 1u);
    EXPECT_TRUE(views.notices[0].has(Change::Title));
    EXPECT_TRUE(views.notices[0].has(Change::DirtyFlag));

    EXPECT_EQ(commands.cycleFileNameAlignment(), PanelAlignment::Center);
    EXPECT_EQ(commands.cycleFileNameAlignment(), PanelAlignment::Right);
    EXPECT_EQ(commands.cycleFileNameAlignment(), PanelAlignment::Left);
}

TEST_F(EditCommands, LibraryLookupSaysWhenTheLibraryIsDisabled)
{
    t.doc().setLibraryLookupEnabled(false);
    t.doc().ElemCount = 1;
    test::FakeGridWindow& window = shell.open(WindowId::Elements);
    commands.libraryLookup();
    EXPECT_EQ(t.texts(), std::vector<std::string>{"Library disabled     "});
    EXPECT_EQ(window.commits, 0);
}

}  // namespace
}  // namespace slv

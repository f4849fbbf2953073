// The session: what each command tells the views (once, and only what it
// changed), File New's conversation with the window shell, and File Save's
// question for a missing title.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "document/element_table.h"
#include "session/element_grid.h"
#include "session/open_file.h"
#include "session/results_view.h"
#include "session/save_file.h"
#include "session/window_settings.h"
#include "support/sample_documents.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

TEST(Session, AnEditNotifiesWhatItNamesOnceWhenTheOutermostEnds)
{
    test::TestSession t;
    test::RecordingObserver views(t.session);
    {
        auto outer = t.session.edit(Change::Intensities);
        outer.doc.Intensity[1][1] = 5.0f;
        {
            auto inner = t.session.edit(Change::Labels);
            inner.doc.LabelText[1][2] = "spot";
        }
        EXPECT_TRUE(views.notices.empty());
    }
    EXPECT_EQ(views.notices, (std::vector<ChangeSet>{{Change::Intensities, Change::Labels}}));

    // Nothing named and nothing noticed: nobody is told.
    views.notices.clear();
    {
        auto quiet = t.session.edit({});
    }
    EXPECT_TRUE(views.notices.empty());

    // The dirty flag, the title and the file name are noticed by themselves.
    {
        auto edit = t.session.edit(Change::Elements);
        edit.doc.DocDirty = true;
        edit.doc.setTitle("Fe oxide");
        edit.doc.DocFileName = "/data/fe.lvd";
    }
    EXPECT_EQ(views.notices,
              (std::vector<ChangeSet>{{Change::Elements, Change::DirtyFlag, Change::Title, Change::FileName}}));

    // A view whose subscription ended is told nothing.
    std::vector<ChangeSet> told;
    {
        test::RecordingObserver gone(t.session);
        t.session.edit(Change::Model);
        told = gone.notices;
    }
    t.session.edit(Change::Model);
    EXPECT_EQ(told, std::vector<ChangeSet>{Change::Model});
    EXPECT_EQ((ChangeSet{Change::Model, Change::Title}).changes(), (std::vector<Change>{Change::Model, Change::Title}));
}

TEST(Session, NewDocumentResetsAndTellsTheShellInOrder)
{
    test::TestSession t;
    t.doc().ElemCount = 3;
    t.res().RefElem = 2;
    t.model().ModelExperiment = 4;
    test::RecordingObserver views(t.session);
    NewDocument(t.session);
    EXPECT_EQ(t.session.doc().ElemCount, 0);
    EXPECT_EQ(t.session.results().RefElem, 1);
    EXPECT_EQ(t.session.model().ModelExperiment, 1);
    const std::vector<std::string> order = {"closeChildWindows", "unloadNotesWindow",   "disableDataCommands",
                                            "abandonPrintJob",   "resetWindowSwitches", "clearFileDialogName"};
    EXPECT_EQ(t.shell.calls, order);
    EXPECT_EQ(views.notices, std::vector<ChangeSet>{ChangeSet::everything()});
}

TEST(Session, ResultsNotifyResultsAndAMovedLineItsElements)
{
    test::TestSession t;
    test::FillSiliconOxide(t.doc());
    test::RecordingObserver views(t.session);
    ShowResults(t.session);
    EXPECT_EQ(views.notices, std::vector<ChangeSet>{Change::Results});

    // A line the source cannot excite is moved (and said so): the element table changed too.
    views.notices.clear();
    t.doc().BindEnergy[1] = 2000.0f;
    t.doc().RecalcNeeded = true;
    ShowResults(t.session);
    EXPECT_EQ(views.notices, (std::vector<ChangeSet>{{Change::Results, Change::Elements}}));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
}

TEST(Session, ResultsErrorsAreNotShownTwiceInARow)
{
    test::TestSession t;
    test::FillSiliconOxide(t.doc());
    t.doc().Intensity[2][2] = kEmptyValue;  // no oxygen in experiment 2
    t.res().ResType = kOxideMolarPercent;
    const char* const report = "Results error(s):\r\n\r\n- Oxygen not found in experiment 2    \r\n";
    EXPECT_EQ(ShowResults(t.session).findings.back().items,
              std::vector<std::string>{"Oxygen not found in experiment 2"});
    EXPECT_EQ(t.texts(), std::vector<std::string>{report});
    EXPECT_TRUE(t.session.closing());
    // The window refilling itself right after the box says nothing ...
    EXPECT_TRUE(ShowResults(t.session).findings.back().suppressed);
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_FALSE(t.session.closing());
    // ... the next time it is said again.
    ShowResults(t.session);
    EXPECT_EQ(t.dialogs.messages.size(), 2u);
}

TEST(Session, TheElementGridSwitchesTheDataCommandsAndTellsTheElementsViews)
{
    test::TestSession t;
    test::RecordingObserver views(t.session);
    TextGrid grid(kMaxElements + 1, kColOxygens + 1);
    grid.SetTextMatrix(1, kColSymbol, "C");
    EXPECT_TRUE(TransferElementGrid(t.session, grid));
    EXPECT_FALSE(TransferElementGrid(t.session, grid));  // the count did not change
    grid.SetTextMatrix(1, kColSymbol, "");
    EXPECT_TRUE(TransferElementGrid(t.session, grid));
    EXPECT_EQ(t.shell.calls,
              (std::vector<std::string>{"enableDataCommands", "enableDataCommands", "disableDataCommands"}));
    EXPECT_EQ(views.notices, std::vector<ChangeSet>(3, Change::Elements));
}

TEST(Session, TheElementFindingsAreShownOnceAndCancelIsPassedOn)
{
    test::TestSession t;
    t.doc().ElemCount = 1;
    t.doc().ElSymbol[1] = "Fe";
    t.doc().ElLine[1] = "2x";
    t.dialogs.answers.push_back(DialogAnswer::Cancel);
    const ElementCheck first = ValidateElementTable(t.session);
    EXPECT_FALSE(first.ok);
    EXPECT_TRUE(first.cancelled);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(t.session.closing());

    EXPECT_TRUE(ValidateElementTable(t.session).ok);  // right after the message: only clears the state
    EXPECT_FALSE(t.session.closing());
    EXPECT_TRUE(t.session.results().MultiLineMark == RowTable<bool>{});
    const ElementCheck docked = ValidateElementTable(t.session, /*dataWizardDocked=*/true);
    EXPECT_FALSE(docked.ok);
    EXPECT_FALSE(docked.cancelled);
    EXPECT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].buttons, MessageButtons::Ok);
}

TEST(Session, SaveAsksForATitleUntilOneIsGiven)
{
    const fs::path folder = fs::temp_directory_path() / ("slv_save_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    struct Case {
        const char* what;
        std::vector<std::optional<std::string>> answers;
        int questions;
        const char* title;  // nullptr: nothing saved
    };
    const Case cases[] = {
        {"cancel", {std::nullopt}, 1, nullptr},
        {"empty answer", {std::string()}, 1, nullptr},
        {"blank answer, then a title", {std::string("   "), std::string("  Fe oxide  ")}, 2, "Fe oxide"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestSession t;
        test::FillSiliconOxide(t.doc());
        t.doc().setTitle("   ");  // blanks only count as no title
        t.doc().DocDirty = true;
        t.dialogs.inputAnswers.assign(c.answers.begin(), c.answers.end());
        const fs::path path = folder / "titled.lvd";
        fs::remove(path);

        EXPECT_EQ(SaveDocument(t.session, path.string()), c.title != nullptr);
        ASSERT_EQ(t.dialogs.inputs.size(), static_cast<std::size_t>(c.questions));
        EXPECT_EQ(t.dialogs.inputs[0].prompt, "Title must be entered\r\n\r\nCancel abort saving");
        EXPECT_EQ(fs::exists(path), c.title != nullptr);
        EXPECT_EQ(t.session.doc().DocDirty, c.title == nullptr);
        EXPECT_EQ(t.session.doc().title(), c.title ? c.title : "   ");
        EXPECT_TRUE(t.dialogs.messages.empty());
    }
    fs::remove_all(folder);
}

TEST(Session, WindowSettingsFollowTheMainWindowUntilStored)
{
    MemorySettingsStore store;
    WindowSettings w = ReadWindowSettings(store);
    EXPECT_EQ(w, (WindowSettings{1500, 1500, 9000, 7500, 4500, 3214, 1500, 200, "Courier New", 10, 1, true}));
    store.write("SLV", "Ini", "Width", "12000");
    store.write("SLV", "Ini", "Top", "300");
    store.write("SLV", "Ini", "Nsize", "large");  // does not convert: the default
    w = ReadWindowSettings(store);
    EXPECT_EQ(w.notesWidth, 6000);
    EXPECT_EQ(w.notesHeight, 4285);
    EXPECT_EQ(w.notesTop, 300);
    EXPECT_EQ(w.notesSize, 10);

    w.notesFont = "Liberation Mono";
    w.wizard = false;
    w.width = 40000;  // beyond an Integer: a 4K screen in twips
    SaveWindowSettings(w, store);
    EXPECT_EQ(store.read("SLV", "Ini", "Wizard"), "False");
    EXPECT_EQ(ReadWindowSettings(store), w);
}

}  // namespace
}  // namespace slv

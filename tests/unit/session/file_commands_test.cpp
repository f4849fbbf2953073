// The File commands through a fake shell: the save question and what a
// failed save means for the command that asked, Save As naming and the
// template it writes, Open and Open Example with their dialogs, drop and
// start-up opening, and the closing of the main window.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "session/main_commands.h"
#include "session/open_file.h"
#include "session/save_file.h"
#include "support/fake_window_shell.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

const std::string kFloatGlass = std::string(SLV_SOURCE_DIR) + "/examples/float_glass.lvd";
const std::string kSteelProfile = std::string(SLV_SOURCE_DIR) + "/examples/steel_depth_profile.lvd";

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_file_commands_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        t.doc().setTitle("Glass");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }
    /// A changed document of three element rows.
    void makeDirty()
    {
        t.doc().ElemCount = 3;
        t.doc().DocDirty = true;
    }
    void chooseFile(const std::string& file, int filterIndex = 1)
    {
        shell.files.push_back(ChosenFile{file, filterIndex});
    }

    test::TestSession t;
    test::FakeWindowShell shell;
    MainCommands commands{t.session, shell};
    fs::path m_folder;
};

struct SaveQuestionCase {
    const char* name;
    bool dirty;
    DialogAnswer answer;
    const char* saveTo;  // the file chosen in Save As; nullptr cancels the dialog
    SaveChangesAnswer result;
    bool dirtyAfter;
};

class SaveQuestion : public FileCommands, public ::testing::WithParamInterface<SaveQuestionCase> {};

TEST_P(SaveQuestion, GoesOnOnlyWhenNothingIsLost)
{
    const SaveQuestionCase& c = GetParam();
    t.doc().DocDirty = c.dirty;
    t.dialogs.answers.push_back(c.answer);
    if (c.saveTo != nullptr)
        chooseFile(path(c.saveTo));

    EXPECT_EQ(commands.AskSaveChanges(), c.result);
    EXPECT_EQ(t.session.doc().DocDirty, c.dirtyAfter);
    if (c.dirty) {
        ASSERT_FALSE(t.dialogs.messages.empty());
        EXPECT_EQ(t.dialogs.messages[0].text, "Do you want to save your changes?    ");
        EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
    } else {
        EXPECT_TRUE(t.dialogs.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    FileCommands, SaveQuestion,
    ::testing::Values(
        SaveQuestionCase{"Unchanged", false, DialogAnswer::Yes, nullptr, SaveChangesAnswer::Unchanged, false},
        SaveQuestionCase{"Cancel", true, DialogAnswer::Cancel, nullptr, SaveChangesAnswer::Cancelled, true},
        SaveQuestionCase{"No", true, DialogAnswer::No, nullptr, SaveChangesAnswer::Discarded, true},
        SaveQuestionCase{"YesButSaveAsCancelled", true, DialogAnswer::Yes, nullptr, SaveChangesAnswer::Cancelled, true},
        SaveQuestionCase{"YesAndSaved", true, DialogAnswer::Yes, "saved.lvd", SaveChangesAnswer::Saved, false},
        SaveQuestionCase{"YesButTheSaveFailed", true, DialogAnswer::Yes, "missing/folder/x.lvd",
                         SaveChangesAnswer::Cancelled, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(FileCommands, NewStopsWhenTheSaveFailsAndGoesOnAfterNo)
{
    makeDirty();
    t.dialogs.answers = {DialogAnswer::Yes};
    chooseFile(path("missing/folder/x.lvd"));
    EXPECT_FALSE(commands.fileNew());
    EXPECT_EQ(t.session.doc().ElemCount, 3);
    EXPECT_FALSE(shell.isShown(WindowId::Elements));

    t.dialogs.answers = {DialogAnswer::No};
    EXPECT_TRUE(commands.fileNew());
    EXPECT_EQ(t.session.doc().ElemCount, 0);
    EXPECT_FALSE(t.session.doc().DocDirty);
    EXPECT_TRUE(shell.isShown(WindowId::Elements));
}

TEST(SaveAsPath, ReplacesTheExtensionOfTheFileNameOnly)
{
    struct Case {
        const char* chosen;
        int filter;
        const char* saved;
    };
    for (const Case& c : {Case{"a.b.c", 1, "a.b.lvd"}, Case{"run.2/sample", 1, "run.2/sample.lvd"},
                          Case{"run.2/sample.lvd", 2, "run.2/sample.lvt"}, Case{"/data/glass", 2, "/data/glass.lvt"},
                          Case{"/data/glass.lvt", 1, "/data/glass.lvd"}})
        EXPECT_EQ(SaveAsPath(c.chosen, c.filter), c.saved) << c.chosen;
}

TEST_F(FileCommands, SaveAsTemplateWritesALvtAndKeepsTheDocumentsOwnFile)
{
    t.doc().DocFileName = path("data.lvd");
    chooseFile(path("seed.lvd"), 2);
    ASSERT_TRUE(commands.saveAs());

    EXPECT_EQ(t.session.doc().DocFileName, path("data.lvd"));
    EXPECT_FALSE(t.session.doc().IsTemplate);
    EXPECT_EQ(commands.lastDir(), m_folder.string());
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_EQ(shell.dialogs[0].defaultSuffix, "lvd");
    test::TestSession other;
    EXPECT_EQ(OpenDocumentFile(other.session, path("seed.lvt")).kind, LoadedFileKind::TemplateFile);
}

TEST_F(FileCommands, SaveAsAsksAgainWhenTheNameItChangedExists)
{
    std::ofstream(path("a.lvd")) << "keep";
    chooseFile(path("a.txt"));
    t.dialogs.answers = {DialogAnswer::No};
    EXPECT_FALSE(commands.saveAs());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "a.lvd already exists.\r\nDo you want to replace it?");
    std::ifstream in(path("a.lvd"));
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "keep");
}

TEST_F(FileCommands, AFailedSaveAsKeepsTheFileNameItHad)
{
    t.doc().DocFileName = path("data.lvd");
    chooseFile(path("missing/folder/x.lvd"));
    EXPECT_FALSE(commands.saveAs());
    EXPECT_EQ(t.session.doc().DocFileName, path("data.lvd"));
}

TEST_F(FileCommands, OpenResetsOnlyAfterAFileWasChosen)
{
    makeDirty();
    t.dialogs.answers = {DialogAnswer::No};
    EXPECT_FALSE(commands.fileOpen());
    EXPECT_EQ(t.session.doc().ElemCount, 3);
    ASSERT_EQ(shell.dialogs.size(), 1u);
    EXPECT_EQ(shell.dialogs[0].folder, "/home/analyst/Documents");
}

TEST_F(FileCommands, OpenShowsTheCompositionAndRemembersTheFolder)
{
    chooseFile(kFloatGlass);
    ASSERT_TRUE(commands.fileOpen());
    EXPECT_EQ(t.session.doc().DocFileName, kFloatGlass);
    EXPECT_TRUE(shell.isShown(WindowId::Results));
    EXPECT_EQ(commands.lastDir(), std::string(SLV_SOURCE_DIR) + "/examples");
    EXPECT_EQ(commands.lastFile(), "float_glass.lvd");
    EXPECT_EQ(shell.enabledCommands[ShellCommand::ViewChart], true);
    EXPECT_EQ(shell.enabledCommands[ShellCommand::Simulation], false);
}

TEST_F(FileCommands, AnExampleAsksToSaveAndLeavesTheFolderAlone)
{
    t.setProgramFolder(SLV_SOURCE_DIR);
    makeDirty();
    t.dialogs.answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(commands.openExample());
    EXPECT_TRUE(shell.dialogs.empty());

    t.dialogs.answers = {DialogAnswer::No};
    chooseFile(kFloatGlass);
    ASSERT_TRUE(commands.openExample());
    EXPECT_EQ(shell.dialogs[0].folder, std::string(SLV_SOURCE_DIR) + "/examples");
    EXPECT_EQ(shell.dialogs[0].filterIndex, 4);
    EXPECT_EQ(commands.lastDir(), "");
    // An example without a window layout is a data set like any other.
    EXPECT_FALSE(commands.exampleOpen());
}

TEST_F(FileCommands, AnExampleWithALayoutShowsItsWindowsAndIsSavedUnderANewName)
{
    chooseFile(kSteelProfile);
    ASSERT_TRUE(commands.openExample());
    EXPECT_TRUE(commands.exampleOpen());
    EXPECT_EQ(t.session.doc().AxisIndex, 3);
    EXPECT_EQ(t.session.doc().DepthScale, 1);
    EXPECT_EQ(t.session.doc().exampleLayout(), 0);
    EXPECT_TRUE(shell.isShown(WindowId::Chart));
    EXPECT_EQ(shell.active, WindowId::Results);

    chooseFile(path("copy.lvd"));
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(shell.dialogs.back().title, "Save Data As");
    EXPECT_EQ(t.session.doc().DocFileName, path("copy.lvd"));
    EXPECT_FALSE(commands.exampleOpen());
}

const std::string kGateStack = std::string(SLV_SOURCE_DIR) + "/examples/hfo2_gate_stack.lvd";

struct LayoutCodeCase {
    const char* name;
    int code;  // result type in bits 0-3, windows to show in the flags from bit 8
    bool layoutShown;
    bool legend;
    bool intensityShown;
    int resultType;
};

class ExampleLayoutCode : public FileCommands, public ::testing::WithParamInterface<LayoutCodeCase> {};

TEST_P(ExampleLayoutCode, OpensTheWindowsItAsksFor)
{
    const LayoutCodeCase& c = GetParam();
    // The structured example saved again with the layout code under test.
    ASSERT_TRUE(commands.openAtStart(kGateStack));
    t.doc().setExampleLayout(c.code);
    ASSERT_TRUE(SaveDocument(t.session, path("layout.lvd")));
    shell.shown.clear();

    chooseFile(path("layout.lvd"));
    ASSERT_TRUE(commands.openExample());
    EXPECT_EQ(shell.isShown(WindowId::ModelLayout), c.layoutShown);
    EXPECT_EQ(shell.layoutLegend, c.legend);
    EXPECT_EQ(shell.isShown(WindowId::Intensity), c.intensityShown);
    EXPECT_EQ(t.session.results().ResType, c.resultType);
    // The windows shown, the layer results keep the focus.
    EXPECT_EQ(shell.active, WindowId::ModelResults);
}

INSTANTIATE_TEST_SUITE_P(Flags, ExampleLayoutCode,
                         ::testing::Values(LayoutCodeCase{"IntensityOnly", 0x1000, false, false, true, 0},
                                           LayoutCodeCase{"Layout", 0x0200, true, false, false, 0},
                                           LayoutCodeCase{"LayoutWithLegend", 0x0602, true, true, false, 2},
                                           LayoutCodeCase{"LegendWithoutLayout", 0x0400, false, false, false, 0},
                                           LayoutCodeCase{"EveryFlag", 0x1F03, true, true, true, 3},
                                           LayoutCodeCase{"UnknownResultType", 0x020F, true, false, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, DropOpensTheFirstFileUnlessADialogIsOpen)
{
    shell.modalOpen = true;
    EXPECT_FALSE(commands.dropFiles({kFloatGlass}));
    EXPECT_EQ(t.session.doc().DocFileName, "");

    shell.modalOpen = false;
    EXPECT_TRUE(commands.dropFiles({kFloatGlass, path("other.lvd")}));
    EXPECT_EQ(t.session.doc().DocFileName, kFloatGlass);
    EXPECT_EQ(commands.lastFile(), "float_glass.lvd");
}

TEST_F(FileCommands, TheCommandLineNamesTheFileToOpen)
{
    EXPECT_FALSE(commands.openAtStart("   "));
    EXPECT_TRUE(commands.openAtStart("  " + kFloatGlass + " "));
    EXPECT_EQ(t.session.doc().DocFileName, kFloatGlass);
}

TEST_F(FileCommands, ClosingIsRefusedOnCancelAndLeavesNoStaleClosingState)
{
    makeDirty();
    t.dialogs.answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(commands.queryClose());
    EXPECT_FALSE(t.session.closing());

    t.dialogs.answers = {DialogAnswer::No};
    EXPECT_TRUE(commands.queryClose());
    EXPECT_TRUE(t.session.closing());
}

class RecentFileCommands : public FileCommands {
protected:
    /// A readable data file of the given name in the test folder.
    std::string copyOfGlass(const std::string& name)
    {
        fs::copy_file(kFloatGlass, path(name), fs::copy_options::overwrite_existing);
        return path(name);
    }
};

TEST_F(RecentFileCommands, OpenedAndSavedFilesComeFirstAndOutliveTheProgram)
{
    for (const char* name : {"a.lvd", "b.lvd", "c.lvd"})
        ASSERT_TRUE(commands.dropFiles({copyOfGlass(name)}));
    chooseFile(copyOfGlass("d.lvd"));
    ASSERT_TRUE(commands.fileOpen());
    chooseFile(path("e"));
    ASSERT_TRUE(commands.saveAs());
    // Opened again: moved to the front, not listed twice.
    ASSERT_TRUE(commands.openAtStart(path("c.lvd")));
    const std::vector<std::string> expected = {path("c.lvd"), path("e.lvd"), path("d.lvd"), path("b.lvd")};
    EXPECT_EQ(commands.recentFiles(), expected);
    // An example shown with its window layout is not the analyst's file.
    chooseFile(kSteelProfile);
    ASSERT_TRUE(commands.openExample());
    EXPECT_EQ(commands.recentFiles(), expected);

    test::FakeWindowShell restartedShell;
    MainCommands restarted{t.session, restartedShell};
    EXPECT_EQ(restarted.recentFiles(), expected);
    ASSERT_TRUE(restarted.openRecent(3));
    EXPECT_EQ(t.session.doc().DocFileName, path("b.lvd"));
    EXPECT_EQ(restarted.recentFiles().front(), path("b.lvd"));
}

TEST_F(RecentFileCommands, ARecentFileAsksToSaveAndLeavesTheListWhenItIsGone)
{
    ASSERT_TRUE(commands.dropFiles({copyOfGlass("kept.lvd")}));
    ASSERT_TRUE(commands.dropFiles({copyOfGlass("gone.lvd")}));
    makeDirty();
    t.dialogs.answers = {DialogAnswer::Cancel};
    EXPECT_FALSE(commands.openRecent(1));
    EXPECT_EQ(t.session.doc().ElemCount, 3);

    fs::remove(path("gone.lvd"));
    t.dialogs.answers = {DialogAnswer::No};
    EXPECT_FALSE(commands.openRecent(0));
    EXPECT_EQ(t.dialogs.messages.back().icon, MessageIcon::Critical);
    EXPECT_EQ(commands.recentFiles(), std::vector<std::string>{path("kept.lvd")});
    EXPECT_FALSE(commands.openRecent(1));
}

}  // namespace
}  // namespace slv

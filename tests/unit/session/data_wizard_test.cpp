// The data wizard through a fake shell and recording dialogs: the screening
// of the parameters and the detour over the Parameters dialog, the pages
// Next and Back reach in either model mode, the texts and windows of each
// page, the pages that refuse data the step before left unusable, and New
// bringing the wizard back to its first page; the window each page gives
// the keys to.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "session/data_wizard.h"
#include "support/fake_window_shell.h"
#include "support/test_session.h"

namespace slv {
namespace {

const std::string kExamples = std::string(SLV_SOURCE_DIR) + "/examples/";

class DataWizardTest : public ::testing::Test {
protected:
    /// Opens an example with the library switched off, so that no library
    /// file is needed; the wizard then starts over it.
    void startOn(const std::string& example)
    {
        ASSERT_TRUE(commands.openAtStart(kExamples + example));
        t.doc().setLibraryLookupEnabled(false);
        start();
    }
    void start()
    {
        wizard = std::make_unique<DataWizard>(t.session, shell, commands, [this] {
            ++parametersShown;
            toldAtDialog = told;
        });
        wizard->setChangedHandler([this] { told = wizard->title() + ": " + wizard->explanation(); });
    }
    /// Next from the first page over the Parameters dialog to the Intensity page.
    void walkToIntensities()
    {
        wizard->next();  // the parameters look wrong: the dialog is shown
        wizard->next();  // elements
        wizard->next();  // library lookup
        wizard->next();  // intensities
        ASSERT_EQ(wizard->page(), WizardPage::Intensities);
    }
    std::vector<WindowId> shownWindows() const { return {shell.shown.begin(), shell.shown.end()}; }

    test::TestSession t;
    test::FakeWindowShell shell;
    MainCommands commands{t.session, shell};
    std::unique_ptr<DataWizard> wizard;
    int parametersShown = 0;
    std::string told;          // the title and explanation the view was last told of
    std::string toldAtDialog;  // ... when the Parameters dialog opened
};

void SetSoundParameters(Document& doc)
{
    doc.setSource(ExcitationSource::AlKAlpha);
    doc.setCrossSectionSet(CrossSectionSet::Scofield);
    doc.setHomogeneousImfpMethod(ImfpMethod::Tpp2m);
    doc.setContaminationMethod(ContaminationMethod::None);
    doc.setTransmissionType(TransmissionType::None);
    doc.LabelSelect.fill(0);
    doc.LabelSelect[1] = 1;
    doc.setLibraryLookupEnabled(true);
}

TEST(ParametersScreening, FlagsSettingsNobodyChose)
{
    struct Case {
        const char* name;
        void (*change)(Document&);
        bool lookWrong;
    };
    const Case cases[] = {
        {"sound", [](Document&) {}, false},
        {"other source without energy", [](Document& d) { d.setSource(ExcitationSource::Other); }, true},
        {"other source with energy",
         [](Document& d) {
             d.setSource(ExcitationSource::Other);
             d.setOtherSourceEnergy(1253.6f);
         },
         false},
        {"exponential IMFP without exponent",
         [](Document& d) {
             d.setHomogeneousImfpMethod(ImfpMethod::Exponential);
             d.setImfpExponent(0.0f);
         },
         true},
        {"exponential IMFP with exponent",
         [](Document& d) {
             d.setHomogeneousImfpMethod(ImfpMethod::Exponential);
             d.setImfpExponent(0.75f);
         },
         false},
        {"library off", [](Document& d) { d.setLibraryLookupEnabled(false); }, true},
        {"three choices unset (two before)", [](Document& d) { d.setCrossSectionSet(CrossSectionSet::None); }, true},
        {"two choices unset (contamination, cross sections)",
         [](Document& d) {
             d.setTransmissionType(TransmissionType::Fat);
             d.setCrossSectionSet(CrossSectionSet::None);
         },
         false},
        {"no label shown, IMFP unset",
         [](Document& d) {
             d.LabelSelect.fill(0);
             d.setHomogeneousImfpMethod(ImfpMethod::None);
         },
         true},
    };
    for (const Case& c : cases) {
        Document doc;
        SetSoundParameters(doc);
        c.change(doc);
        EXPECT_EQ(ParametersLookWrong(doc), c.lookWrong) << c.name;
    }
}

TEST_F(DataWizardTest, StartsWithTheWelcomeAndWarnsOfDataPresent)
{
    start();
    EXPECT_EQ(wizard->page(), WizardPage::Intro);
    EXPECT_EQ(wizard->title(), "This wizard helps you to fill the tables of XPS Selvaro.");
    EXPECT_EQ(wizard->explanation(), "");
    EXPECT_FALSE(wizard->backEnabled());
    EXPECT_TRUE(wizard->nextEnabled());

    wizard.reset();
    startOn("float_glass.lvd");
    EXPECT_EQ(wizard->explanation(), wizard_text::kDataNotEmpty);
    wizard->back();
    EXPECT_EQ(wizard->page(), WizardPage::Intro) << "Back on the first page stays";
    EXPECT_EQ(t.dialogs.messages.size(), 0u);
}

TEST_F(DataWizardTest, ParametersThatLookWrongAreShownOnceThenNextMovesOn)
{
    startOn("float_glass.lvd");
    wizard->next();
    EXPECT_EQ(parametersShown, 1);
    EXPECT_EQ(toldAtDialog, "Specify parameters: " + std::string(wizard_text::kParametersLookWrong))
        << "the explanation is shown beside the dialog";
    EXPECT_EQ(wizard->page(), WizardPage::Intro);
    EXPECT_EQ(wizard->workWindow(), std::nullopt);
    EXPECT_EQ(wizard->title(), "Specify parameters");
    EXPECT_TRUE(shell.shown.empty()) << "the page closes the child windows";

    wizard->next();
    EXPECT_EQ(parametersShown, 1);
    EXPECT_EQ(wizard->page(), WizardPage::Elements);
    EXPECT_EQ(wizard->title(), "Specify elements");
    EXPECT_EQ(shownWindows(), std::vector<WindowId>{WindowId::Elements});
}

TEST_F(DataWizardTest, HomogeneousWalkShowsEachPagesWindowAndSkipsTheModel)
{
    startOn("float_glass.lvd");
    walkToIntensities();
    EXPECT_EQ(shownWindows(), std::vector<WindowId>{WindowId::Intensity});

    EXPECT_EQ(wizard->workWindow(), WindowId::Intensity);

    struct Step {
        bool next;
        WizardPage page;
        const char* title;
        std::vector<WindowId> shown;
        std::optional<WindowId> work;  // the window that gets the keys
    };
    const Step steps[] = {
        {true, WizardPage::Results, "Surface composition results", {WindowId::Results}, WindowId::Results},
        {true,
         WizardPage::Chart,
         "Display the results graphicaly",
         {WindowId::Results, WindowId::Chart},
         WindowId::Chart},
        {true, WizardPage::SaveAndPrint, "Save and print your data", {}, std::nullopt},
        // The save page closed the results window the chart page needs: Back and Next again mend it.
        {false, WizardPage::Chart, "Display the results graphicaly", {}, std::nullopt},
        {false, WizardPage::Results, "Surface composition results", {WindowId::Results}, WindowId::Results},
        {true,
         WizardPage::Chart,
         "Display the results graphicaly",
         {WindowId::Results, WindowId::Chart},
         WindowId::Chart},
        {false, WizardPage::Results, "Surface composition results", {WindowId::Results}, WindowId::Results},
        {false, WizardPage::Intensities, "Specify intensity data", {WindowId::Intensity}, WindowId::Intensity},
        {false, WizardPage::Elements, "Specify elements", {WindowId::Elements}, WindowId::Elements},
        {false, WizardPage::Intro, "This wizard helps you to fill the tables of XPS Selvaro.", {}, std::nullopt},
    };
    for (const Step& s : steps) {
        s.next ? wizard->next() : wizard->back();
        EXPECT_EQ(wizard->page(), s.page) << s.title;
        EXPECT_EQ(wizard->title(), s.title);
        EXPECT_EQ(shownWindows(), s.shown) << s.title;
        EXPECT_EQ(wizard->workWindow(), s.work) << s.title;
        // Next stops on the last page and on a chart page without its results window.
        const bool refused = s.page == WizardPage::Chart && s.shown.empty();
        EXPECT_EQ(wizard->badData(), refused) << s.title;
        if (refused) {
            EXPECT_EQ(wizard->explanation(), wizard_text::kResultsNotVisible);
        }
        EXPECT_EQ(wizard->nextEnabled(), !refused && s.page != WizardPage::SaveAndPrint) << s.title;
    }
    EXPECT_EQ(parametersShown, 1);
}

TEST_F(DataWizardTest, ModelDocumentsPassTheModelPageBothWays)
{
    struct Case {
        const char* example;
        const char* resultsText;
    };
    const Case cases[] = {{"sio2_on_si.lvd", wizard_text::kOxideThicknessShown},
                          {"cu_islands_on_graphite.lvd", wizard_text::kFitLayers}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        wizard.reset();
        startOn(c.example);
        walkToIntensities();
        wizard->next();
        EXPECT_EQ(wizard->page(), WizardPage::Model);
        EXPECT_EQ(wizard->title(), "Describe model structure");
        EXPECT_EQ(shownWindows(), std::vector<WindowId>{WindowId::Model});
        wizard->next();
        EXPECT_EQ(wizard->page(), WizardPage::Results);
        EXPECT_EQ(wizard->title(), "Layer thickness results");
        EXPECT_EQ(wizard->explanation(), c.resultsText);
        EXPECT_FALSE(wizard->badData());
        EXPECT_EQ(shownWindows(), std::vector<WindowId>{WindowId::ModelResults});
        wizard->back();
        EXPECT_EQ(wizard->page(), WizardPage::Model);
    }
}

TEST_F(DataWizardTest, PagesRefuseMissingData)
{
    struct Case {
        const char* name;
        void (*prepare)(Document&);
        WizardPage refusingPage;
        const char* text;
        int beeps;
    };
    const Case cases[] = {
        {"no elements", [](Document& d) { d.ElemCount = 0; }, WizardPage::LibraryLookup, wizard_text::kNoElements, 1},
        {"invalid line", [](Document& d) { d.ElLine[1] = "9z"; }, WizardPage::LibraryLookup,
         wizard_text::kElementErrors, 1},
        {"no experiments", [](Document& d) { d.ExpCount = 0; }, WizardPage::Results, wizard_text::kNoIntensities, 0},
        {"no experiments, model", [](Document& d) { d.ExpCount = 0, d.setModelType(ModelType::OxideLayer); },
         WizardPage::Model, wizard_text::kNoIntensities, 1},
        {"no layers", [](Document& d) { d.LayerCount = 0, d.setModelType(ModelType::Plane); }, WizardPage::Results,
         wizard_text::kNoLayers, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wizard.reset();
        startOn("float_glass.lvd");
        c.prepare(t.doc());
        t.dialogs.beeps = 0;
        for (int press = 0; press < 8 && wizard->page() != c.refusingPage; ++press)
            wizard->next();
        EXPECT_EQ(wizard->page(), c.refusingPage);
        EXPECT_EQ(wizard->explanation(), c.text);
        EXPECT_TRUE(wizard->badData());
        EXPECT_FALSE(wizard->nextEnabled());
        EXPECT_EQ(t.dialogs.beeps, c.beeps);
        wizard->next();
        EXPECT_EQ(wizard->page(), c.refusingPage) << "Next stays disabled";
    }
}

TEST_F(DataWizardTest, InvalidLineIsReportedInItsOwnMessage)
{
    startOn("float_glass.lvd");
    t.doc().ElLine[1] = "9z";
    t.dialogs.messages.clear();
    for (int press = 0; press < 3; ++press)
        wizard->next();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_NE(t.dialogs.messages[0].text.find("Element error(s):"), std::string::npos);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok) << "no Cancel while the wizard leads";
}

TEST_F(DataWizardTest, NewBringsTheWizardBackToItsFirstPage)
{
    startOn("float_glass.lvd");
    walkToIntensities();
    t.doc().DocDirty = false;
    ASSERT_TRUE(commands.fileNew());
    EXPECT_EQ(wizard->page(), WizardPage::Intro);
    EXPECT_EQ(wizard->title(), "This wizard helps you to fill the tables of XPS Selvaro.");
    EXPECT_EQ(wizard->explanation(), "");
    EXPECT_TRUE(shell.shown.empty());
    EXPECT_TRUE(t.dialogs.messages.empty());

    wizard.reset();
    ASSERT_TRUE(commands.fileNew());
    EXPECT_EQ(shownWindows(), std::vector<WindowId>{WindowId::Elements}) << "without the wizard New shows the Elements";
}

}  // namespace
}  // namespace slv

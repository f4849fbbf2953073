// The Parameters dialog without its window: the entries Apply rejects and
// how it repairs them, the all-or-nothing Apply with Cancel, the controls
// each choice makes usable, the length conversion of every stored row, and
// the transmission file chosen by Browse.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "model/model_check.h"
#include "report/report_options.h"
#include "session/open_file.h"
#include "session/parameters_dialog.h"
#include "session/report_spooler.h"
#include "session/save_file.h"
#include "support/fake_window_shell.h"
#include "support/recording_report_device.h"
#include "support/test_session.h"

namespace slv {
namespace {

namespace fs = std::filesystem;

std::string heading(const std::vector<const char*>& lines)
{
    std::string text = std::string(kParameterErrorsHeading) + "\r\n";
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

struct RejectionCase {
    const char* name;
    std::function<void(Document&)> stored;
    std::function<void(ParameterForm&)> typed;
    std::vector<const char*> lines;  // the dialog's own findings; none: accepted by the dialog
    std::function<void(const Document&, const ParameterForm&)> check;
};

class Rejection : public ::testing::TestWithParam<RejectionCase> {};

TEST_P(Rejection, ReportsTheEntryAndRestoresItsValue)
{
    const RejectionCase& c = GetParam();
    Document doc;
    c.stored(doc);
    ParameterForm form = FormOf(doc, '.');
    const ParameterForm shown = form;
    c.typed(form);
    const ParameterCheck check = ReadParameterForm(doc, form, shown, '.');
    if (c.lines.empty()) {
        EXPECT_FALSE(TestBit(check.errors, kBitParameterError));
    } else {
        EXPECT_TRUE(TestBit(check.errors, kBitParameterError));
        EXPECT_EQ(std::string(kParameterErrorsHeading) + "\r\n" + check.message, heading(c.lines));
    }
    c.check(doc, form);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, Rejection,
    ::testing::Values(
        RejectionCase{"ZeroEnergyReturnsToThePreviousOne",
                      [](Document& d) {
                          d.setSource(ExcitationSource::Other);
                          d.setOtherSourceEnergy(1041.0f);
                      },
                      [](ParameterForm& f) { f.energy = "0"; },
                      {kZeroEnergyLine},
                      [](const Document& d, const ParameterForm& f) {
                          EXPECT_EQ(d.source(), ExcitationSource::Other);
                          EXPECT_EQ(d.otherSourceEnergy(), 1041.0f);
                          EXPECT_EQ(d.ExcEnergy, 1041.0f);
                          EXPECT_EQ(f.energy, "1041.0");
                      }},
        RejectionCase{"ImfpExponentAboveTwo",
                      [](Document& d) {
                          d.setHomogeneousImfpMethod(ImfpMethod::Exponential);
                          d.setImfpExponent(0.75f);
                      },
                      [](ParameterForm& f) { f.imfpExponent = "2.5"; },
                      {kImfpExponentLine},
                      [](const Document& d, const ParameterForm& f) {
                          EXPECT_EQ(d.imfpExponent(), 0.75f);
                          EXPECT_EQ(f.imfpExponent, "0.750");
                      }},
        RejectionCase{"ImfpExponentOfTwoIsAccepted",
                      [](Document& d) { d.setHomogeneousImfpMethod(ImfpMethod::Exponential); },
                      [](ParameterForm& f) { f.imfpExponent = "2"; },
                      {},
                      [](const Document& d, const ParameterForm&) { EXPECT_EQ(d.imfpExponent(), 2.0f); }},
        RejectionCase{"AngleOfZeroWithReilman",
                      [](Document& d) {
                          d.setAngularMethod(AngularMethod::Reilman);
                          d.setSourceAnalyserAngle(54.7f);
                      },
                      [](ParameterForm& f) { f.angle = "0"; },
                      {kInvalidAngleLine},
                      [](const Document& d, const ParameterForm& f) {
                          EXPECT_EQ(d.sourceAnalyserAngle(), 54.7f);
                          EXPECT_EQ(f.angle, "54.7");
                      }},
        RejectionCase{"FullCircleWithReilmanEbel",
                      [](Document& d) { d.setSourceAnalyserAngle(54.7f); },
                      [](ParameterForm& f) {
                          f.angular = AngularMethod::ReilmanEbel;
                          f.angle = "360";
                      },
                      {kInvalidAngleLine},
                      [](const Document& d, const ParameterForm&) { EXPECT_EQ(d.sourceAnalyserAngle(), 54.7f); }},
        RejectionCase{"AnyAngleWithoutAngularCorrection",
                      [](Document&) {},
                      [](ParameterForm& f) { f.angle = "360"; },
                      {},
                      [](const Document& d, const ParameterForm&) { EXPECT_EQ(d.sourceAnalyserAngle(), 360.0f); }},
        RejectionCase{"TransmissionFileWithoutName",
                      [](Document& d) { d.setTransmissionType(TransmissionType::Fat); },
                      [](ParameterForm& f) {
                          f.transmission = TransmissionType::File;
                          f.transmissionFile = "  ";
                      },
                      {kNoTransmissionFileLine},
                      [](const Document& d, const ParameterForm& f) {
                          EXPECT_EQ(d.transmissionType(), TransmissionType::Fat);
                          EXPECT_EQ(f.transmission, TransmissionType::Fat);
                      }},
        RejectionCase{"TransmissionExponentAboveTwelveBecomesOne",
                      [](Document& d) { d.setTransmissionExponent(0.5f); },
                      [](ParameterForm& f) {
                          f.transmission = TransmissionType::Exponential;
                          f.transmissionExponent = "13";
                      },
                      {kTransmissionExponentLine},
                      [](const Document& d, const ParameterForm& f) {
                          EXPECT_EQ(d.transmissionExponent(), 1.0f);
                          EXPECT_EQ(f.transmissionExponent, "1.000");
                      }},
        RejectionCase{"EveryFaultIsOneLineInOrder",
                      [](Document& d) { d.setOtherSourceEnergy(900.0f); },
                      [](ParameterForm& f) {
                          f.source = ExcitationSource::Other;
                          f.energy = "0";
                          f.transmission = TransmissionType::Exponential;
                          f.transmissionExponent = "20";
                          f.angular = AngularMethod::Reilman;
                          f.angle = "-5";
                      },
                      {kZeroEnergyLine, kInvalidAngleLine, kTransmissionExponentLine},
                      [](const Document& d, const ParameterForm&) { EXPECT_EQ(d.otherSourceEnergy(), 900.0f); }},
        RejectionCase{"NanotubeWithoutRadiusRestoresBothRadii",
                      [](Document& d) {
                          d.SampleRadius = 4.0f;
                          d.InnerRadius = 2.0f;
                      },
                      [](ParameterForm& f) {
                          f.model = ModelType::Nanotube;
                          f.radius = "0";
                          f.innerRadius = "1";
                      },
                      {},  // the model check's finding
                      [](const Document& d, const ParameterForm& f) {
                          EXPECT_EQ(d.SampleRadius, 4.0f);
                          EXPECT_EQ(d.InnerRadius, 2.0f);
                          EXPECT_EQ(f.radius, "4.000");
                      }}),
    [](const auto& info) { return info.param.name; });

TEST(ParameterForm, UntouchedBoxesKeepTheStoredPrecision)
{
    Document doc;
    doc.setHomogeneousImfpMethod(ImfpMethod::Exponential);
    doc.setImfpExponent(0.7234f);
    doc.ExpDensity[1] = kEmptyValue;
    doc.ExpContam[1] = 1.234f;
    ParameterForm form = FormOf(doc, ',');
    EXPECT_EQ(form.imfpExponent, "0,723");
    EXPECT_EQ(form.density, "") << "an empty value shows blank";
    const Document before = doc;
    ReadParameterForm(doc, form, FormOf(before, ','), ',');
    EXPECT_EQ(doc.imfpExponent(), 0.7234f);
    EXPECT_EQ(doc.ExpDensity[1], kEmptyValue);
    EXPECT_EQ(doc.ExpContam[1], 1.234f);

    form.contaminationFactor = "";
    form.imfpExponent = "0,8";
    ReadParameterForm(doc, form, FormOf(before, ','), ',');
    EXPECT_EQ(doc.ExpContam[1], kEmptyValue) << "a cleared box holds no value";
    EXPECT_EQ(doc.imfpExponent(), 0.8f);
}

struct EnableCase {
    const char* name;
    std::function<void(ParameterForm&)> chosen;
    std::function<void(const ParameterEnables&)> check;
};

class Enables : public ::testing::TestWithParam<EnableCase> {};

TEST_P(Enables, FollowTheChoices)
{
    ParameterForm form;
    GetParam().chosen(form);
    GetParam().check(EnablesOf(form));
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, Enables,
    ::testing::Values(
        EnableCase{"SeahDenchUsesTheWholeMatrix", [](ParameterForm& f) { f.homogeneousImfp = ImfpMethod::SeahDench; },
                   [](const ParameterEnables& e) {
                       EXPECT_TRUE(e.materialClass && e.density && e.meanAtWeight && e.autoMeanAtWeight);
                       EXPECT_TRUE(e.separateMatrixValues && e.showAppliedImfp);
                       EXPECT_FALSE(e.imfpExponent);
                   }},
        EnableCase{"JablonskiNeedsOnlyTheClass", [](ParameterForm& f) { f.homogeneousImfp = ImfpMethod::Jablonski; },
                   [](const ParameterEnables& e) {
                       EXPECT_TRUE(e.materialClass);
                       EXPECT_FALSE(e.density || e.meanAtWeight);
                   }},
        EnableCase{"SeparateValuesComeFromTheTable",
                   [](ParameterForm& f) {
                       f.homogeneousImfp = ImfpMethod::Gries;
                       f.separateMatrixValues = true;
                   },
                   [](const ParameterEnables& e) {
                       EXPECT_FALSE(e.materialClass || e.density);
                       EXPECT_TRUE(e.separateMatrixValues);
                   }},
        EnableCase{"CalculatedWeightIsNotTyped",
                   [](ParameterForm& f) {
                       f.homogeneousImfp = ImfpMethod::SeahDench;
                       f.autoMeanAtWeight = true;
                   },
                   [](const ParameterEnables& e) {
                       EXPECT_FALSE(e.meanAtWeight);
                       EXPECT_TRUE(e.autoMeanAtWeight);
                   }},
        EnableCase{"ModelShowsItsOwnMethodWithoutMatrix",
                   [](ParameterForm& f) {
                       f.homogeneousImfp = ImfpMethod::SeahDench;
                       f.model = ModelType::Plane;
                   },
                   [](const ParameterEnables& e) {
                       EXPECT_FALSE(e.materialClass || e.density || e.showAppliedImfp);
                       EXPECT_TRUE(e.islands && e.multilayers && e.angleResolved);
                       EXPECT_FALSE(e.autoCoverage) << "coverage is fitted for islands only";
                       EXPECT_FALSE(e.radius);
                   }},
        EnableCase{"NanotubeHasBothRadiiAndTubeOptions", [](ParameterForm& f) { f.model = ModelType::Nanotube; },
                   [](const ParameterEnables& e) {
                       EXPECT_TRUE(e.radius && e.innerRadius && e.tubeOptions);
                       EXPECT_FALSE(e.multilayers || e.singleRowOfSpheres);
                   }},
        EnableCase{"IslandsAreNoMultilayer",
                   [](ParameterForm& f) {
                       f.model = ModelType::Sphere;
                       f.islands = true;
                   },
                   [](const ParameterEnables& e) {
                       EXPECT_FALSE(e.multilayers || e.innerRadius);
                       EXPECT_TRUE(e.radius && e.singleRowOfSpheres && e.autoCoverage);
                   }},
        EnableCase{"ExplicitContaminationFromTheTable",
                   [](ParameterForm& f) {
                       f.contamination = ContaminationMethod::Explicit;
                       f.separateContamination = true;
                   },
                   [](const ParameterEnables& e) {
                       EXPECT_TRUE(e.separateContamination);
                       EXPECT_FALSE(e.contaminationFactor);
                   }},
        EnableCase{"CompletionOptionsForExperimentalSets",
                   [](ParameterForm& f) { f.crossSection = CrossSectionSet::Wagner; },
                   [](const ParameterEnables& e) { EXPECT_TRUE(e.splitting && e.scaling); }},
        EnableCase{"NamedTransmissionFileIsShownAndEdited",
                   [](ParameterForm& f) {
                       f.transmission = TransmissionType::File;
                       f.transmissionFile = "/data/cma.ltr";
                   },
                   [](const ParameterEnables& e) { EXPECT_TRUE(e.showTransmission && e.editTransmissionFile); }},
        EnableCase{"AFileNameAloneIsNoFileToEdit",
                   [](ParameterForm& f) {
                       f.transmission = TransmissionType::Exponential;
                       f.transmissionFile = "/data/cma.ltr";
                   },
                   [](const ParameterEnables& e) {
                       EXPECT_TRUE(e.showTransmission);
                       EXPECT_FALSE(e.editTransmissionFile);
                   }},
        EnableCase{"NothingOptionalByDefaultButTheTransmissionCurve", [](ParameterForm&) {},
                   [](const ParameterEnables& e) {
                       ParameterEnables expected;
                       expected.showTransmission = true;
                       EXPECT_EQ(e, expected);
                   }}),
    [](const auto& info) { return info.param.name; });

TEST(LengthConversion, ConvertsEveryStoredLengthAndLeavesEmptyValues)
{
    Document doc;
    doc.ExpCount = 0;  // a template: IMFP rows without experiments
    doc.IMFPval[3][2] = 2.5f;
    doc.IMFPval[1][1] = kEmptyValue;
    doc.ThickRes[7][2] = 1.2f;
    doc.ThickRes[7][3] = kEmptyValue;
    doc.LayerIMFP[0][4] = 3.0f;
    doc.SampleRadius = 5.0f;
    doc.InnerRadius = 2.0f;
    doc.setSputterRate(0.5f);
    ConvertStoredLengths(doc, 10.0f);
    EXPECT_FLOAT_EQ(doc.IMFPval[3][2], 25.0f);
    EXPECT_EQ(doc.IMFPval[1][1], kEmptyValue);
    EXPECT_FLOAT_EQ(doc.ThickRes[7][2], 12.0f);
    EXPECT_EQ(doc.ThickRes[7][3], kEmptyValue);
    EXPECT_FLOAT_EQ(doc.LayerIMFP[0][4], 30.0f);
    EXPECT_FLOAT_EQ(doc.SampleRadius, 50.0f);
    EXPECT_FLOAT_EQ(doc.InnerRadius, 20.0f);
    EXPECT_FLOAT_EQ(doc.sputterRate(), 5.0f);
}

class ParametersDialogFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("slv_parameters_" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }
    static std::string bytesOf(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void openExample(const char* name)
    {
        ASSERT_TRUE(OpenDocumentFile(t.session, std::string(SLV_SOURCE_DIR) + "/examples/" + name).ok);
        t.dialogs.messages.clear();
    }

    test::TestSession t;
    test::FakeWindowShell shell;
    fs::path m_folder;
};

/// Report pages on a recording device.
class RecordedReport final : public ReportOutput {
public:
    ReportDevice* beginJob(const std::string&) override
    {
        ++jobs;
        return &device;
    }
    std::string endJob() override { return {}; }
    std::string dateText() const override { return "Monday, 7 December 2026"; }

    test::RecordingReportDevice device;
    int jobs = 0;
};

TEST_F(ParametersDialogFlow, PrintAppliesThenPrintsTheParametersAloneOntoTheOpenPage)
{
    openExample("float_glass.lvd");
    PrintOptions options = t.session.print();
    options.PrintWhat.fill(1);
    const PrintOptions parameters = ParameterReportOptions(options);
    EXPECT_EQ(parameters.PrintWhat[kPrintParameters], 1);
    EXPECT_EQ(parameters.PrintWhat[kPrintFileName], 1) << "the page header keeps its file line";
    for (int section = kPrintElements; section < kPrintFileName; ++section)
        EXPECT_EQ(parameters.PrintWhat[section], 0) << section;

    const auto chosen = t.session.print().PrintWhat;
    RecordedReport output;
    ReportSpooler spooler(t.session, output);
    ParametersDialog dialog(t.session, shell);
    dialog.form().angular = AngularMethod::Reilman;
    dialog.form().angle = "0";
    EXPECT_FALSE(dialog.applyAndPrint(spooler));
    EXPECT_EQ(output.jobs, 0) << "a rejected form prints nothing";

    dialog.form().angle = "54.7";
    dialog.form().title = "Glass, after sputtering";
    ASSERT_TRUE(dialog.applyAndPrint(spooler));
    EXPECT_EQ(t.doc().title(), "Glass, after sputtering") << "applied before it was printed";
    EXPECT_TRUE(spooler.pageOpen());
    EXPECT_NE(output.device.find("Glass, after sputtering"), nullptr);
    EXPECT_NE(output.device.find("Parameters"), nullptr);
    EXPECT_EQ(output.device.find("Elements"), nullptr);
    EXPECT_EQ(t.session.print().PrintWhat, chosen) << "the analyst's choice of sections stays";
}

TEST_F(ParametersDialogFlow, AFailedApplyChangesNothingAndCancelKeepsTheSavedFile)
{
    openExample("float_glass.lvd");
    ASSERT_TRUE(SaveDocument(t.session, path("before.lvd")));
    {
        ParametersDialog dialog(t.session, shell);
        dialog.form().title = "Renamed";
        dialog.form().lengthUnit = LengthUnit::Angstrom;
        dialog.form().convertUnits = true;
        dialog.form().angular = AngularMethod::Reilman;
        dialog.form().angle = "400";
        EXPECT_FALSE(dialog.apply(ApplyAction::Close)) << "the dialog stays open";
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].text, heading({kInvalidAngleLine}));
        EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(dialog.form().title, "Renamed") << "what was typed stays for the next Apply";
        EXPECT_TRUE(dialog.form().convertUnits);
    }  // Cancel
    EXPECT_FALSE(t.session.doc().DocDirty);
    ASSERT_TRUE(SaveDocument(t.session, path("after.lvd")));
    EXPECT_EQ(bytesOf(path("after.lvd")), bytesOf(path("before.lvd")));
}

TEST_F(ParametersDialogFlow, ConversionAfterAFailedApplyHappensOnce)
{
    t.doc().IMFPval[2][1] = 1.5f;
    t.doc().SampleRadius = 3.0f;
    ParametersDialog dialog(t.session, shell);
    dialog.form().lengthUnit = LengthUnit::Angstrom;
    dialog.form().convertUnits = true;
    dialog.form().transmission = TransmissionType::File;  // without a name
    EXPECT_FALSE(dialog.apply(ApplyAction::Stay));
    EXPECT_EQ(t.session.doc().IMFPval[2][1], 1.5f);
    EXPECT_TRUE(dialog.apply(ApplyAction::Close));
    EXPECT_FLOAT_EQ(t.session.doc().IMFPval[2][1], 15.0f);
    EXPECT_FLOAT_EQ(t.session.doc().SampleRadius, 30.0f);
    EXPECT_EQ(t.session.doc().lengthUnit(), LengthUnit::Angstrom);
    EXPECT_EQ(t.session.doc().UnitText[3].trimmedText(), "A");
}

TEST_F(ParametersDialogFlow, ApplyAndStayIsKeptByCancelAsAChange)
{
    test::RecordingObserver observer(t.session);
    t.doc().RecalcNeeded = false;
    {
        ParametersDialog dialog(t.session, shell);
        dialog.chooseSource(ExcitationSource::AlKAlpha);
        EXPECT_EQ(dialog.form().energy, "1486.6");
        EXPECT_FALSE(dialog.apply(ApplyAction::Stay));
        EXPECT_TRUE(t.dialogs.messages.empty());
        dialog.form().title = "typed but not applied";
    }  // Cancel
    const Document& doc = t.session.doc();
    EXPECT_EQ(doc.source(), ExcitationSource::AlKAlpha);
    EXPECT_EQ(doc.ExcEnergy, 1486.6f);
    EXPECT_EQ(doc.title(), "");
    EXPECT_TRUE(doc.DocDirty);
    EXPECT_TRUE(doc.RecalcNeeded);
    ASSERT_EQ(observer.notices.size(), 1u);
    EXPECT_TRUE(observer.notices[0].has(Change::Parameters) && observer.notices[0].has(Change::Results));
}

TEST_F(ParametersDialogFlow, AnApplyWithoutEditsIsNoChange)
{
    openExample("hfo2_gate_stack.lvd");
    ParametersDialog dialog(t.session, shell);
    EXPECT_TRUE(dialog.apply(ApplyAction::Close));
    EXPECT_FALSE(t.session.doc().DocDirty);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(shell.enabledCommands.at(ShellCommand::ViewModel));
    EXPECT_TRUE(shell.enabledCommands.at(ShellCommand::Simulation));
}

TEST_F(ParametersDialogFlow, ModelFindingsJoinTheDialogsOwnUnderOneHeading)
{
    ParametersDialog dialog(t.session, shell);
    dialog.form().model = ModelType::Nanotube;
    dialog.form().transmission = TransmissionType::File;
    EXPECT_FALSE(dialog.apply(ApplyAction::Close));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              heading({kNoTransmissionFileLine, "- Radius of the nanotube must be specified    ",
                       "- Inner radius of the nanotube is too large    "}));
    EXPECT_EQ(t.session.doc().modelType(), ModelType::Homogeneous);
}

TEST_F(ParametersDialogFlow, ANanotubeWarningAloneIsANoteAndApplies)
{
    Document& doc = t.doc();
    doc.ElemCount = 1;
    doc.ElSymbol[1] = "C";
    doc.LayerComp[0][1] = 1.0f;
    ParametersDialog dialog(t.session, shell);
    dialog.form().model = ModelType::Nanotube;
    dialog.form().radius = "0.1";
    EXPECT_TRUE(dialog.apply(ApplyAction::Close));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(t.dialogs.messages[0].text.rfind(kNanotubeWarningsHeading, 0), 0u);
    EXPECT_EQ(t.session.doc().modelType(), ModelType::Nanotube);
    EXPECT_FLOAT_EQ(t.session.doc().SampleRadius, 0.1f);
}

TEST_F(ParametersDialogFlow, TavikMethodHasTheCarbonLeaveOnApply)
{
    ParametersDialog dialog(t.session, shell);
    dialog.chooseContamination(ContaminationMethod::Varn);
    EXPECT_FALSE(t.session.corrections().ExcludeCarbon) << "nothing changes before Apply";
    EXPECT_TRUE(dialog.apply(ApplyAction::Close));
    EXPECT_TRUE(t.session.corrections().ExcludeCarbon);
    EXPECT_EQ(t.session.doc().contaminationMethod(), ContaminationMethod::Varn);
}

TEST_F(ParametersDialogFlow, BrowseShowsTheKindOfTheChosenFile)
{
    const struct {
        const char* keyword;
        const char* kind;
    } files[] = {{"TAB", "Tabulated"}, {"POL3", "Polynomial 3"}, {"NPL", "Rational (NPL)"}, {"XYZ", ""}};
    ParametersDialog dialog(t.session, shell);
    for (const auto& file : files) {
        const std::string name = path(std::string(file.keyword) + ".ltr");
        std::ofstream(name) << "# analyser\n" << file.keyword << "\n500; 1\n";
        shell.files.push_back(ChosenFile{name, 1});
        EXPECT_TRUE(dialog.browseTransmissionFile());
        EXPECT_EQ(dialog.form().transmissionFile, name);
        EXPECT_EQ(dialog.form().transmissionFileType, file.kind) << file.keyword;
    }
    EXPECT_FALSE(dialog.browseTransmissionFile()) << "cancelled";
    EXPECT_EQ(shell.dialogs.back().filters.front().patterns, std::vector<std::string>{"*.ltr"});
}

}  // namespace
}  // namespace slv

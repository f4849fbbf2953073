// The data wizard's pages, the moves between them and the checks each page
// makes of the data the step before left.
#include "session/data_wizard.h"

#include <algorithm>
#include <array>

#include "session/model_checks.h"
#include "session/open_file.h"

namespace slv {

namespace {

constexpr std::array kChildWindows{
    WindowId::Elements,     WindowId::Intensity, WindowId::Imfps, WindowId::ModelImfps,  WindowId::Results,
    WindowId::ModelResults, WindowId::Chart,     WindowId::Model, WindowId::ModelLayout, WindowId::Notes,
};

/// Main choices left unset from which on the parameters look untouched.
constexpr int kUnsetChoicesSuspicious = 3;

int asInt(WizardPage page)
{
    return static_cast<int>(page);
}

bool anyLabelShown(const Document& doc)
{
    return std::any_of(doc.LabelSelect.begin(), doc.LabelSelect.end(), [](Integer selected) { return selected != 0; });
}

}  // namespace

bool ParametersLookWrong(const Document& doc)
{
    if (doc.source() == ExcitationSource::Other && doc.otherSourceEnergy() == 0.0f)
        return true;
    if (doc.imfpMethod() == ImfpMethod::Exponential && doc.imfpExponent() == 0.0f)
        return true;
    if (!doc.libraryLookupEnabled())
        return true;
    const int unset = int{doc.crossSectionSet() == CrossSectionSet::None} + int{doc.imfpMethod() == ImfpMethod::None} +
                      int{doc.contaminationMethod() == ContaminationMethod::None} +
                      int{doc.transmissionType() == TransmissionType::None} + int{!anyLabelShown(doc)};
    return unset >= kUnsetChoicesSuspicious;
}

DataWizard::DataWizard(Session& session, WindowShell& shell, MainCommands& commands,
                       std::function<void()> showParameters)
    : m_session(session),
      m_shell(shell),
      m_commands(commands),
      m_showParameters(std::move(showParameters)),
      m_parametersLookWrong(ParametersLookWrong(session.doc())),
      m_title(wizard_text::kWelcome),
      m_explanation(session.doc().ElemCount != 0 ? wizard_text::kDataNotEmpty : "")
{
    m_commands.setWizard(this);
}

DataWizard::~DataWizard()
{
    m_commands.setWizard(nullptr);
}

void DataWizard::beginMove()
{
    m_commands.commitActiveGrid();
    m_badData = false;
}

void DataWizard::next()
{
    if (!nextEnabled())
        return;
    beginMove();
    const bool modelMode = m_session.doc().modelMode();
    switch (m_page) {
    case WizardPage::Intro: enter(m_parametersLookWrong ? WizardPage::Parameters : WizardPage::Elements); break;
    case WizardPage::Intensities: enter(modelMode ? WizardPage::Model : WizardPage::Results); break;
    default: enter(static_cast<WizardPage>(asInt(m_page) + 1)); break;
    }
}

void DataWizard::back()
{
    beginMove();
    const bool modelMode = m_session.doc().modelMode();
    switch (m_page) {
    case WizardPage::Intensities: enter(WizardPage::Elements); break;
    case WizardPage::Results: enter(modelMode ? WizardPage::Model : WizardPage::Intensities); break;
    default: enter(static_cast<WizardPage>(std::max(asInt(m_page) - 1, asInt(WizardPage::Intro)))); break;
    }
}

void DataWizard::restart()
{
    m_page = WizardPage::Parameters;
    back();
    if (m_changed)
        m_changed();
}

void DataWizard::closeChildWindows()
{
    for (WindowId window : kChildWindows) {
        if (!m_shell.isShown(window))
            continue;
        m_shell.closeWindow(window);
        if (window == WindowId::Results || window == WindowId::ModelResults)
            m_shell.setCommandEnabled(ShellCommand::ViewChart, false);
    }
}

void DataWizard::showWindow(ViewItem item)
{
    const WindowId window = m_commands.windowOf(item);
    if (!m_shell.isShown(window))
        m_commands.toggleView(item);
    if (m_shell.isShown(window))
        m_workWindow = window;
}

void DataWizard::refuse(const char* text, bool beep)
{
    m_explanation = text;
    m_badData = true;
    if (beep)
        m_session.dialogs().beep();
}

void DataWizard::enter(WizardPage page)
{
    m_page = page;
    m_explanation.clear();
    m_workWindow.reset();
    // The lookup and chart pages work on the windows the page before opened.
    if (page != WizardPage::LibraryLookup && page != WizardPage::Chart)
        closeChildWindows();
    switch (page) {
    case WizardPage::Parameters: enterParameters(); break;
    case WizardPage::Intro: enterIntro(); break;
    case WizardPage::Elements:
        m_title = "Specify elements";
        m_explanation = wizard_text::kEnterElements;
        showWindow(ViewItem::Elements);
        break;
    case WizardPage::LibraryLookup: enterLibraryLookup(); break;
    case WizardPage::Intensities:
        m_title = "Specify intensity data";
        m_explanation = wizard_text::kEnterIntensities;
        showWindow(ViewItem::Intensity);
        break;
    case WizardPage::Model: enterModel(); break;
    case WizardPage::Results:
        if (m_session.doc().modelMode())
            enterModelResults();
        else
            enterResults();
        break;
    case WizardPage::Chart: enterChart(); break;
    case WizardPage::SaveAndPrint:
        m_title = "Save and print your data";
        m_explanation = wizard_text::kSaveAndPrint;
        break;
    default: m_title = "Wizard error"; break;
    }
}

void DataWizard::enterParameters()
{
    m_title = "Specify parameters";
    m_explanation = wizard_text::kParametersLookWrong;
    // The explanation is read beside the dialog, not after it.
    if (m_changed)
        m_changed();
    m_showParameters();
    // The analyst has seen every setting now; screening them again would
    // send Next back to this page for ever.
    m_parametersLookWrong = false;
    m_page = WizardPage::Intro;
}

void DataWizard::enterIntro()
{
    m_title = wizard_text::kWelcome;
    if (m_session.doc().ElemCount != 0)
        m_explanation = wizard_text::kDataNotEmpty;
}

void DataWizard::enterLibraryLookup()
{
    m_title = "Library lookup";
    const Document& doc = m_session.doc();
    if (doc.ElemCount == 0) {
        refuse(wizard_text::kNoElements, true);
        return;
    }
    m_explanation = wizard_text::kLibraryFills;
    if (doc.libraryLookupEnabled())
        LookUpLibraryRows(m_session, 1, doc.ElemCount);
    else
        m_explanation.append("\n\n").append(wizard_text::kLibraryOff);
    // A report the Elements window showed a moment ago must not pass the
    // table here: the wizard moves on only over a table that is sound now.
    m_session.setClosing(false);
    if (!ValidateElementTable(m_session, true).ok)
        refuse(wizard_text::kElementErrors, true);
}

void DataWizard::enterModel()
{
    m_title = "Describe model structure";
    if (m_session.doc().ExpCount == 0) {
        refuse(wizard_text::kNoIntensities, true);
        return;
    }
    m_explanation = wizard_text::kDescribeModel;
    showWindow(ViewItem::Model);
}

void DataWizard::enterResults()
{
    m_title = "Surface composition results";
    if (m_session.doc().ExpCount == 0) {
        refuse(wizard_text::kNoIntensities, false);
        return;
    }
    m_explanation = wizard_text::kCompositionShown;
    showWindow(ViewItem::Results);
}

void DataWizard::enterModelResults()
{
    m_title = "Layer thickness results";
    if (m_session.doc().LayerCount == 0) {
        refuse(wizard_text::kNoLayers, false);
        return;
    }
    PassModelThroughGrid(m_session);
    if (!ModelUsable(ValidateModel(m_session, MessageButtons::Ok).errors)) {
        refuse(wizard_text::kModelErrors, false);
        return;
    }
    m_explanation = m_session.doc().modelType() == ModelType::OxideLayer ? wizard_text::kOxideThicknessShown
                                                                         : wizard_text::kFitLayers;
    showWindow(ViewItem::Results);
}

void DataWizard::enterChart()
{
    m_title = "Display the results graphicaly";
    if (!m_shell.isShown(m_commands.windowOf(ViewItem::Results))) {
        refuse(wizard_text::kResultsNotVisible, false);
        return;
    }
    m_explanation = wizard_text::kChartShown;
    showWindow(ViewItem::Chart);
}

}  // namespace slv

// The data wizard without its window: a newcomer is led page by page through
// one evaluation (parameters, elements, library lookup, intensities, model
// structure, results, chart, saving). The wizard edits no data itself; each
// page opens the window the analyst works in, says what to do there, and
// checks that the step before left usable data. A page that finds unusable
// data shows the bad-data sign and disables Next, so that the analyst goes
// back and corrects it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "session/main_commands.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr const char* kWizardCaption = "Data Wizard";

namespace wizard_text {
inline constexpr const char* kWelcome = "This wizard helps you to fill the tables of XPS Selvaro.";
inline constexpr const char* kDataNotEmpty =
    "The wizard is intended to set up new calculations.  The present data set is not empty.  To begin a new "
    "calculation, perform the File/New menu command or press Next to modify current data.";
inline constexpr const char* kEnterElements =
    "Enter the element symbols to the first and the photoelectron line notations to the second column.  Do not leave "
    "empty lines between elements.  Navigate in the table by arrow keys or mouse clicks.";
inline constexpr const char* kLibraryFills =
    "The rest of the table is filled from the built-in library of XPS Selvaro.  Any library data can be overwritten "
    "manually.";
inline constexpr const char* kNoElements = "No elements were specified.  Press Back and enter the elements.";
inline constexpr const char* kEnterIntensities =
    "Enter photoelectron intensity data for the elements.  Each row represents an experiment (e.g., a step in an ion "
    "etch series).  Data of several experiments can be calculated simultaneously.  Also, enter the labels to identify "
    "the experiments.";
inline constexpr const char* kCompositionShown =
    "The table shows the results of your calculation.  Select the appropriate data format from the dropdown list.  To "
    "omit an element from the percent type or set the base element of the ratio type result, double click to the "
    "element symbol.";
inline constexpr const char* kNoIntensities =
    "No intensity data were specified.  Press Back and enter intensity values.";
inline constexpr const char* kChartShown =
    "Select the appropriate format in the Results window.  To change the X-axis double click to the label column "
    "headers.";
inline constexpr const char* kResultsNotVisible = "Results window must be visible.  Press Back and Next again.";
inline constexpr const char* kSaveAndPrint =
    "Save your data for further analysis or extending with new experiments later.  Perform the File/Save As menu "
    "command. To prepare a report perform the File/Print command.";
inline constexpr const char* kParametersLookWrong =
    "The value of one or more parameters seems to be wrong.  Check all settings in the Parameters window and press OK "
    "when finished.  If you want to change any of the parameters later invoke this window by the View/ Parameters "
    "menu command.";
inline constexpr const char* kLibraryOff =
    "The library is disabled.  Perform the View/Parameters menu command and enable library on the General tab.";
inline constexpr const char* kDescribeModel =
    "Fill the table to define the structure of your quantification model.  Enter name, molecular weight, density and "
    "stoichiometric coefficients for each layer and the bulk material.  Also, enter necessary IMFP data.  Apply the "
    "tools in the Tool/Model menu command.";
inline constexpr const char* kFitLayers =
    "Double click to the experiment number to invoke the Model Calculation window.  Estimate and vary the thickness "
    "values of the layers until you get a reasonable fit (minimise the Qsum and Diff.% numbers) then press Autofit.";
inline constexpr const char* kNoLayers = "No layers were specified.  Press Back and correct model data.";
inline constexpr const char* kElementErrors =
    "There are error(s) in the Elements table.  Press Back and correct wrong data.";
inline constexpr const char* kModelErrors =
    "There are error(s) in the Model table.  Press Back and correct wrong data.";
inline constexpr const char* kOxideThicknessShown =
    "The table shows the results of your calculation. Layer thickness values are calculated automatically for this "
    "model.";
}  // namespace wizard_text

/// The wizard's pages in the order Next walks them.
enum class WizardPage : int {
    Parameters = -1,
    Intro = 0,
    Elements = 1,
    LibraryLookup = 2,
    Intensities = 3,
    Model = 4,
    Results = 5,
    Chart = 6,
    SaveAndPrint = 7,
};

/// True when the correction parameters look like nobody set them: a source
/// without energy, an exponential IMFP without exponent, the library off,
/// or three or more of the main choices left unset.
bool ParametersLookWrong(const Document& doc);

class DataWizard {
public:
    /// showParameters opens the Parameters dialog and returns when it is closed.
    DataWizard(Session& session, WindowShell& shell, MainCommands& commands, std::function<void()> showParameters);
    ~DataWizard();
    DataWizard(const DataWizard&) = delete;
    DataWizard& operator=(const DataWizard&) = delete;

    void next();
    void back();
    /// A new document: the wizard starts again on its first page.
    void restart();
    /// Told when the wizard's texts change outside a finished press of its
    /// buttons: New, and the parameters page before its dialog opens.
    void setChangedHandler(std::function<void()> changed) { m_changed = std::move(changed); }

    WizardPage page() const { return m_page; }
    const std::string& title() const { return m_title; }
    const std::string& explanation() const { return m_explanation; }
    bool badData() const { return m_badData; }
    bool backEnabled() const { return m_page != WizardPage::Intro; }
    bool nextEnabled() const { return !m_badData && m_page != WizardPage::SaveAndPrint; }
    /// The window the current page opened for the analyst to work in, if any.
    std::optional<WindowId> workWindow() const { return m_workWindow; }

private:
    /// Commits the grid being edited and clears the bad-data sign before a move.
    void beginMove();
    void enter(WizardPage page);
    void closeChildWindows();
    void showWindow(ViewItem item);
    void refuse(const char* text, bool beep);

    void enterParameters();
    void enterIntro();
    void enterLibraryLookup();
    void enterModel();
    void enterResults();
    void enterModelResults();
    void enterChart();

    Session& m_session;
    WindowShell& m_shell;
    MainCommands& m_commands;
    std::function<void()> m_showParameters;
    std::function<void()> m_changed;
    WizardPage m_page = WizardPage::Intro;
    bool m_parametersLookWrong = false;
    bool m_badData = false;
    std::string m_title;
    std::string m_explanation;
    std::optional<WindowId> m_workWindow;
};

}  // namespace slv

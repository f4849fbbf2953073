// The "Parameters" dialog: the eight tabs of the correction parameters, the
// model options and the label settings over the core controller, which
// holds every rule; this class only shows the form and hands the analyst's
// edits to it.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QDialog>
#include <QImage>

#include "session/parameters_dialog.h"
#include "ui/text_editor_window.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QTabWidget;

namespace slv {

class ReportSpooler;
struct WindowSettings;

/// What "Print" and the transmission file's "Edit..." use of the main
/// window: the open report page, and the editor's place and help.
struct ParameterReporting {
    ReportSpooler& spooler;
    WindowSettings& windowSettings;
    TextEditorWindow::HelpOpener help;
};

inline constexpr const char* kParametersCaption = "Parameters";

class ParametersWindow final : public QDialog {
public:
    /// Without reporting the dialog has no "Print" and no transmission file "Edit...".
    ParametersWindow(Session& session, WindowShell& shell, QWidget* parent = nullptr,
                     std::optional<ParameterReporting> reporting = std::nullopt);

    ParametersDialog& controller() { return m_controller; }
    QTabWidget& tabs() { return *m_tabs; }
    /// Shows the form anew: values, usable controls and unit captions.
    void refresh();
    /// Every tab side by side, two rows of four, as a picture.
    QImage pictureOfEveryTab();

private:
    QWidget* generalTab();
    QWidget* crossSectionTab();
    QWidget* imfpTab();
    QWidget* angularTab();
    QWidget* transmissionTab();
    QWidget* contaminationTab();
    QWidget* modelTab();
    QWidget* labelsTab();
    void apply(ApplyAction action);
    void print();
    /// "Show" of the transmission tab: the curve of the entries as they stand.
    void showTransmission();
    /// "Edit..." of the transmission tab: the named file in the text editor.
    void editTransmissionFile();

    /// A number or text box bound to a field of the form.
    QLineEdit* textBox(std::string ParameterForm::*field, bool ParameterEnables::*enabled = nullptr);
    /// A read-only box showing what the form says.
    QLineEdit* shownText(std::function<std::string()> text);
    QCheckBox* checkBox(const QString& caption, bool ParameterForm::*field, bool ParameterEnables::*enabled = nullptr);
    /// A list whose index is read and chosen through the functions.
    QComboBox* choice(const QStringList& items, std::function<int()> shown, std::function<void(int)> chosen,
                      bool ParameterEnables::*enabled = nullptr);
    template<typename Option>
    QComboBox* optionList(const QStringList& items, Option ParameterForm::*field,
                          bool ParameterEnables::*enabled = nullptr);
    /// Keeps a widget enabled as the form's choices say.
    void follow(QWidget* widget, bool ParameterEnables::*enabled);

    Session& m_session;
    WindowShell& m_shell;
    ParametersDialog m_controller;
    std::optional<ParameterReporting> m_reporting;
    QTabWidget* m_tabs = nullptr;
    std::vector<std::function<void()>> m_refreshers;
};

}  // namespace slv

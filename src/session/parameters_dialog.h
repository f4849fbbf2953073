// The Parameters dialog without its window: the form it shows, what the
// analyst's choices change on the other controls, and Apply, which reads the
// form into the document, converts the stored lengths when the unit changes,
// repairs and reports rejected entries, and checks the model's geometry.
//
// Apply is all or nothing: the form is read into a copy of the document, and
// only an Apply without errors replaces the document's parameters. So the
// document never holds half of an Apply, an Apply that found errors leaves it
// as it was (the dialog stays open with the repaired entries), and Cancel
// keeps only what an earlier Apply of the same dialog stored, which stays
// marked as changed.
#pragma once

#include <string>

#include "document/print_options.h"
#include "session/parameter_form.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr const char* kZeroEnergyLine = "- The excitation energy is zero    ";
inline constexpr const char* kImfpExponentLine = "- The IMFP exponent must be between 0 and 2    ";
inline constexpr const char* kInvalidAngleLine = "- The excitation - analyser angle is invalid    ";
inline constexpr const char* kNoTransmissionFileLine = "- No transmission file specified    ";
inline constexpr const char* kTransmissionExponentLine = "- Invalid transmission exponent    ";
inline constexpr const char* kTransmissionFileDialogTitle = "Open transmission file";

/// What a button does after a successful Apply.
enum class ApplyAction { Close, Stay };

/// What reading a form into a document found: the lines of the message
/// (each ended by CR LF) and the model error bits (ModelErrorBit), the
/// parameter bit set when the dialog itself rejected an entry.
struct ParameterCheck {
    std::string message;
    int errors = 0;
};

/// Reads the form into doc as Apply does: a number whose text is still the
/// one shown is kept at full precision. Converts the stored lengths when the
/// unit changed with "Convert units" ticked, then rejects what cannot be
/// used, restoring the value of doc before the call in doc and in the form,
/// and checks the nanotube's radii (restored both on an error).
ParameterCheck ReadParameterForm(Document& doc, ParameterForm& form, const ParameterForm& shown, char decSep);

/// Multiplies every stored length (sputter rate, radii, explicit and layer
/// IMFPs of every stored row, fitted thicknesses) by factor; empty values
/// (negative) stay as they are.
void ConvertStoredLengths(Document& doc, float factor);

/// The report options of the dialog's "Print": the parameters block alone
/// (with the page header's file line as the analyst chose it).
PrintOptions ParameterReportOptions(const PrintOptions& options);

class ReportSpooler;

class ParametersDialog {
public:
    ParametersDialog(Session& session, WindowShell& shell);

    /// The controls as shown; the view writes the analyst's edits into it.
    ParameterForm& form() { return m_form; }
    const ParameterForm& form() const { return m_form; }
    ParameterEnables enables() const { return EnablesOf(m_form); }

    /// "Mg K" and "Al K" show their energies, "Other" the stored one.
    void chooseSource(ExcitationSource source);
    /// Tavik's method also has the carbon leave the composition on Apply.
    void chooseContamination(ContaminationMethod method);
    /// File shows the kind of the named file.
    void chooseTransmission(TransmissionType type);
    void setTransmissionFile(std::string path);
    /// Lets the analyst choose a transmission file; false when cancelled.
    bool browseTransmissionFile();

    /// Applies the form; true when the dialog closes. Closing the dialog
    /// without it leaves the document as the last Apply left it.
    bool apply(ApplyAction action);
    /// "Print": applies the form and, when it was accepted, prints the
    /// parameters onto the open report page; the dialog stays open. False
    /// when the form was rejected (nothing is printed then).
    bool applyAndPrint(ReportSpooler& spooler);

    /// "Show" of the IMFP tab opens the applied IMFPs: there is an element row.
    bool canShowAppliedImfp() const;

private:
    /// The form shown anew from the document.
    void reload();
    /// Reads the form into the document; false when an entry or the model was rejected.
    bool applyForm();

    Session& m_session;
    WindowShell& m_shell;
    ParameterForm m_form;
    ParameterForm m_shown;  // as loaded: what the analyst has not touched
    bool m_varnChosen = false;
};

}  // namespace slv

// The rules of the Print and Print Options dialogs: which sections the check
// boxes stand for, what the Print button does with them, and how the options
// the analyst typed become the print options (font trimmed, size and margin
// kept in their ranges). The Qt dialogs only show these forms.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/print_options.h"
#include "session/report_spooler.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

inline constexpr const char* kPrintCaption = "Print";
inline constexpr const char* kPrintOptionsCaption = "Print Options";

/// The Print dialog: one check box per section of the report.
class PrintForm {
public:
    explicit PrintForm(const PrintOptions& options);

    /// The caption of a section's check box (ReportSection order, result types by name).
    static std::string SectionCaption(int section);

    bool checked(int section) const { return m_checked[static_cast<std::size_t>(section)]; }
    void setChecked(int section, bool on) { m_checked[static_cast<std::size_t>(section)] = on; }

    /// Print: the check boxes become the sections of the session's print
    /// options, the shown Intensity and Elements grids go into the document,
    /// and the chosen sections are printed on the open page (one is started
    /// when none is open).
    void print(Session& session, WindowShell& shell, ReportSpooler& spooler) const;

private:
    std::array<bool, kPrintSectionCount> m_checked{};
};

/// The Print Options dialog's fields as the analyst edits them.
struct PrintOptionsForm {
    explicit PrintOptionsForm(const PrintOptions& options, char decSep);

    std::string fontName;
    std::string sizeText;    // points
    std::string marginText;  // centimetres
    bool portrait = true;

    /// OK: the options with these fields: the font name trimmed, the size
    /// clamped to 4..36 points, the margin to 0.5..5 cm. A size or margin
    /// that is no number keeps the option's present value.
    PrintOptions accepted(const PrintOptions& options) const;

    /// The margins offered in the list: 0.5, 1.0, ... 4.0 cm.
    std::vector<std::string> marginChoices() const;

    char decSep = '.';
};

/// The number of sample texts the options dialog shows its font with.
inline constexpr int kFontSampleCount = 10;
/// One of the photoelectron lines the options dialog shows in the chosen font.
std::string FontSample(int index);

}  // namespace slv

// The print job of a running session: the page that stays open between the
// Print dialog, Print Current and the notes window's Print until it is
// ejected, and where its pages go. The front end supplies the output (a
// printer, or a PDF file when there is none) and learns when a page opens
// and closes, for the status bar's printer icon.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "report/report_job.h"
#include "session/session.h"
#include "session/window_shell.h"

namespace slv {

/// Where the pages of a print job go.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    /// A device for a new print job, kept by the output until endJob; nullptr
    /// when the analyst cancelled (the print or file dialog) or the device
    /// could not be opened.
    virtual ReportDevice* beginJob(const std::string& documentTitle) = 0;
    /// The device has ended the job: the printer prints, the file is written.
    /// Empty on success, else why the pages were not delivered.
    virtual std::string endJob() = 0;
    /// Today's date in the long form of the locale (ANSI), for the page header.
    virtual std::string dateText() const = 0;
};

inline constexpr const char* kReportNotDelivered = "The report could not be delivered:";

class ReportSpooler {
public:
    ReportSpooler(Session& session, ReportOutput& output);
    ~ReportSpooler();
    ReportSpooler(const ReportSpooler&) = delete;
    ReportSpooler& operator=(const ReportSpooler&) = delete;

    bool pageOpen() const { return m_job != nullptr; }
    /// Told with the new state whenever a page opens or is ejected.
    void onPageOpenChanged(std::function<void(bool)> changed) { m_changed = std::move(changed); }

    /// The Print dialog's Print: the sections the options select.
    void printSelected(const PrintOptions& options);
    /// Print Current for one window's table; false when it has nothing to
    /// print (no page is started then) or the analyst cancelled the output.
    bool printCurrent(ReportWindow window);
    /// The text editor's Print: a text under its title.
    void printText(std::string_view title, std::string_view text);
    /// Ends the job: the pages go to the printer or the file. A failure is shown.
    void eject();

private:
    struct OpenJob;
    /// The open job, started when there is none; nullptr when the output was cancelled.
    OpenJob* job();
    void notify();

    Session& m_session;
    ReportOutput& m_output;
    std::unique_ptr<OpenJob> m_job;
    std::function<void(bool)> m_changed;
};

/// The table Print Current prints for a child window; nullopt for a window without one.
std::optional<ReportWindow> ReportWindowOf(WindowId window);

/// Prints the picture of a picture window on a page of its own; false when
/// nothing was printed.
using PicturePrinter = std::function<bool(WindowId window)>;

/// Whether a window is a picture (the chart, the model layout) that prints
/// on a page of its own rather than onto the open report page.
bool PrintsOnOwnPage(WindowId window);

/// File, Print Current: the active grid window's table appended to the open
/// page (one is started when none is open), after its grid went into the
/// document; or, for the chart and the model layout, the open page ejected
/// and the picture printed by printPicture. Nothing happens without an
/// active window or for a window with nothing to print; false then.
bool PrintCurrentWindow(WindowShell& shell, ReportSpooler& spooler, const PicturePrinter& printPicture = {});

}  // namespace slv

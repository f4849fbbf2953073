#include "session/report_spooler.h"

#include "session/session_report_data.h"

namespace slv {

struct ReportSpooler::OpenJob {
    OpenJob(ReportDevice& device, Session& session, std::string dateText)
        : page(device),
          data(session, std::move(dateText)),
          job(page, session.doc(), data, session.environment().DecSep)
    {
    }
    ReportPage page;
    SessionReportData data;
    PrintJob job;
};

ReportSpooler::ReportSpooler(Session& session, ReportOutput& output) : m_session(session), m_output(output) {}

ReportSpooler::~ReportSpooler() = default;

ReportSpooler::OpenJob* ReportSpooler::job()
{
    if (m_job)
        return m_job.get();
    ReportDevice* device = m_output.beginJob(m_session.doc().title());
    if (device == nullptr)
        return nullptr;
    m_job = std::make_unique<OpenJob>(*device, m_session, m_output.dateText());
    return m_job.get();
}

void ReportSpooler::notify()
{
    if (m_changed)
        m_changed(pageOpen());
}

void ReportSpooler::printSelected(const PrintOptions& options)
{
    const bool wasOpen = pageOpen();
    if (OpenJob* open = job()) {
        open->job.PrintSelected(options);
        if (!wasOpen)
            notify();
    }
}

bool ReportSpooler::printCurrent(ReportWindow window)
{
    if (!CanPrintCurrent(m_session.doc(), m_session.environment().DecSep, window))
        return false;
    const bool wasOpen = pageOpen();
    OpenJob* open = job();
    if (open == nullptr)
        return false;
    open->job.PrintCurrent(m_session.print(), window);
    if (!wasOpen)
        notify();
    return true;
}

void ReportSpooler::printText(std::string_view title, std::string_view text)
{
    const bool wasOpen = pageOpen();
    if (OpenJob* open = job()) {
        open->job.PrintNotesText(m_session.print(), title, text);
        if (!wasOpen)
            notify();
    }
}

void ReportSpooler::eject()
{
    if (!m_job)
        return;
    m_job->job.Eject();
    m_job.reset();
    const std::string failure = m_output.endJob();
    notify();
    if (!failure.empty())
        m_session.dialogs().show(kReportNotDelivered + std::string("\r\n") + failure + "    ", MessageIcon::Critical);
}

std::optional<ReportWindow> ReportWindowOf(WindowId window)
{
    switch (window) {
    case WindowId::Elements: return ReportWindow::Elements;
    case WindowId::Intensity: return ReportWindow::Intensity;
    case WindowId::Imfps: return ReportWindow::Imfp;
    case WindowId::ModelImfps: return ReportWindow::ModelImfp;
    case WindowId::Results: return ReportWindow::Results;
    case WindowId::ModelResults: return ReportWindow::LayerThickness;
    case WindowId::Model: return ReportWindow::Model;
    case WindowId::Chart:
    case WindowId::ModelLayout:
    case WindowId::Notes: return std::nullopt;
    }
    return std::nullopt;
}

bool PrintsOnOwnPage(WindowId window)
{
    return window == WindowId::Chart || window == WindowId::ModelLayout;
}

bool PrintCurrentWindow(WindowShell& shell, ReportSpooler& spooler, const PicturePrinter& printPicture)
{
    const auto active = shell.activeWindow();
    if (!active)
        return false;
    if (PrintsOnOwnPage(*active)) {
        // The report page goes out first so that the picture is not printed amid the tables.
        spooler.eject();
        return printPicture && printPicture(*active);
    }
    const auto table = ReportWindowOf(*active);
    if (!table)
        return false;
    if (GridWindow* grid = shell.gridWindow(*active))
        grid->commit();
    return spooler.printCurrent(*table);
}

}  // namespace slv

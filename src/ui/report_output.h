// Where the desktop program's reports go: the printer the analyst picks in
// the print dialog (which offers printing into a PDF file as well), or, on a
// computer without an installed printer, a PDF file chosen in a file dialog.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "render_qt/picture_page.h"
#include "session/report_spooler.h"

class QPrinter;
class QWidget;

namespace slv {

class PainterReportDevice;
class PdfReportFile;

class QtReportOutput final : public ReportOutput {
public:
    /// Asks for the PDF file a report is written to; nullopt when cancelled.
    /// suggested: the file name offered first.
    using PdfFileChooser = std::function<std::optional<std::string>(const std::string& suggested)>;

    explicit QtReportOutput(QWidget* parent);
    ~QtReportOutput() override;

    /// The names of the installed printers; empty when there is none.
    static QStringList printerNames();
    /// The printer the print dialog starts with (the Print Options dialog's choice).
    void setPrinterName(const QString& name) { m_printerName = name; }
    const QString& printerName() const { return m_printerName; }
    /// Sends reports into PDF files even when printers are installed (tests, pictures).
    void setPdfOnly(bool pdfOnly) { m_pdfOnly = pdfOnly; }
    void setPdfFileChooser(PdfFileChooser chooser) { m_choosePdf = std::move(chooser); }
    /// The file name offered for the next PDF.
    void setSuggestedPdf(std::string path) { m_suggested = std::move(path); }

    ReportDevice* beginJob(const std::string& documentTitle) override;
    std::string endJob() override;
    std::string dateText() const override;

    /// A picture on a page of its own, as a print job of its own (Print
    /// Current on the chart or the model layout). nullopt when the analyst
    /// cancelled; otherwise empty on success, else why the page was not delivered.
    std::optional<std::string> printPicture(const std::string& documentTitle, PageOrientation orientation,
                                            double marginTwips, const PagePainter& paint);

private:
    ReportDevice* beginPrinterJob();
    ReportDevice* beginPdfJob(const std::string& documentTitle);

    QWidget* m_parent;
    QString m_printerName;
    bool m_pdfOnly = false;
    PdfFileChooser m_choosePdf;
    std::string m_suggested;
    // The job in progress: a printer with its device, or a PDF file.
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<PainterReportDevice> m_printerDevice;
    std::unique_ptr<PdfReportFile> m_pdf;
    std::string m_pdfPath;
};

}  // namespace slv

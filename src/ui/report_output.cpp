#include "ui/report_output.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "render_qt/painter_report_device.h"
#include "render_qt/pdf_report.h"

namespace slv {

namespace {

constexpr const char* kPdfDialogTitle = "Print to PDF File";
constexpr const char* kPdfFilter = "PDF Files (*.pdf)";
constexpr const char* kPdfSuffix = "pdf";

std::optional<std::string> askForPdf(QWidget* parent, const std::string& suggested)
{
    QFileDialog dialog(parent, kPdfDialogTitle, QString::fromStdString(suggested), kPdfFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kPdfSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

QtReportOutput::QtReportOutput(QWidget* parent)
    : m_parent(parent),
      m_choosePdf([parent](const std::string& suggested) { return askForPdf(parent, suggested); })
{
}

QtReportOutput::~QtReportOutput() = default;

QStringList QtReportOutput::printerNames()
{
    return QPrinterInfo::availablePrinterNames();
}

ReportDevice* QtReportOutput::beginJob(const std::string& documentTitle)
{
    endJob();
    if (!m_pdfOnly && !printerNames().isEmpty())
        return beginPrinterJob();
    return beginPdfJob(documentTitle);
}

ReportDevice* QtReportOutput::beginPrinterJob()
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_printerName.isEmpty())
        m_printer->setPrinterName(m_printerName);
    // The dialog offers every installed printer and printing into a PDF file.
    QPrintDialog dialog(m_printer.get(), m_parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        m_printer.reset();
        return nullptr;
    }
    m_printerDevice = std::make_unique<PainterReportDevice>(*m_printer);
    return m_printerDevice.get();
}

ReportDevice* QtReportOutput::beginPdfJob(const std::string& documentTitle)
{
    const auto path = m_choosePdf ? m_choosePdf(m_suggested) : std::nullopt;
    if (!path)
        return nullptr;
    m_pdfPath = *path;
    m_pdf = std::make_unique<PdfReportFile>(documentTitle);
    return &m_pdf->device();
}

std::string QtReportOutput::endJob()
{
    std::string failure;
    if (m_printerDevice) {
        if (!m_printerDevice->ok())
            failure = "the printer did not accept the pages";
        m_printerDevice.reset();
        m_printer.reset();
    }
    if (m_pdf) {
        failure = m_pdf->save(m_pdfPath);
        if (!failure.empty())
            failure = m_pdfPath + ": " + failure;
        m_pdf.reset();
    }
    return failure;
}

std::optional<std::string> QtReportOutput::printPicture(const std::string& documentTitle, PageOrientation orientation,
                                                        double marginTwips, const PagePainter& paint)
{
    endJob();
    if (!m_pdfOnly && !printerNames().isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        if (!m_printerName.isEmpty())
            printer.setPrinterName(m_printerName);
        QPrintDialog dialog(&printer, m_parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return PaintPicturePage(printer, orientation, marginTwips, paint);
    }
    const auto path = m_choosePdf ? m_choosePdf(m_suggested) : std::nullopt;
    if (!path)
        return std::nullopt;
    std::string failure = WritePdfPicture(*path, documentTitle, orientation, marginTwips, paint);
    return failure.empty() ? failure : *path + ": " + failure;
}

std::string QtReportOutput::dateText() const
{
    return LongDateToday();
}

}  // namespace slv

// Reports into PDF files, for selvaro-cli and for a desktop without a printer.
#pragma once

#include <QBuffer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "report/report_device.h"

class QPdfWriter;

namespace slv {

class PainterReportDevice;

/// A report drawn into a PDF on A4 paper, made in memory and put on disk
/// only when it is complete, so that a failure leaves no half-written PDF.
class PdfReportFile {
public:
    explicit PdfReportFile(const std::string& documentTitle);
    ~PdfReportFile();
    PdfReportFile(const PdfReportFile&) = delete;
    PdfReportFile& operator=(const PdfReportFile&) = delete;

    /// The device the pages are drawn on.
    ReportDevice& device();
    /// Ends the drawing and replaces the file at path with the PDF. Returns
    /// an empty text on success, else what went wrong.
    std::string save(const std::filesystem::path& path);

private:
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<PainterReportDevice> m_device;
};

/// Prints a report into a PDF file: print() draws the pages on the device it
/// is given. Returns an empty text on success, else what went wrong.
std::string WritePdfReport(const std::filesystem::path& path, const std::string& documentTitle,
                           const std::function<void(ReportDevice&)>& print);

/// Today's date in the long form of the user's locale, as ANSI text.
std::string LongDateToday();

}  // namespace slv

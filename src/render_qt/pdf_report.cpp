#include "render_qt/pdf_report.h"

#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

#include <span>

#include "document/file_bytes.h"
#include "platform/text_encoding.h"
#include "render_qt/painter_report_device.h"

namespace slv {

namespace {
constexpr const char* kCreator = "XPS Selvaro";
}  // namespace

PdfReportFile::PdfReportFile(const std::string& documentTitle)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_buffer);
    m_writer->setResolution(static_cast<int>(kTwipsPerInch));
    m_writer->setPageSize(QPageSize(QPageSize::A4));
    m_writer->setCreator(kCreator);
    m_writer->setTitle(QString::fromStdString(AnsiToUtf8(documentTitle)));
    m_device = std::make_unique<PainterReportDevice>(*m_writer);
}

PdfReportFile::~PdfReportFile() = default;

ReportDevice& PdfReportFile::device()
{
    return *m_device;
}

std::string PdfReportFile::save(const std::filesystem::path& path)
{
    if (!m_device)
        return "the PDF was saved before";
    const bool drawn = m_device->ok();
    m_device.reset();
    m_writer.reset();
    m_buffer.close();
    if (!drawn)
        return "the PDF could not be drawn";
    const QByteArray& pdf = m_buffer.data();
    if (pdf.isEmpty())
        return "the report has no pages";
    const std::span bytes(reinterpret_cast<const std::byte*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    if (const auto failure = ReplaceFileContents(path, bytes))
        return failure->error.message();
    return {};
}

std::string WritePdfReport(const std::filesystem::path& path, const std::string& documentTitle,
                           const std::function<void(ReportDevice&)>& print)
{
    PdfReportFile file(documentTitle);
    print(file.device());
    return file.save(path);
}

std::string LongDateToday()
{
    return Utf8ToAnsi(QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString());
}

}  // namespace slv

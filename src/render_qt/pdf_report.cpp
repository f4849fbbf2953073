#include "render_qt/pdf_report.h"

#include <QBuffer>
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

std::string WritePdfReport(const std::filesystem::path& path, const std::string& documentTitle,
                           const std::function<void(ReportDevice&)>& print)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kTwipsPerInch));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setCreator(kCreator);
        writer.setTitle(QString::fromStdString(AnsiToUtf8(documentTitle)));
        PainterReportDevice device(writer);
        print(device);
        if (!device.ok())
            return "the PDF could not be drawn";
    }
    buffer.close();
    const QByteArray& pdf = buffer.data();
    if (pdf.isEmpty())
        return "the report has no pages";
    const std::span bytes(reinterpret_cast<const std::byte*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    if (const auto failure = ReplaceFileContents(path, bytes))
        return failure->error.message();
    return {};
}

std::string LongDateToday()
{
    return Utf8ToAnsi(QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString());
}

}  // namespace slv

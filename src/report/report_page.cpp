#include "report/report_page.h"

#include <cmath>

#include "document/data_file_format.h"
#include "platform/fixed_text.h"
#include "platform/format_mask.h"
#include "report/report_options.h"

namespace slv {

namespace {
constexpr double kTitleScale = 1.2;
constexpr double kRuleGapPerPoint = 2.0;  // twips
constexpr const char* kVersionMask = "0\\.00";
constexpr const char* kTextColumnSample = "Abcdefghijkl";
constexpr const char* kNumberColumnSample = "12345.67";
constexpr const char* kNumberLabelSample = "123";
}  // namespace

void ReportPage::resetFont()
{
    m_device.setFontName(m_options.PrintFontName);
    m_device.setFontSize(m_options.PrintFontSize);
    m_device.setBold(false);
}

void ReportPage::StartPage(const PrintOptions& options, const ReportHeader& header)
{
    m_options = EffectivePrintOptions(options);
    PageMeasures& m = m_measures;
    m.fontSize = m_options.PrintFontSize;
    m.titleSize = static_cast<int>(std::lround(m.fontSize * kTitleScale));
    m.ruleGap = kRuleGapPerPoint * m.fontSize;
    m.margin = std::round(m_options.PrintMargin * kTwipsPerCentimetre);

    m_device.beginDocument(OrientationOf(m_options));
    resetFont();
    m_device.moveTo(m.margin, m.margin);
    m_device.setFontSize(m.titleSize);
    m_device.setBold(true);
    m_device.print(kReportProgramName);
    m_device.setBold(false);
    m_device.print(FormatNumber(kProgramVersionStamp, kVersionMask));
    m_device.setFontSize(m.fontSize);
    m_device.setCurrentX(m_device.pageWidth() - m.margin - m_device.textWidth(header.dateText));
    m_device.print(header.dateText);
    EndLine();
    PrintRule();

    m_device.setFontSize(m.titleSize);
    m_device.print(trimmed(header.title));
    EndLine();
    m_device.setFontSize(m.fontSize);
    if (!header.fileName.empty()) {
        m_device.print(kFileNamePrefix + header.fileName);
        EndLine();
    }
    EndLine();
    m.textColumn = m_device.textWidth(kTextColumnSample);
    m.numberColumn = m_device.textWidth(kNumberColumnSample);
    m.numberLabel = m_device.textWidth(kNumberLabelSample);
    m_pageOpen = true;
}

void ReportPage::NewPage()
{
    m_device.newPage();
    resetFont();
    m_device.moveTo(m_measures.margin, m_measures.margin);
}

void ReportPage::EjectPage()
{
    if (!m_pageOpen)
        return;
    m_device.endDocument();
    m_pageOpen = false;
}

void ReportPage::PrintRule(double gap)
{
    const double y = m_device.currentY() + gap;
    m_device.drawLine(m_measures.margin, y, m_device.pageWidth() - m_measures.margin, y);
    m_device.moveTo(m_measures.margin, y + gap);
}

void ReportPage::KeepTogether(double height, double minimum)
{
    if (AtPageTop())
        return;
    const double room = Bottom() - m_device.currentY();
    if (height <= room)
        return;
    const double freshPage = Bottom() - m_measures.margin;
    if (height <= freshPage || minimum > room)
        NewPage();
}

bool ReportPage::BreakBeforeLine()
{
    if (AtPageTop() || m_device.currentY() + LineHeight() <= Bottom())
        return false;
    NewPage();
    return true;
}

void ReportPage::SectionGap()
{
    if (!AtPageTop())
        m_device.moveTo(m_measures.margin, m_device.currentY() + kSectionGap);
}

void ReportPage::PrintAt(double x, std::string_view text, bool bold)
{
    m_device.setCurrentX(x);
    if (bold)
        m_device.setBold(true);
    m_device.print(text);
    if (bold)
        m_device.setBold(false);
}

void ReportPage::EndLine()
{
    m_device.endLine();
    m_device.setCurrentX(m_measures.margin);
}

void ReportPage::PrintTitle(std::string_view title)
{
    PrintAt(m_measures.margin, title, true);
    EndLine();
}

std::string FileNamePart(std::string_view path)
{
    const auto cut = path.find_last_of("\\/");
    return std::string(trimmed(cut == std::string_view::npos ? path : path.substr(cut + 1)));
}

}  // namespace slv

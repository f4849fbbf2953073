// The page a report is printed on: the header that opens it, the measures
// derived from the print options, the horizontal rules, and the page-break
// rules every section follows. A page, once started, stays open so that
// further sections can be appended to it until it is ejected.
#pragma once

#include <string>
#include <string_view>

#include "document/print_options.h"
#include "report/report_device.h"

namespace slv {

inline constexpr const char* kReportProgramName = "XPS Selvaro   ";
inline constexpr const char* kFileNamePrefix = "File:  ";
/// Space left above a section's title, twips.
inline constexpr double kSectionGap = 200.0;

/// What the header of the first page shows; texts in ANSI.
struct ReportHeader {
    std::string title;     // the document title
    std::string fileName;  // empty: no "File:" line
    std::string dateText;  // today's date in the long form of the locale
};

/// Lengths in twips, computed when a page is started.
struct PageMeasures {
    int fontSize = 0;           // points
    int titleSize = 0;          // points: the font size x 1.2, rounded
    double ruleGap = 0.0;       // space above and below a rule: 2 x the font size
    double margin = 0.0;        // left, right, top and bottom margin
    double textColumn = 0.0;    // width of "Abcdefghijkl": a label column
    double numberColumn = 0.0;  // width of "12345.67": a number column
    double numberLabel = 0.0;   // width of "123": the row-number column
};

class ReportPage {
public:
    explicit ReportPage(ReportDevice& device) : m_device(device) {}

    bool PageOpen() const { return m_pageOpen; }

    /// Starts the print job with the page header: the program name and
    /// version, the date, a rule, the title and the file name. The options
    /// are taken as EffectivePrintOptions makes them.
    void StartPage(const PrintOptions& options, const ReportHeader& header);
    /// Ends the page and starts the next, without a header.
    void NewPage();
    /// Ends the print job; the next section starts a new one.
    void EjectPage();

    /// Moves down by gap, draws a rule across the printable width, moves down by gap again.
    void PrintRule(double gap);
    void PrintRule() { PrintRule(m_measures.ruleGap); }

    /// Starts a block of the given height on a new page when it does not fit
    /// below the cursor, unless it would not fit on a fresh page either and
    /// at least `minimum` of it fits here. A page with nothing on it yet is kept.
    void KeepTogether(double height, double minimum);
    /// The test before every row and every line of text: a new page when one
    /// more line does not fit above the bottom margin; true when it started one.
    bool BreakBeforeLine();
    /// Moves down kSectionGap unless the page is still empty.
    void SectionGap();

    /// Prints a text at x on the current line, in bold or not.
    void PrintAt(double x, std::string_view text, bool bold = false);
    /// Ends the current line; the cursor goes to the left margin.
    void EndLine();
    /// A section title in bold on a line of its own.
    void PrintTitle(std::string_view title);

    ReportDevice& Device() { return m_device; }
    const PageMeasures& Measures() const { return m_measures; }
    double LineHeight() const { return m_device.lineHeight(); }
    double PrintableWidth() const { return m_device.pageWidth() - 2.0 * m_measures.margin; }
    double Bottom() const { return m_device.pageHeight() - m_measures.margin; }
    bool AtPageTop() const { return m_device.currentY() <= m_measures.margin; }

private:
    void resetFont();

    ReportDevice& m_device;
    PrintOptions m_options;
    PageMeasures m_measures;
    bool m_pageOpen = false;
};

/// The file name part of a path (after the last backslash or slash), trimmed.
std::string FileNamePart(std::string_view path);

}  // namespace slv

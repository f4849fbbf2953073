#include "report/report_text.h"

namespace slv {

namespace {

constexpr std::size_t kTabWidth = 8;

/// One paragraph (a line of the text without its line feed) into lines that fit.
void wrapParagraph(std::string_view paragraph, double width, const std::function<double(std::string_view)>& textWidth,
                   std::vector<std::string>& lines)
{
    std::string line;
    for (const char c : paragraph) {
        if (c == '\t') {
            line.append(kTabWidth - line.size() % kTabWidth, ' ');
        } else {
            line += c;
        }
        while (line.size() > 1 && textWidth(line) > width) {
            // Cut after the last blank; without one, after the last character that fits.
            std::size_t keep = line.find_last_of(' ');
            if (keep == std::string::npos) {
                keep = line.size() - 1;
                while (keep > 1 && textWidth(std::string_view(line).substr(0, keep)) > width)
                    --keep;
            } else {
                ++keep;
            }
            lines.push_back(line.substr(0, keep));
            line.erase(0, keep);
        }
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, double width,
                                  const std::function<double(std::string_view)>& textWidth)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine)
            end = text.size();
        std::string paragraph;
        for (const char c : text.substr(start, end - start))
            if (c != '\r')
                paragraph += c;
        if (!lastLine || !paragraph.empty())
            wrapParagraph(paragraph, width, textWidth, lines);
        start = end + 1;
    }
    return lines;
}

void PrintText(ReportPage& page, std::string_view title, std::string_view text)
{
    ReportDevice& device = page.Device();
    page.SectionGap();
    const double header = page.LineHeight() + 2.0 * page.Measures().ruleGap;
    page.KeepTogether(header + 2.0 * page.LineHeight(), header + page.LineHeight());
    page.PrintTitle(title);
    page.PrintRule();
    const auto measure = [&device](std::string_view line) { return device.textWidth(line); };
    for (const std::string& line : WrapText(text, page.PrintableWidth(), measure)) {
        page.BreakBeforeLine();
        page.PrintAt(page.Measures().margin, line);
        page.EndLine();
    }
}

}  // namespace slv

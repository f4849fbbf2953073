// A ReportDevice for tests: an A4 page in twips, a font in which every
// character is half as wide as the font size and a line as high as the size,
// and a record of every text, rule and page, to be checked by position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/report_device.h"

namespace slv::test {

inline constexpr double kA4Width = 11906.0;   // 210 mm in twips
inline constexpr double kA4Height = 16838.0;  // 297 mm

struct RecordedText {
    int page = 0;
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    std::string text;
    std::string font;
    int size = 0;
    bool bold = false;
};

struct RecordedLine {
    int page = 0;
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

class RecordingReportDevice final : public ReportDevice {
public:
    double pageWidth() const override { return m_landscape ? kA4Height : kA4Width; }
    double pageHeight() const override { return m_landscape ? kA4Width : kA4Height; }
    void setFontName(const std::string& name) override { m_font = name; }
    void setFontSize(int points) override { m_size = points; }
    void setBold(bool bold) override { m_bold = bold; }
    double textWidth(std::string_view text) const override
    {
        return static_cast<double>(text.size()) * m_size * kTwipsPerPoint / 2.0;
    }
    double lineHeight() const override { return m_size * kTwipsPerPoint; }
    void drawText(double x, double top, std::string_view text) override
    {
        texts.push_back({pages, x, top, textWidth(text), std::string(text), m_font, m_size, m_bold});
    }
    void drawLine(double x1, double y1, double x2, double y2) override { lines.push_back({pages, x1, y1, x2, y2}); }

    /// The first recorded text equal to text; nullptr when there is none.
    const RecordedText* find(std::string_view text) const
    {
        for (const auto& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    int count(std::string_view text) const
    {
        int n = 0;
        for (const auto& t : texts)
            n += t.text == text ? 1 : 0;
        return n;
    }
    /// The texts printed on one line (same page and top), left to right.
    std::vector<std::string> lineAt(int page, double y) const
    {
        std::vector<std::string> line;
        for (const auto& t : texts)
            if (t.page == page && t.y == y)
                line.push_back(t.text);
        return line;
    }

    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    int pages = 0;  // pages started in the current job, the first is 1
    int documentsBegun = 0;
    int documentsEnded = 0;

protected:
    void startDocument(PageOrientation orientation) override
    {
        m_landscape = orientation == PageOrientation::Landscape;
        ++documentsBegun;
        pages = 1;
    }
    void startNextPage() override { ++pages; }
    void finishDocument() override { ++documentsEnded; }

private:
    std::string m_font;
    int m_size = 10;
    bool m_bold = false;
    bool m_landscape = false;
};

}  // namespace slv::test

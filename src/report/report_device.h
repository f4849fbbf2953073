// What a printed report is drawn on: a printer, a PDF file, or a recording
// for the tests. Every length is in twips (1440 to the inch, 20 to the
// point), measured from the top left corner of the paper; the device turns
// them into its own units. Texts are the document's 8-bit ANSI
// (Windows-1252) bytes.
//
// The device keeps a text cursor as a line printer does: print() writes at
// the cursor and moves it right by the text's width, endLine() moves it to
// the start of the next line. A line is as high as the tallest font printed
// on it, so that a title and a smaller date beside it do not collide with
// what follows.
#pragma once

#include <string>
#include <string_view>

namespace slv {

/// Twips per point of font size and per centimetre of paper.
inline constexpr double kTwipsPerPoint = 20.0;
inline constexpr double kTwipsPerCentimetre = 567.0;
inline constexpr double kTwipsPerInch = 1440.0;

enum class PageOrientation { Portrait = 1, Landscape = 2 };

class ReportDevice {
public:
    virtual ~ReportDevice() = default;

    /// Starts a print job in the given orientation, with its first page;
    /// the cursor goes to (0, 0).
    void beginDocument(PageOrientation orientation);
    /// Ends the current page and starts the next; the cursor goes to (0, 0).
    void newPage();
    /// Ends the print job: the printer prints, the file is complete.
    void endDocument() { finishDocument(); }

    /// The size of the paper in twips, in the orientation of the job.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    /// Width of a text in the current font, twips.
    virtual double textWidth(std::string_view text) const = 0;
    /// Distance from one line of the current font to the next, twips.
    virtual double lineHeight() const = 0;

    /// Draws a text whose line box has its top left corner at (x, top).
    virtual void drawText(double x, double top, std::string_view text) = 0;
    /// Draws a thin line.
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }
    void moveTo(double x, double y)
    {
        m_x = x;
        m_y = y;
        m_lineHeight = 0.0;
    }

    /// Prints at the cursor and moves it right by the text's width.
    void print(std::string_view text);
    /// Moves the cursor to the left edge of the next line.
    void endLine();

protected:
    virtual void startDocument(PageOrientation orientation) = 0;
    virtual void startNextPage() = 0;
    virtual void finishDocument() = 0;

private:
    double m_x = 0.0;
    double m_y = 0.0;
    /// The tallest line height printed on the current line so far.
    double m_lineHeight = 0.0;
};

}  // namespace slv

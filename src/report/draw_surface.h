// What a drawing of the program needs of the surface it lands on, whether
// a window, an image, an SVG file or a printer page: a logical coordinate
// system, a background, a font and the text size, and lines, boxes,
// polygons and circles drawn with an outline and a fill. Texts are the
// document's 8-bit ANSI bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace slv {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct DrawPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const DrawPoint&, const DrawPoint&) = default;
};

enum class FillPattern {
    None,
    Solid,
    /// Parallel lines from the upper left to the lower right, drawn over
    /// whatever lies below; the space between them stays transparent.
    DownwardDiagonal,
};

struct Fill {
    FillPattern style = FillPattern::None;
    Rgb colour = kBlack;
    /// Distance of the hatch lines, logical units.
    double spacing = 10.0;
    /// Width of the hatch lines, logical units.
    double lineWidth = 1.0;
};

struct Stroke {
    bool visible = true;
    Rgb colour = kBlack;
    /// Logical units; lines end flat at their end points.
    double width = 1.0;
    bool dashed = false;
};

inline constexpr Stroke kNoOutline{false};

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    /// The logical coordinates: x from 0 at the left to width at the right,
    /// y from 0 at the top to height at the bottom.
    virtual void setScale(double width, double height) = 0;
    /// The surface's width over its height, so that a drawing can choose a
    /// logical height that keeps circles round.
    virtual double aspectRatio() const = 0;
    /// Fills the whole surface with the background colour.
    virtual void clear(Rgb background) = 0;

    virtual void setFont(const std::string& family, double pointSize) = 0;
    /// Width and line height of a text in the current font, logical units.
    virtual double textWidth(const std::string& text) const = 0;
    virtual double textHeight() const = 0;
    /// A text whose upper left corner is at topLeft.
    virtual void text(DrawPoint topLeft, const std::string& text, Rgb colour) = 0;

    virtual void line(DrawPoint from, DrawPoint to, const Stroke& stroke) = 0;
    virtual void box(DrawPoint topLeft, DrawPoint bottomRight, const Fill& fill, const Stroke& stroke) = 0;
    virtual void polygon(std::span<const DrawPoint> corners, const Fill& fill, const Stroke& stroke) = 0;
    virtual void circle(DrawPoint centre, double radius, const Fill& fill, const Stroke& stroke) = 0;
};

}  // namespace slv

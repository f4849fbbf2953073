// A DrawSurface for tests: records every call with its arguments, measures
// texts as 6 units per character and 10 per line, and keeps a 4:3 shape.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "report/draw_surface.h"

namespace slv::test {

struct DrawCall {
    enum class Kind { Scale, Clear, Font, Text, Line, Box, Polygon, Circle };
    Kind kind = Kind::Line;
    std::vector<DrawPoint> points;  // line: from, to; box: corners; circle: centre
    double radius = 0.0;
    Fill fill;
    Stroke stroke;
    std::string text;
    Rgb colour;

    bool solid(Rgb rgb) const { return fill.style == FillPattern::Solid && fill.colour == rgb; }
    bool hatched() const { return fill.style == FillPattern::DownwardDiagonal; }
    /// The area a box, polygon or circle covers.
    double area() const
    {
        if (kind == Kind::Circle)
            return 3.141592653589793 * radius * radius;
        if (kind == Kind::Box)
            return std::abs((points[1].x - points[0].x) * (points[1].y - points[0].y));
        if (kind != Kind::Polygon)
            return 0.0;
        double twice = 0.0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const DrawPoint& a = points[i];
            const DrawPoint& b = points[(i + 1) % points.size()];
            twice += a.x * b.y - b.x * a.y;
        }
        return std::abs(twice) / 2.0;
    }
};

class RecordingSurface final : public DrawSurface {
public:
    void setScale(double width, double height) override
    {
        this->width = width;
        this->height = height;
        record(DrawCall::Kind::Scale).points = {{width, height}};
    }
    double aspectRatio() const override { return 4.0 / 3.0; }
    void clear(Rgb background) override { record(DrawCall::Kind::Clear).colour = background; }
    void setFont(const std::string& family, double) override { record(DrawCall::Kind::Font).text = family; }
    double textWidth(const std::string& text) const override { return 6.0 * static_cast<double>(text.size()); }
    double textHeight() const override { return 10.0; }
    void text(DrawPoint topLeft, const std::string& text, Rgb colour) override
    {
        DrawCall& call = record(DrawCall::Kind::Text, {topLeft});
        call.text = text;
        call.colour = colour;
    }
    void line(DrawPoint from, DrawPoint to, const Stroke& stroke) override
    {
        record(DrawCall::Kind::Line, {from, to}).stroke = stroke;
    }
    void box(DrawPoint topLeft, DrawPoint bottomRight, const Fill& fill, const Stroke& stroke) override
    {
        record(DrawCall::Kind::Box, {topLeft, bottomRight}, fill, stroke);
    }
    void polygon(std::span<const DrawPoint> corners, const Fill& fill, const Stroke& stroke) override
    {
        record(DrawCall::Kind::Polygon, {corners.begin(), corners.end()}, fill, stroke);
    }
    void circle(DrawPoint centre, double radius, const Fill& fill, const Stroke& stroke) override
    {
        record(DrawCall::Kind::Circle, {centre}, fill, stroke).radius = radius;
    }

    /// The calls of a kind.
    std::vector<DrawCall> of(DrawCall::Kind kind) const
    {
        std::vector<DrawCall> list;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(list),
                     [&](const DrawCall& c) { return c.kind == kind; });
        return list;
    }
    /// The texts drawn, in order.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> list;
        for (const DrawCall& c : of(DrawCall::Kind::Text))
            list.push_back(c.text);
        return list;
    }
    /// The filled shapes (boxes, polygons, circles) with a solid fill of the colour.
    std::vector<DrawCall> solidShapes(Rgb colour) const
    {
        std::vector<DrawCall> list;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(list),
                     [&](const DrawCall& c) { return c.solid(colour); });
        return list;
    }

    std::vector<DrawCall> calls;
    double width = 0.0;
    double height = 0.0;

private:
    DrawCall& record(DrawCall::Kind kind, std::vector<DrawPoint> points = {}, const Fill& fill = {},
                     const Stroke& stroke = kNoOutline)
    {
        DrawCall& call = calls.emplace_back();
        call.kind = kind;
        call.points = std::move(points);
        call.fill = fill;
        call.stroke = stroke;
        return call;
    }
};

}  // namespace slv::test

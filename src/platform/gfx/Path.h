#pragma once
// A path as a value: built once, added to a context any number of times.

#include <vector>

#include "platform/gfx/Geometry.h"

namespace gfx {

struct PathElement {
    enum class Kind { moveTo, lineTo, arc, close };
    Kind kind = Kind::moveTo;
    Point point;          // moveTo, lineTo: the point; arc: the centre
    double radius = 0.0;  // arc
    double startAngle = 0.0;
    double endAngle = 0.0;
    bool clockwise = true;  // arc: as seen on screen (y down), i.e. angles increasing
    friend bool operator==(const PathElement&, const PathElement&) = default;
};

class Path {
public:
    void moveTo(Point point);
    void addLineTo(Point point);
    // A circular arc; angles in radians from the positive x axis, growing
    // clockwise on screen. A line joins the current point to the arc's start.
    void addArc(Point centre, double radius, double startAngle, double endAngle, bool clockwise);
    void addRect(Rect rect);
    void close();

    bool isEmpty() const { return elements_.empty(); }
    const std::vector<PathElement>& elements() const { return elements_; }

    // The whole circle (or arc) path that a counter or dot is drawn with.
    static Path arc(Point centre, double radius, double startAngle, double endAngle, bool clockwise);

    friend bool operator==(const Path&, const Path&) = default;

private:
    std::vector<PathElement> elements_;
};

}  // namespace gfx

#pragma once
// Points, sizes and rectangles in points: origin top-left, y growing down.

namespace gfx {

struct Point {
    double x = 0.0;
    double y = 0.0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0.0;
    double height = 0.0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    static constexpr Rect make(double x, double y, double width, double height) { return {{x, y}, {width, height}}; }

    constexpr double minX() const { return origin.x; }
    constexpr double minY() const { return origin.y; }
    constexpr double maxX() const { return origin.x + size.width; }
    constexpr double maxY() const { return origin.y + size.height; }
    constexpr double midX() const { return origin.x + size.width / 2.0; }
    constexpr double midY() const { return origin.y + size.height / 2.0; }
    constexpr double width() const { return size.width; }
    constexpr double height() const { return size.height; }
    constexpr bool isEmpty() const { return size.width <= 0.0 || size.height <= 0.0; }
    // Half-open on the far edges, so that adjacent rectangles never both contain a point.
    constexpr bool contains(Point p) const { return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY(); }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace gfx

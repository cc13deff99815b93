#pragma once
// A graphics context over a cairo context: a current path, stroke and fill
// colours, a line width, a transform and a clip, with a state stack.
//
// The current context is the context of the drawing pass in progress; outside
// a drawing pass there is none, and callers skip their strokes. A drawing pass
// makes its context current with a DrawingScope.

#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Path.h"

typedef struct _cairo cairo_t;

namespace gfx {

enum class PathDrawingMode { fill, stroke, fillStroke };

class Context {
public:
    // Shares the cairo context (takes a reference of its own).
    explicit Context(cairo_t* cairo);
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    cairo_t* cairo() const { return cairo_; }

    // The current path.
    void beginPath();
    void moveTo(Point point);
    void addLineTo(Point point);
    void addArc(Point centre, double radius, double startAngle, double endAngle, bool clockwise);
    void addRect(Rect rect);
    void closePath();
    void addPath(const Path& path);

    void setStrokeColor(Color color);
    void setFillColor(Color color);
    void setLineWidth(double width);
    Color strokeColor() const { return state_.stroke; }
    Color fillColor() const { return state_.fill; }
    double lineWidth() const { return state_.lineWidth; }

    // Draw the current path and then clear it.
    void drawPath(PathDrawingMode mode);
    void strokePath() { drawPath(PathDrawingMode::stroke); }
    void fillPath() { drawPath(PathDrawingMode::fill); }
    void fillRect(Rect rect);
    void strokeRect(Rect rect);

    // Save and restore colours, line width, transform and clip.
    void saveState();
    void restoreState();

    void translate(double dx, double dy);
    void rotate(double radians);  // clockwise on screen
    void scale(double sx, double sy);

    // Intersects the clip with the current path (and clears the path).
    void clip();
    void clipToRect(Rect rect);

private:
    struct State {
        Color stroke = Color::black();
        Color fill = Color::black();
        double lineWidth = 1.0;
    };

    cairo_t* cairo_;
    State state_;
    std::vector<State> saved_;
};

// The context of the drawing pass in progress, or nullptr.
Context* currentContext();

// Makes a context current for its lifetime; scopes nest, and the previous
// context becomes current again when a scope ends.
class DrawingScope {
public:
    explicit DrawingScope(Context& context);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

private:
    Context* previous_;
};

}  // namespace gfx

#include "platform/gfx/Context.h"

#include <cairo.h>

namespace gfx {

namespace {

Context*& current() {
    static Context* context = nullptr;
    return context;
}

void setSource(cairo_t* cairo, Color color) {
    cairo_set_source_rgba(cairo, color.r, color.g, color.b, color.a);
}

}  // namespace

Context::Context(cairo_t* cairo) : cairo_(cairo_reference(cairo)) {
    cairo_set_line_width(cairo_, state_.lineWidth);
}

Context::~Context() {
    cairo_destroy(cairo_);
}

void Context::beginPath() {
    cairo_new_path(cairo_);
}

void Context::moveTo(Point point) {
    cairo_move_to(cairo_, point.x, point.y);
}

// Without a current point cairo starts the line where it ends.
void Context::addLineTo(Point point) {
    cairo_line_to(cairo_, point.x, point.y);
}

void Context::addArc(Point centre, double radius, double startAngle, double endAngle, bool clockwise) {
    // Angles grow clockwise on a y-down surface, as cairo's do.
    if (clockwise) {
        cairo_arc(cairo_, centre.x, centre.y, radius, startAngle, endAngle);
    } else {
        cairo_arc_negative(cairo_, centre.x, centre.y, radius, startAngle, endAngle);
    }
}

void Context::addRect(Rect rect) {
    cairo_rectangle(cairo_, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
}

void Context::closePath() {
    cairo_close_path(cairo_);
}

void Context::addPath(const Path& path) {
    for (const PathElement& element : path.elements()) {
        switch (element.kind) {
            case PathElement::Kind::moveTo:
                moveTo(element.point);
                break;
            case PathElement::Kind::lineTo:
                addLineTo(element.point);
                break;
            case PathElement::Kind::arc:
                addArc(element.point, element.radius, element.startAngle, element.endAngle, element.clockwise);
                break;
            case PathElement::Kind::close:
                closePath();
                break;
        }
    }
}

void Context::setStrokeColor(Color color) {
    state_.stroke = color;
}

void Context::setFillColor(Color color) {
    state_.fill = color;
}

void Context::setLineWidth(double width) {
    state_.lineWidth = width;
    cairo_set_line_width(cairo_, width);
}

void Context::drawPath(PathDrawingMode mode) {
    if (mode == PathDrawingMode::fill || mode == PathDrawingMode::fillStroke) {
        setSource(cairo_, state_.fill);
        cairo_fill_preserve(cairo_);
    }
    if (mode == PathDrawingMode::stroke || mode == PathDrawingMode::fillStroke) {
        setSource(cairo_, state_.stroke);
        cairo_stroke_preserve(cairo_);
    }
    cairo_new_path(cairo_);
}

void Context::fillRect(Rect rect) {
    beginPath();
    addRect(rect);
    drawPath(PathDrawingMode::fill);
}

void Context::strokeRect(Rect rect) {
    beginPath();
    addRect(rect);
    drawPath(PathDrawingMode::stroke);
}

void Context::saveState() {
    cairo_save(cairo_);
    saved_.push_back(state_);
}

void Context::restoreState() {
    // An unmatched restore is ignored; cairo would otherwise put the context
    // into an error state that stops all later drawing.
    if (saved_.empty()) return;
    cairo_restore(cairo_);
    state_ = saved_.back();
    saved_.pop_back();
}

void Context::translate(double dx, double dy) {
    cairo_translate(cairo_, dx, dy);
}

void Context::rotate(double radians) {
    cairo_rotate(cairo_, radians);
}

void Context::scale(double sx, double sy) {
    cairo_scale(cairo_, sx, sy);
}

void Context::clip() {
    cairo_clip(cairo_);
}

void Context::clipToRect(Rect rect) {
    beginPath();
    addRect(rect);
    clip();
}

Context* currentContext() {
    return current();
}

DrawingScope::DrawingScope(Context& context) : previous_(current()) {
    current() = &context;
}

DrawingScope::~DrawingScope() {
    current() = previous_;
}

}  // namespace gfx

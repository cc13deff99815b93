#include "platform/gfx/Path.h"

namespace gfx {

void Path::moveTo(Point point) {
    elements_.push_back({PathElement::Kind::moveTo, point});
}

void Path::addLineTo(Point point) {
    elements_.push_back({PathElement::Kind::lineTo, point});
}

void Path::addArc(Point centre, double radius, double startAngle, double endAngle, bool clockwise) {
    elements_.push_back({PathElement::Kind::arc, centre, radius, startAngle, endAngle, clockwise});
}

void Path::addRect(Rect rect) {
    moveTo(rect.origin);
    addLineTo({rect.maxX(), rect.minY()});
    addLineTo({rect.maxX(), rect.maxY()});
    addLineTo({rect.minX(), rect.maxY()});
    close();
}

void Path::close() {
    elements_.push_back({PathElement::Kind::close, {}});
}

Path Path::arc(Point centre, double radius, double startAngle, double endAngle, bool clockwise) {
    Path path;
    path.addArc(centre, radius, startAngle, endAngle, clockwise);
    return path;
}

}  // namespace gfx

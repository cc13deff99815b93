#include "layout_extensions/pictures/Towers.h"

#include <cmath>

#include "layout_extensions/pictures/PictureText.h"
#include "platform/gfx/Text.h"

namespace duolinear {

namespace {

// One face text centred across the box; its top stands at y − 1.5 s plus half
// its own height, which centres a text exactly as tall as the side.
void drawFace(gfx::Context& context, const std::string& text, const gfx::TextAttributes& attributes, double x, double y,
              double side) {
    if (text.empty()) return;
    const gfx::Size size = gfx::measureText(text, attributes);
    gfx::drawText(context, text, {x + side / 2.0 - size.width / 2.0, y - 1.5 * side + size.height / 2.0}, attributes);
}

}  // namespace

void box::drawBox(gfx::Context& context, double x, double y, double scale) const {
    const double s = height * scale;
    const double e = edgeWidth;
    if (!std::isfinite(s) || s <= 0.0 || !std::isfinite(e) || !std::isfinite(x) || !std::isfinite(y)) return;

    context.beginPath();
    context.moveTo({x + e / 2.0, y - e / 2.0});
    context.addLineTo({x + s - e / 2.0, y - e / 2.0});
    context.addLineTo({x + s - e / 2.0, y - (s - e / 2.0)});
    context.addLineTo({x + e / 2.0, y - (s - e / 2.0)});
    context.closePath();
    context.setStrokeColor(edgeColor);
    context.setLineWidth(e);
    context.setFillColor(color);
    context.drawPath(gfx::PathDrawingMode::fillStroke);

    const gfx::TextAttributes attributes{chalkFont(0.75 * s), gfx::Color::white()};
    drawFace(context, face, attributes, x, y, s);
    drawFace(context, faceOver, attributes, x, y, s);
}

void tower::drawTower(gfx::Context& context, double x, double y, double scale) const {
    if (bricks.empty()) return;
    const double base = bricks.front().height;
    double bottom = y;
    for (const box& brick : bricks) {
        brick.drawBox(context, x + 0.5 * (base - brick.height) * scale, bottom, scale);
        bottom -= brick.height * scale;
    }
}

}  // namespace duolinear

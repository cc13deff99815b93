#include "layout_extensions/pictures/TenFrames.h"

#include <cmath>
#include <numbers>

#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/pictures/PictureText.h"
#include "platform/gfx/Path.h"
#include "platform/gfx/Text.h"

namespace duolinear {

namespace {

constexpr std::size_t kCellsInAColumn = 5;

// Cell side and frame length in points of a frame drawn at a scale.
struct FrameGeometry {
    double width = 0.0;
    double cell = 0.0;
    double length = 0.0;
};

FrameGeometry frameGeometry(const frame& grid, double scale) {
    const double e = frame::frameEdgeWidth;
    const double width = grid.frameWidth * scale;
    const double cell = (width - 3.0 * e) / 2.0;
    return {width, cell, 5.0 * cell + 6.0 * e};
}

bool drawable(const FrameGeometry& geometry, double x, double y) {
    return std::isfinite(geometry.cell) && geometry.cell > 0.0 && std::isfinite(x) && std::isfinite(y);
}

}  // namespace

double frame::frameLength() const {
    return 2.5 * (frameWidth - 3.0 * frameEdgeWidth) + 6.0 * frameEdgeWidth;
}

void frame::setFrameLength(double length) {
    frameWidth = (length - 6.0 * frameEdgeWidth) * 0.4 + 3.0 * frameEdgeWidth;
}

double frame::cellCounterDiameter() const {
    return 0.5 * (frameWidth - 3.0 * frameEdgeWidth) * 5.0 / 6.0;
}

void frame::setCellCounterDiameter(double diameter) {
    frameWidth = 2.0 * diameter * 1.2 + 3.0 * frameEdgeWidth;
}

void frame::drawFrame(gfx::Context& context, double x, double y, double scale) const {
    const FrameGeometry g = frameGeometry(*this, scale);
    if (!drawable(g, x, y)) return;
    const double e = frameEdgeWidth;
    const double w = g.width;
    const double l = g.length;

    context.setStrokeColor(frameEdgeColor);
    context.setLineWidth(e);
    context.setFillColor(frameColor);

    context.beginPath();
    // The outline is left open: its bottom line starts at x + e and its left
    // line runs down to y, so that with flat line ends the bottom-left corner
    // is covered once.
    context.moveTo({x + e, y - e / 2.0});
    context.addLineTo({x + w - e / 2.0, y - e / 2.0});
    context.addLineTo({x + w - e / 2.0, y - (l - e / 2.0)});
    context.addLineTo({x + e / 2.0, y - (l - e / 2.0)});
    context.addLineTo({x + e / 2.0, y});
    // Column divider.
    context.moveTo({x + w / 2.0, y - e});
    context.addLineTo({x + w / 2.0, y - (l - e)});
    // Row lines.
    for (int i = 1; i <= 4; ++i) {
        const double rowY = y - (i * (g.cell + e) + e / 2.0);
        context.moveTo({x + e, rowY});
        context.addLineTo({x + w - e, rowY});
    }
    context.closePath();
    context.drawPath(gfx::PathDrawingMode::fillStroke);
}

void counter::drawCounter(gfx::Context& context, double centreX, double centreY, double scale) const {
    const double d = counterDiameter * scale;
    const double w = counterEdgeWidth;
    const double radius = d / 2.0 - w / 2.0;
    if (!std::isfinite(radius) || radius <= 0.0 || !std::isfinite(centreX) || !std::isfinite(centreY)) return;

    context.setStrokeColor(counterEdgeColor);
    context.setLineWidth(w);
    context.setFillColor(counterColor);
    context.beginPath();
    context.addPath(gfx::Path::arc({centreX, centreY}, radius, 0.0, 2.0 * std::numbers::pi, true));
    context.drawPath(gfx::PathDrawingMode::fillStroke);

    if (counterNumber.empty()) return;
    const gfx::Font start = captionFont(0.75 * d);
    const gfx::TextAttributes attributes{captionFont(shrunkFontSize(counterNumber, start, 0.75 * d)), counterFontColor};
    const gfx::Size size = gfx::measureText(counterNumber, attributes);
    gfx::drawText(context, counterNumber, {centreX - size.width / 2.0, centreY - size.height / 2.0}, attributes);
}

void filledFrame::drawFilledFrame(gfx::Context& context, double x, double y, double scale) const {
    const FrameGeometry g = frameGeometry(emptyFrame, scale);
    if (!drawable(g, x, y)) return;
    emptyFrame.drawFrame(context, x, y, scale);

    const double e = frame::frameEdgeWidth;
    const double pitch = g.cell + e;
    const double leftX = x + g.cell / 2.0 + e;
    double rowY = y - (g.cell / 2.0 + e);
    // Rows from the bottom up; counters past the tenth have no cell.
    for (std::size_t row = 0; row < kCellsInAColumn; ++row) {
        if (row < counters.size()) counters[row].drawCounter(context, leftX, rowY, scale);
        if (row + kCellsInAColumn < counters.size()) {
            counters[row + kCellsInAColumn].drawCounter(context, leftX + pitch, rowY, scale);
        }
        rowY -= pitch;
    }
}

}  // namespace duolinear

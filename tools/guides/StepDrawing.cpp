#include "guides/StepDrawing.h"

#include <algorithm>

#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Path.h"
#include "renderer/LayoutInterpreter.h"
#include "renderer/StepLines.h"

namespace duolinear::guides {

namespace {

constexpr double kFramePadding = 10.0;
constexpr double kCommentBand = 26.0;
constexpr double kCornerRadius = 12.0;
// Fitting compares a sum of heights with the band; a little slack keeps a band
// of exactly the natural height from shrinking the lines.
constexpr double kHeightSlack = 1.0;
constexpr double kUnlimitedHeight = 1.0e6;

const gfx::FontWeight kWeight = gfx::FontWeight::medium();

gfx::Path roundedRect(gfx::Rect r, double radius) {
    constexpr double quarter = 1.5707963267948966;
    gfx::Path path;
    path.moveTo({r.minX() + radius, r.minY()});
    path.addArc({r.maxX() - radius, r.minY() + radius}, radius, -quarter, 0.0, true);
    path.addArc({r.maxX() - radius, r.maxY() - radius}, radius, 0.0, quarter, true);
    path.addArc({r.minX() + radius, r.maxY() - radius}, radius, quarter, 2 * quarter, true);
    path.addArc({r.minX() + radius, r.minY() + radius}, radius, 2 * quarter, 3 * quarter, true);
    path.close();
    return path;
}

}  // namespace

double naturalLinesHeight(const StepLines& lines, double width, double baseSize) {
    const LineFontSizes sizes = fitLineFontSizes(lines, width, kUnlimitedHeight, baseSize, kWeight);
    // Sums the lines as drawStepLines sets them: each line's height, and
    // between two lines a leading that grows with their mean size.
    const double unit = lineLeadingUnit(baseSize, kWeight);
    double total = 0.0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        total += measureLayout(lines[i], lineRootIndex(lines[i]), sizes[i].fitted, kWeight).height;
        if (i > 0) total += (sizes[i - 1].fitted + sizes[i].fitted) * 0.5 / baseSize * unit;
    }
    return total + kHeightSlack;
}

void drawFittedLines(const StepLines& lines, gfx::Rect box, double baseSize) {
    const LineFontSizes sizes = fitLineFontSizes(lines, box.width(), box.height(), baseSize, kWeight);
    drawStepLines(lines, sizes, box.minX(), box.minY());
}

double stepFrameHeight(const StepLines& lines, double width) {
    const double inner = width - 2 * kFramePadding;
    return naturalLinesHeight(lines, inner, kStepBaseSize) + kCommentBand + 2 * kFramePadding;
}

void drawStepFrame(const StepLines& lines, const std::vector<std::string>& comments, gfx::Rect frame) {
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    context->addPath(roundedRect(frame, kCornerRadius));
    context->setFillColor(gfx::Color::rgba(0.97, 0.975, 0.99));
    context->setStrokeColor(gfx::Color::rgba(0.75, 0.77, 0.82));
    context->setLineWidth(1.0);
    context->drawPath(gfx::PathDrawingMode::fillStroke);

    const double inner = frame.width() - 2 * kFramePadding;
    const double top = frame.minY() + kFramePadding;
    drawTextRows(comments, true, gfx::Color::black(), gfx::Color::clear(), frame.minX() + kFramePadding, top, inner,
                 kCommentBand, kStepBaseSize, kWeight);
    const double linesHeight = std::max(0.0, frame.height() - kCommentBand - 2 * kFramePadding);
    drawFittedLines(lines, gfx::Rect::make(frame.minX() + kFramePadding, top + kCommentBand, inner, linesHeight),
                    kStepBaseSize);
}

}  // namespace duolinear::guides

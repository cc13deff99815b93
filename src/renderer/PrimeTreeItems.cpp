#include "renderer/PrimeTreeItems.h"

#include <optional>
#include <string>

#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

constexpr double kGapShare = 0.25;     // of the line height
constexpr double kStrokeShare = 0.67;  // of halfBarSpace

struct TreeShape {
    std::size_t rows = 0;  // k
    double slot = 0.0;     // d
    double gap = 0.0;      // g
};

std::optional<TreeShape> treeShape(const LayoutFrame& frame) {
    const TagRow* pairs = frame.row(1);
    const TagRow* colors = frame.row(2);
    if (pairs == nullptr || colors == nullptr || pairs->size() < 3) return std::nullopt;
    const std::size_t texts = pairs->size() - 1;
    if (texts % 2 != 0 || colors->size() <= texts) return std::nullopt;
    return TreeShape{texts / 2, gfx::measureText(std::string((*pairs)[2]), frame.wholeAttributes).width,
                     kGapShare * frame.metric.wholeLineHeight};
}

}  // namespace

LayoutSize measurePrimeTree(const LayoutFrame& frame) {
    const std::optional<TreeShape> tree = treeShape(frame);
    if (!tree) return {};
    const double k = static_cast<double>(tree->rows);
    return {tree->slot * (0.5 * k + 1.5) + tree->gap * (0.5 * k + 0.5), 1.25 * frame.metric.wholeLineHeight * k,
            frame.metric.wholeAscender};
}

void drawPrimeTree(const LayoutFrame& frame, double x, double y) {
    const std::optional<TreeShape> tree = treeShape(frame);
    if (!tree) return;
    const Metric& m = frame.metric;
    const double d = tree->slot, g = tree->gap;
    const double step = 0.5 * (d + g);  // how far each row starts right of the one above
    const double rowHeight = 1.25 * m.wholeLineHeight;
    for (std::size_t r = 0; r < tree->rows; ++r) {
        const double left = x + static_cast<double>(r) * step;
        const double top = y - m.wholeAscender + static_cast<double>(r) * rowHeight;
        for (std::size_t side = 0; side < 2; ++side) {
            const std::size_t k = 2 * r + side + 1;
            const std::string& text = frame.entry(1, k);
            const double w = gfx::measureText(text, frame.wholeAttributes).width;
            gfx::drawText(text, {left + static_cast<double>(side) * (d + g) + 0.5 * (d - w), top},
                          frame.wholeAttributesIn(frame.entry(2, k)));
        }
    }
    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    const gfx::Color black = cgColor(Color::black);
    const double width = kStrokeShare * m.halfBarSpace;
    for (std::size_t r = 0; r + 1 < tree->rows; ++r) {
        const gfx::Point origin{x + static_cast<double>(r) * step + 1.5 * d + g,
                                y - m.wholeAscender + m.wholeLineHeight + static_cast<double>(r) * rowHeight};
        drawLine(*context, black, origin, {origin.x + step, origin.y + g}, width);
        drawLine(*context, black, origin, {origin.x - step, origin.y + g}, width);
    }
}

}  // namespace duolinear

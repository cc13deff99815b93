#include "layout_extensions/NumberCells.h"

#include <algorithm>

#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

// The smallest room of a cell's bar, in points.
constexpr double kCellBarRoomFloor = 6.0;
constexpr double kCellBarRoomRatio = 0.125;

const std::string& minusSign() {
    static const std::string sign = "-";
    return sign;
}

double widthOf(const std::string& text, const gfx::TextAttributes& attributes) {
    return gfx::measureText(text, attributes).width;
}

// Text i of a row, as the drawing calls take it.
std::string textAt(const TagRow& row, std::size_t i) {
    return std::string(row[i]);
}

gfx::TextAttributes inColor(gfx::TextAttributes attributes, const std::string& colorName) {
    attributes.foreground = uiColor(numberCellColor(colorName));
    return attributes;
}

// Texts `count` values long after the key (cells) or colours after the key.
bool holds(const TagRow& row, std::size_t count) {
    return row.size() > count;
}

}  // namespace

Color numberCellColor(std::string_view colorName) {
    return colorFromRawValue(colorName).value_or(Color::black);
}

NumberCellSize measureNumberCell(const TagRow& cell, const gfx::TextAttributes& wholeAttributes,
                                 const gfx::TextAttributes& fractionAttributes) {
    const gfx::FontMetrics font = fractionAttributes.font.metrics();
    NumberCellSize size;
    size.kind = std::string(kUnknownCellKind);
    size.height = 2.0 * font.capHeight + std::max(kCellBarRoomRatio * font.pointSize, kCellBarRoomFloor);

    const std::string kind = cell.empty() ? std::string() : std::string(cell[0]);
    if (kind == "whole" && holds(cell, 1)) {
        size.wholeWidth = widthOf(textAt(cell, 1), wholeAttributes);
    } else if (kind == "fraction" && holds(cell, 2)) {
        size.fractionWidth =
            std::max(widthOf(textAt(cell, 1), fractionAttributes), widthOf(textAt(cell, 2), fractionAttributes));
    } else if (kind == "mixed_number" && holds(cell, 3)) {
        size.wholeWidth = widthOf(textAt(cell, 1), wholeAttributes);
        size.fractionWidth =
            std::max(widthOf(textAt(cell, 2), fractionAttributes), widthOf(textAt(cell, 3), fractionAttributes));
    } else {
        return size;
    }
    size.kind = kind;
    size.width = size.wholeWidth + size.fractionWidth;
    return size;
}

void drawCancelMark(const std::string& text, const std::string& colorName,
                    const gfx::TextAttributes& fractionAttributes, const gfx::TextAttributes&, const Metric& metric,
                    double x, double y) {
    gfx::drawText(text, {x, y - metric.fracAscender}, inColor(fractionAttributes, colorName));
}

void drawWholeCell(const std::string& text, const std::string& colorName, const gfx::TextAttributes&,
                   const gfx::TextAttributes& wholeAttributes, const Metric& metric, double x, double y) {
    gfx::drawText(text, {x, y - metric.wholeAscender}, inColor(wholeAttributes, colorName));
}

void drawFractionCell(const std::string& numerator, const std::string& denominator,
                      const std::string& numeratorColorName, const std::string& denominatorColorName,
                      const gfx::TextAttributes& fractionAttributes, const gfx::TextAttributes& wholeAttributes,
                      const Metric& metric, const std::vector<std::string>& alignment, double x, double y) {
    const bool left = alignment.empty() || alignment[0] == kLeftAlignment;
    const bool signBefore = left && numerator.starts_with(minusSign());
    const std::string top = signBefore ? numerator.substr(1) : numerator;
    const double shift = signBefore ? widthOf(minusSign(), wholeAttributes) : 0.0;

    const double topWidth = widthOf(top, fractionAttributes);
    const double bottomWidth = widthOf(denominator, fractionAttributes);
    const double barWidth = std::max(topWidth, bottomWidth);
    const gfx::TextAttributes topAttributes = inColor(fractionAttributes, numeratorColorName);
    const double numeratorTop = y - (metric.fracAscender + metric.wholeHalfXHeight + metric.halfBarSpace);

    gfx::drawText(top, {x + shift + 0.5 * (barWidth - topWidth), numeratorTop}, topAttributes);
    if (signBefore) {
        gfx::drawText(minusSign(), {x, y - metric.wholeAscender}, inColor(wholeAttributes, numeratorColorName));
    }
    gfx::drawText(denominator,
                  {x + shift + 0.5 * (barWidth - bottomWidth), numeratorTop + metric.barSpace + metric.fracCapHeight},
                  inColor(fractionAttributes, denominatorColorName));
    if (gfx::Context* context = gfx::currentContext()) {
        const double axis = y - metric.wholeHalfXHeight;
        drawLine(*context, cgColor(numberCellColor(numeratorColorName)), {x + shift, axis},
                 {x + shift + barWidth, axis}, metric.halfBarSpace);
    }
}

void drawMixedNumberCell(const std::string& whole, const std::string& numerator, const std::string& denominator,
                         const std::string& wholeColorName, const std::string& numeratorColorName,
                         const std::string& denominatorColorName, const gfx::TextAttributes& fractionAttributes,
                         const gfx::TextAttributes& wholeAttributes, const Metric& metric, double x, double y) {
    const double wholeWidth = widthOf(whole, wholeAttributes);
    drawWholeCell(whole, wholeColorName, fractionAttributes, wholeAttributes, metric, x, y);
    drawFractionCell(numerator, denominator, numeratorColorName, denominatorColorName, fractionAttributes,
                     wholeAttributes, metric, {}, x + wholeWidth, y);
}

void drawBlockCell(const TagRow& cell, const TagRow& colors, const gfx::TextAttributes& wholeAttributes,
                   const gfx::TextAttributes& fractionAttributes, CellWidths widths, const Metric& metric, double x,
                   double y, double wholeColumnWidth, double fractionColumnWidth) {
    if (cell.empty()) return;
    const std::string_view kind = cell[0];
    const std::vector<std::string> top{std::string(kTopAlignment)};
    const double wholeLeft = x + wholeColumnWidth - widths.whole;
    const double fractionLeft = x + wholeColumnWidth + 0.5 * (fractionColumnWidth - widths.fraction);

    if (kind == "whole" && holds(cell, 1) && holds(colors, 1)) {
        drawWholeCell(textAt(cell, 1), textAt(colors, 1), fractionAttributes, wholeAttributes, metric, wholeLeft, y);
    } else if (kind == "fraction" && holds(cell, 2) && holds(colors, 2)) {
        drawFractionCell(textAt(cell, 1), textAt(cell, 2), textAt(colors, 1), textAt(colors, 2), fractionAttributes,
                         wholeAttributes, metric, top, fractionLeft, y);
    } else if (kind == "mixed_number" && holds(cell, 3) && holds(colors, 3)) {
        drawWholeCell(textAt(cell, 1), textAt(colors, 1), fractionAttributes, wholeAttributes, metric, wholeLeft, y);
        drawFractionCell(textAt(cell, 2), textAt(cell, 3), textAt(colors, 2), textAt(colors, 3), fractionAttributes,
                         wholeAttributes, metric, top, fractionLeft, y);
    }
}

}  // namespace duolinear

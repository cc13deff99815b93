#include "renderer/LayoutFrame.h"

#include "layout/drawing/ColorMapping.h"

namespace duolinear {

std::string LayoutFrame::kind() const {
    return entry(0, 0);
}

const TagRow* LayoutFrame::row(std::size_t offset) const {
    if (rows == nullptr || index >= rows->size() || offset >= rows->size() - index) return nullptr;
    return &(*rows)[index + offset];
}

std::string LayoutFrame::entry(std::size_t offset, std::size_t position) const {
    const TagRow* r = row(offset);
    if (r == nullptr || position >= r->size()) return std::string();
    return std::string((*r)[position]);
}

bool LayoutFrame::hasCompanionRows(std::size_t count) const {
    return row(count) != nullptr;
}

gfx::TextAttributes LayoutFrame::wholeAttributesIn(const std::string& colorName) const {
    gfx::TextAttributes attributes = wholeAttributes;
    attributes.foreground = uiColor(layoutColor(colorName));
    return attributes;
}

gfx::TextAttributes LayoutFrame::fractionAttributesIn(const std::string& colorName) const {
    gfx::TextAttributes attributes = fractionAttributes;
    attributes.foreground = uiColor(layoutColor(colorName));
    return attributes;
}

gfx::Font layoutFont(std::string_view fontName, double size, gfx::FontWeight weight) {
    if (fontName == kMonospacedLayoutFontName) return gfx::Font::monospacedSystem(size, weight);
    return gfx::Font::monospacedDigitSystem(size, weight);
}

double layoutBarSpace(double size) {
    const double space = kMetric::barSpaceRatio * size;
    return space >= kMetric::minimumBarSpace ? space : kMetric::minimumBarSpace;
}

Metric layoutMetric(double size, const gfx::Font& wholeFont, const gfx::Font& fractionFont) {
    const gfx::FontMetrics whole = wholeFont.metrics();
    const gfx::FontMetrics fraction = fractionFont.metrics();
    const double barSpace = layoutBarSpace(size);
    return Metric{
        size,
        whole.capHeight,
        0.5 * whole.capHeight,
        whole.ascender,
        whole.lineHeight,
        whole.xHeight,
        0.5 * whole.xHeight,
        fraction.capHeight,
        fraction.ascender,
        2.0 * fraction.capHeight + barSpace,
        fraction.pointSize,
        barSpace,
        0.5 * barSpace,
    };
}

LayoutFrame makeLayoutFrame(const TagLayout& rows, std::size_t index, std::string_view fontName, double size,
                            gfx::FontWeight weight, LayoutWalk* walk) {
    LayoutFrame frame;
    frame.rows = &rows;
    frame.index = index;
    frame.fontName = std::string(fontName);
    frame.size = size;
    frame.weight = weight;
    frame.wholeFont = layoutFont(fontName, size, weight);
    frame.fractionFont = frame.wholeFont.withSize(kMetric::fractionSizeRatio * size);
    frame.smallFont = frame.wholeFont.withSize(kMetric::smallSizeRatio * size);
    frame.metric = layoutMetric(size, frame.wholeFont, frame.fractionFont);
    frame.wholeAttributes.font = frame.wholeFont;
    frame.fractionAttributes.font = frame.fractionFont;
    frame.walk = walk;
    return frame;
}

gfx::FontWeight heavierFontWeight(gfx::FontWeight weight) {
    if (weight == gfx::FontWeight::light()) return gfx::FontWeight::medium();
    if (weight == gfx::FontWeight::medium()) return gfx::FontWeight::heavy();
    if (weight == gfx::FontWeight::heavy()) return gfx::FontWeight::bold();
    return weight;
}

Color layoutColor(std::string_view colorName) {
    return colorFromRawValue(colorName).value_or(Color::black);
}

}  // namespace duolinear

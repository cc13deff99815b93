#include "renderer/LeafItems.h"

#include <string>
#include <utility>
#include <vector>

#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

// The kind row holds `count` values after the kind, and the colour row exists.
bool isComplete(const LayoutFrame& frame, std::size_t count) {
    const TagRow* kindRow = frame.row(0);
    return kindRow != nullptr && kindRow->size() > count && frame.hasCompanionRows(1);
}

double textWidth(const std::string& text, const gfx::TextAttributes& attributes) {
    return gfx::measureText(text, attributes).width;
}

// A fraction stacked around the axis y - wholeHalfXHeight: numerator over a
// bar over denominator, in the fraction font, after an optional minus sign in
// the whole font. Colour entries 1 to 4 of the colour row colour the sign,
// numerator, denominator and bar.
struct StackedFraction {
    bool minus = false;
    std::string numerator;
    std::string denominator;
};

struct StackedGeometry {
    double numeratorWidth = 0.0;
    double denominatorWidth = 0.0;
    double barLength = 0.0;
    double signWidth = 0.0;
};

const std::string& minusSign() {
    static const std::string sign = "-";
    return sign;
}

StackedGeometry stackedGeometry(const LayoutFrame& frame, const StackedFraction& fraction) {
    StackedGeometry g;
    g.numeratorWidth = textWidth(fraction.numerator, frame.fractionAttributes);
    g.denominatorWidth = textWidth(fraction.denominator, frame.fractionAttributes);
    g.barLength = g.denominatorWidth >= g.numeratorWidth ? g.denominatorWidth : g.numeratorWidth;
    g.signWidth = fraction.minus ? textWidth(minusSign(), frame.wholeAttributes) : 0.0;
    return g;
}

LayoutSize measureStacked(const LayoutFrame& frame, const StackedFraction& fraction) {
    const Metric& m = frame.metric;
    const StackedGeometry g = stackedGeometry(frame, fraction);
    // The box has the margins of a line of whole-font text above its capitals
    // and below its baseline, so fractions and texts of one line share a box.
    return {
        g.signWidth + g.barLength,
        m.fracHeight + m.wholeLineHeight - m.wholeCapHeight,
        m.fracCapHeight + m.wholeHalfXHeight + m.halfBarSpace + m.wholeAscender - m.wholeCapHeight,
    };
}

void drawStacked(const LayoutFrame& frame, const StackedFraction& fraction, double x, double y) {
    const Metric& m = frame.metric;
    const StackedGeometry g = stackedGeometry(frame, fraction);
    const double left = x + g.signWidth;
    const double numeratorTop = y - (m.fracAscender + m.wholeHalfXHeight + m.halfBarSpace);

    if (fraction.minus) {
        gfx::drawText(minusSign(), {x, y - m.fracAscender - m.wholeHalfXHeight},
                      frame.wholeAttributesIn(frame.entry(1, 1)));
    }
    gfx::drawText(fraction.numerator, {left + 0.5 * (g.barLength - g.numeratorWidth), numeratorTop},
                  frame.fractionAttributesIn(frame.entry(1, 2)));
    gfx::drawText(fraction.denominator,
                  {left + 0.5 * (g.barLength - g.denominatorWidth), numeratorTop + m.barSpace + m.fracCapHeight},
                  frame.fractionAttributesIn(frame.entry(1, 3)));
    if (gfx::Context* context = gfx::currentContext()) {
        const double axis = y - m.wholeHalfXHeight;
        drawLine(*context, cgColor(layoutColor(frame.entry(1, 4))), {left, axis}, {left + g.barLength, axis},
                 m.halfBarSpace);
    }
}

StackedFraction signedRational(const LayoutFrame& frame) {
    return {frame.entry(0, 1) == minusSign(), frame.entry(0, 2), frame.entry(0, 3)};
}

StackedFraction rational(const LayoutFrame& frame) {
    return {false, frame.entry(0, 1), frame.entry(0, 2)};
}

}  // namespace

LayoutSize measureIntegerItem(const LayoutFrame& frame) {
    if (!isComplete(frame, 1)) return {};
    const Metric& m = frame.metric;
    return {textWidth(frame.entry(0, 1), frame.wholeAttributes), m.wholeLineHeight, m.wholeAscender};
}

void drawIntegerItem(const LayoutFrame& frame, double x, double y) {
    if (!isComplete(frame, 1)) return;
    gfx::drawText(frame.entry(0, 1), {x, y - frame.metric.wholeAscender}, frame.wholeAttributesIn(frame.entry(1, 1)));
}

// A message of several lines keeps its middle where a single line's middle
// would be: half the extra height reaches above, half below.
LayoutSize measureMessageItem(const LayoutFrame& frame) {
    if (!isComplete(frame, 1)) return {};
    const Metric& m = frame.metric;
    const gfx::Size size = gfx::measureText(frame.entry(0, 1), frame.wholeAttributes);
    return {size.width, size.height, m.wholeAscender + 0.5 * size.height - 0.5 * m.wholeLineHeight};
}

namespace {

const std::string kEnDash = "\u2013";

// The byte ranges of the runs of two or more en dashes in a text.
std::vector<std::pair<std::size_t, std::size_t>> enDashRuns(const std::string& text) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t at = text.find(kEnDash); at != std::string::npos; at = text.find(kEnDash, at)) {
        std::size_t end = at;
        while (text.compare(end, kEnDash.size(), kEnDash) == 0) end += kEnDash.size();
        if (end - at > kEnDash.size()) runs.emplace_back(at, end);
        at = end;
    }
    return runs;
}

// One line of text whose runs of en dashes are rules (the one under an aligned
// equation pair, say). Drawn glyph by glyph, neighbouring dashes meet at
// fractional pixel positions and their anti-aliased edges leave lighter gaps,
// so each run is one bar as high and as thick as the font's en dash, spanning
// the run's advance; the rest of the text is drawn where it would stand.
void drawTextWithRules(const std::string& text, gfx::Point topLeft, const gfx::TextAttributes& attributes,
                       const std::vector<std::pair<std::size_t, std::size_t>>& runs) {
    const auto offset = [&](std::size_t bytes) { return gfx::measureText(text.substr(0, bytes), attributes).width; };
    const gfx::Rect dash = gfx::inkBounds(kEnDash, attributes);
    std::size_t drawn = 0;
    for (const auto& [begin, end] : runs) {
        gfx::drawText(text.substr(drawn, begin - drawn), {topLeft.x + offset(drawn), topLeft.y}, attributes);
        if (gfx::Context* context = gfx::currentContext(); context != nullptr && !dash.isEmpty()) {
            const double left = topLeft.x + offset(begin);
            context->saveState();
            context->setFillColor(attributes.foreground);
            context->fillRect(
                gfx::Rect::make(left, topLeft.y + dash.minY(), topLeft.x + offset(end) - left, dash.height()));
            context->restoreState();
        }
        drawn = end;
    }
    gfx::drawText(text.substr(drawn), {topLeft.x + offset(drawn), topLeft.y}, attributes);
}

}  // namespace

void drawMessageItem(const LayoutFrame& frame, double x, double y) {
    if (!isComplete(frame, 1)) return;
    const Metric& m = frame.metric;
    const std::string& text = frame.entry(0, 1);
    const double height = gfx::measureText(text, frame.wholeAttributes).height;
    const gfx::Point topLeft{x, y - m.wholeAscender - 0.5 * height + 0.5 * m.wholeLineHeight};
    const gfx::TextAttributes attributes = frame.wholeAttributesIn(frame.entry(1, 1));
    const std::vector<std::pair<std::size_t, std::size_t>> runs = enDashRuns(text);
    if (runs.empty() || text.find('\n') != std::string::npos) {
        gfx::drawText(text, topLeft, attributes);
    } else {
        drawTextWithRules(text, topLeft, attributes, runs);
    }
}

LayoutSize measureSignedRationalItem(const LayoutFrame& frame) {
    if (!isComplete(frame, 3)) return {};
    return measureStacked(frame, signedRational(frame));
}

void drawSignedRationalItem(const LayoutFrame& frame, double x, double y) {
    if (!isComplete(frame, 3)) return;
    drawStacked(frame, signedRational(frame), x, y);
}

LayoutSize measureRationalItem(const LayoutFrame& frame) {
    if (!isComplete(frame, 2)) return {};
    return measureStacked(frame, rational(frame));
}

void drawRationalItem(const LayoutFrame& frame, double x, double y) {
    if (!isComplete(frame, 2)) return;
    drawStacked(frame, rational(frame), x, y);
}

}  // namespace duolinear

#include "renderer/UnaryItems.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "layout/drawing/ColorMapping.h"
#include "platform/gfx/Context.h"
#include "platform/gfx/Path.h"
#include "renderer/LayoutInterpreter.h"

namespace duolinear {

namespace {

enum class UnaryForm { radical, indexedRadical, brackets, prefix };

constexpr std::string_view kRadical = "√";
constexpr std::array<std::string_view, 5> kIndexedRadicals{"√2", "√3", "√4", "√5", "√6"};
constexpr std::array<std::string_view, 9> kBracketPairs{"()", "(]", "[]", "[)", "[[", "]]", "][", "{}", "||"};
constexpr std::string_view kInvisible = "invisible";

UnaryForm unaryForm(std::string_view text) {
    if (text == kRadical) return UnaryForm::radical;
    if (std::find(kIndexedRadicals.begin(), kIndexedRadicals.end(), text) != kIndexedRadicals.end()) {
        return UnaryForm::indexedRadical;
    }
    if (std::find(kBracketPairs.begin(), kBracketPairs.end(), text) != kBracketPairs.end()) {
        return UnaryForm::brackets;
    }
    return UnaryForm::prefix;
}

std::string unaryText(const LayoutFrame& frame) {
    return frame.entry(0, 1);
}
std::string childIndex(const LayoutFrame& frame) {
    return frame.entry(1, 1);
}
std::string colorName(const LayoutFrame& frame) {
    return frame.entry(2, 1);
}

LayoutSize measureOwnChild(const LayoutFrame& frame) {
    return measureChild(frame, childIndex(frame), kDefaultLayoutFontName, frame.size, frame.weight);
}

void drawOwnChild(const LayoutFrame& frame, double x, double y) {
    drawChild(frame, childIndex(frame), kDefaultLayoutFontName, x, y, frame.size, frame.weight);
}

double textWidth(std::string_view text, const gfx::TextAttributes& attributes) {
    return gfx::measureText(std::string(text), attributes).width;
}

// Radicals. The glyph "√" is never drawn; its width in the whole font sets
// the room of the sign, which is drawn as four strokes.
double radicalWidth(const LayoutFrame& frame) {
    return textWidth(kRadical, frame.wholeAttributes);
}

LayoutSize measureRadical(const LayoutFrame& frame) {
    const LayoutSize child = measureOwnChild(frame);
    const double barSpace = frame.metric.barSpace;
    return {radicalWidth(frame) + child.width, child.height + 1.25 * barSpace, child.ascent + barSpace};
}

void drawRadical(const LayoutFrame& frame, double x, double y, bool indexed) {
    const Metric& m = frame.metric;
    const double rw = radicalWidth(frame);
    const LayoutSize child = measureOwnChild(frame);
    drawOwnChild(frame, x + rw, y);

    const Color color = layoutColor(colorName(frame));
    if (gfx::Context* context = gfx::currentContext()) {
        const double overbar = y - child.ascent - m.halfBarSpace;
        const double bottom = y + child.descent() - m.halfBarSpace;
        const double lineWidth = m.halfBarSpace;
        // The sign's strokes stay inside the item's box: the sharp bottom
        // corner is drawn as two strokes that meet (a mitred corner there
        // would spike far below the box), and where the stroke is wide for
        // the sign (small sizes) the short stroke's end keeps half the
        // stroke's width from the left edge.
        const gfx::Point bottomCorner{x + 0.4 * rw, bottom};
        gfx::Path path;
        path.moveTo({x + rw + child.width, overbar});
        path.addLineTo({x + 0.8 * rw, overbar});
        path.addLineTo(bottomCorner);
        path.moveTo(bottomCorner);
        path.addLineTo({std::max(x + 0.1 * rw, x + 0.5 * lineWidth), bottom - 0.4 * child.height});
        context->addPath(path);
        context->setStrokeColor(cgColor(color));
        context->setLineWidth(lineWidth);
        context->setFillColor(gfx::Color::clear());
        context->drawPath(gfx::PathDrawingMode::fillStroke);
    }
    if (indexed) {
        // The digit is the text's last character, in the monospaced-digit
        // font whatever the font name, at the top of the item's box.
        const std::string& text = unaryText(frame);
        gfx::TextAttributes index;
        index.font =
            gfx::Font::monospacedDigitSystem(kMetric::smallSizeRatio * frame.size, heavierFontWeight(frame.weight));
        index.foreground = uiColor(color);
        gfx::drawText(text.substr(text.size() - 1), {x + 0.05 * rw, y - child.ascent - m.barSpace}, index);
    }
}

// Brackets: a light monospaced-digit font whose size follows the child's
// height, whatever the font name, size and weight of the call.
struct BracketPair {
    std::string opening;
    std::string closing;
    gfx::TextAttributes attributes;
};

BracketPair bracketPair(const LayoutFrame& frame, double childHeight) {
    const std::string& text = unaryText(frame);
    BracketPair pair;
    pair.opening = text.substr(0, 1);
    pair.closing = text.substr(text.size() - 1);
    pair.attributes.font = gfx::Font::monospacedDigitSystem(1.125 * childHeight, gfx::FontWeight::light());
    return pair;
}

bool isInvisible(const LayoutFrame& frame) {
    return colorName(frame) == kInvisible;
}

LayoutSize measureBrackets(const LayoutFrame& frame) {
    const LayoutSize child = measureOwnChild(frame);
    if (isInvisible(frame)) return child;
    const BracketPair pair = bracketPair(frame, child.height);
    return {textWidth(pair.opening, pair.attributes) + child.width + textWidth(pair.closing, pair.attributes),
            child.height, child.ascent};
}

void drawBrackets(const LayoutFrame& frame, double x, double y) {
    if (isInvisible(frame)) {
        drawOwnChild(frame, x, y);
        return;
    }
    const LayoutSize child = measureOwnChild(frame);
    BracketPair pair = bracketPair(frame, child.height);
    const double openingWidth = textWidth(pair.opening, pair.attributes);
    // The brackets' cap height line lies on the child's top edge.
    const gfx::FontMetrics metrics = pair.attributes.font.metrics();
    const double top = y - child.ascent - (metrics.ascender - metrics.capHeight);
    pair.attributes.foreground = uiColor(layoutColor(colorName(frame)));
    gfx::drawText(pair.opening, {x, top}, pair.attributes);
    drawOwnChild(frame, x + openingWidth, y);
    gfx::drawText(pair.closing, {x + openingWidth + child.width, top}, pair.attributes);
}

// A prefix: the unary text in the item's own whole font, before the child.
LayoutSize measurePrefix(const LayoutFrame& frame) {
    const LayoutSize child = measureOwnChild(frame);
    return {textWidth(unaryText(frame), frame.wholeAttributes) + child.width, child.height, child.ascent};
}

void drawPrefix(const LayoutFrame& frame, double x, double y) {
    const std::string& text = unaryText(frame);
    drawOwnChild(frame, x + textWidth(text, frame.wholeAttributes), y);
    gfx::drawText(text, {x, y - frame.metric.wholeAscender}, frame.wholeAttributesIn(colorName(frame)));
}

}  // namespace

LayoutSize measureUnaryItem(const LayoutFrame& frame) {
    if (!frame.hasCompanionRows(2)) return {};
    switch (unaryForm(unaryText(frame))) {
        case UnaryForm::radical:
        case UnaryForm::indexedRadical:
            return measureRadical(frame);
        case UnaryForm::brackets:
            return measureBrackets(frame);
        case UnaryForm::prefix:
            return measurePrefix(frame);
    }
    return {};
}

void drawUnaryItem(const LayoutFrame& frame, double x, double y) {
    if (!frame.hasCompanionRows(2)) return;
    switch (unaryForm(unaryText(frame))) {
        case UnaryForm::radical:
            drawRadical(frame, x, y, false);
            return;
        case UnaryForm::indexedRadical:
            drawRadical(frame, x, y, true);
            return;
        case UnaryForm::brackets:
            drawBrackets(frame, x, y);
            return;
        case UnaryForm::prefix:
            drawPrefix(frame, x, y);
            return;
    }
}

}  // namespace duolinear

#include "renderer/JoinItems.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "layout/drawing/ColorMapping.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"
#include "renderer/LayoutInterpreter.h"

namespace duolinear {

namespace {

enum class JoinForm { juxtaposition, operation, exponent, fraction, none };

constexpr std::string_view kJuxtaposition = "🖇";
constexpr std::array<std::string_view, 13> kOperators{"+", "−", "×", "÷", "=", "<", ">", "≤", "≥", "➩", "∙", "±", "?"};
constexpr std::string_view kEmptyOperand = "BLANK";

JoinForm joinForm(std::string_view text) {
    if (text == kJuxtaposition) return JoinForm::juxtaposition;
    if (std::find(kOperators.begin(), kOperators.end(), text) != kOperators.end()) return JoinForm::operation;
    if (text == "^") return JoinForm::exponent;
    if (text == "/") return JoinForm::fraction;
    return JoinForm::none;
}

std::string joinText(const LayoutFrame& frame) {
    return frame.entry(0, 1);
}
std::string leftIndex(const LayoutFrame& frame) {
    return frame.entry(1, 1);
}
std::string rightIndex(const LayoutFrame& frame) {
    return frame.entry(1, 2);
}
std::string colorName(const LayoutFrame& frame) {
    return frame.entry(2, 1);
}

bool isEmptyOperand(std::string_view index) {
    return index == kEmptyOperand;
}

// An operand at the join's size and weight; an empty one is (0, 0, 0).
LayoutSize measureOperand(const LayoutFrame& frame, const std::string& index, std::string_view fontName) {
    if (isEmptyOperand(index)) return {};
    return measureChild(frame, index, fontName, frame.size, frame.weight);
}

void drawOperand(const LayoutFrame& frame, const std::string& index, std::string_view fontName, double x, double y) {
    if (isEmptyOperand(index)) return;
    drawChild(frame, index, fontName, x, y, frame.size, frame.weight);
}

// Two boxes on one baseline.
LayoutSize sideBySide(const LayoutSize& left, const LayoutSize& right, double between) {
    const double ascent = std::max(left.ascent, right.ascent);
    return {left.width + between + right.width, ascent + std::max(left.descent(), right.descent()), ascent};
}

// Juxtaposition and operators.
std::string operatorText(const LayoutFrame& frame) {
    return " " + joinText(frame) + " ";
}

double operatorWidth(const LayoutFrame& frame, JoinForm form) {
    if (form != JoinForm::operation) return 0.0;
    return gfx::measureText(operatorText(frame), frame.wholeAttributes).width;
}

std::string_view operandFontName(const LayoutFrame& frame, JoinForm form) {
    return form == JoinForm::juxtaposition ? std::string_view(frame.fontName) : kDefaultLayoutFontName;
}

LayoutSize measureOperands(const LayoutFrame& frame, JoinForm form) {
    const std::string_view fontName = operandFontName(frame, form);
    return sideBySide(measureOperand(frame, leftIndex(frame), fontName),
                      measureOperand(frame, rightIndex(frame), fontName), operatorWidth(frame, form));
}

void drawOperands(const LayoutFrame& frame, JoinForm form, double x, double y) {
    const std::string_view fontName = operandFontName(frame, form);
    const double leftWidth = measureOperand(frame, leftIndex(frame), fontName).width;
    const double tw = operatorWidth(frame, form);
    drawOperand(frame, leftIndex(frame), fontName, x, y);
    drawOperand(frame, rightIndex(frame), fontName, x + leftWidth + tw, y);
    if (form == JoinForm::operation) {
        gfx::drawText(operatorText(frame), {x + leftWidth, y - frame.metric.wholeAscender},
                      frame.wholeAttributesIn(colorName(frame)));
    }
}

// Exponent: the exponent's box reaches k down into the base's box, measured
// from the base's top.
double exponentOverlap(const LayoutFrame& frame) {
    return frame.metric.wholeAscender - frame.metric.wholeXHeight - frame.smallFont.metrics().descender;
}

struct ExponentParts {
    LayoutSize base;
    LayoutSize exponent;
};

ExponentParts measureExponentParts(const LayoutFrame& frame) {
    return {measureChild(frame, leftIndex(frame), kDefaultLayoutFontName, frame.size, frame.weight),
            measureChild(frame, rightIndex(frame), kDefaultLayoutFontName, frame.smallFont.pointSize(), frame.weight)};
}

LayoutSize measureExponent(const LayoutFrame& frame) {
    const ExponentParts p = measureExponentParts(frame);
    const double k = exponentOverlap(frame);
    return {p.base.width + p.exponent.width, p.base.height + p.exponent.height - k,
            p.base.ascent + p.exponent.height - k};
}

void drawExponent(const LayoutFrame& frame, double x, double y) {
    const ExponentParts p = measureExponentParts(frame);
    const double k = exponentOverlap(frame);
    drawChild(frame, leftIndex(frame), kDefaultLayoutFontName, x, y, frame.size, frame.weight);
    drawChild(frame, rightIndex(frame), kDefaultLayoutFontName, x + p.base.width,
              y - p.base.ascent + k - p.exponent.height + p.exponent.ascent, frame.smallFont.pointSize(),
              heavierFontWeight(frame.weight));
}

// Built-up fraction around the axis y - wholeHalfXHeight.
struct FractionParts {
    LayoutSize numerator;
    LayoutSize denominator;
    double barLength = 0.0;
};

FractionParts measureFractionParts(const LayoutFrame& frame) {
    FractionParts p;
    p.numerator = measureChild(frame, leftIndex(frame), kDefaultLayoutFontName, frame.size, frame.weight);
    p.denominator = measureChild(frame, rightIndex(frame), kDefaultLayoutFontName, frame.size, frame.weight);
    p.barLength = std::max(p.numerator.width, p.denominator.width);
    return p;
}

LayoutSize measureFraction(const LayoutFrame& frame) {
    const Metric& m = frame.metric;
    const FractionParts p = measureFractionParts(frame);
    return {p.barLength, p.numerator.height + p.denominator.height + m.barSpace,
            p.numerator.height + m.wholeHalfXHeight + m.halfBarSpace};
}

void drawFraction(const LayoutFrame& frame, double x, double y) {
    const Metric& m = frame.metric;
    const FractionParts p = measureFractionParts(frame);
    const double axis = y - m.wholeHalfXHeight;
    drawChild(frame, leftIndex(frame), kDefaultLayoutFontName, x + (p.barLength - p.numerator.width) * 0.5,
              axis - m.halfBarSpace - p.numerator.descent(), frame.size, frame.weight);
    drawChild(frame, rightIndex(frame), kDefaultLayoutFontName, x + (p.barLength - p.denominator.width) * 0.5,
              axis + m.halfBarSpace + p.denominator.ascent, frame.size, frame.weight);
    if (gfx::Context* context = gfx::currentContext()) {
        drawLine(*context, cgColor(layoutColor(colorName(frame))), {x, axis}, {x + p.barLength, axis}, m.halfBarSpace);
    }
}

}  // namespace

LayoutSize measureJoinItem(const LayoutFrame& frame) {
    if (!frame.hasCompanionRows(2)) return {};
    const JoinForm form = joinForm(joinText(frame));
    switch (form) {
        case JoinForm::juxtaposition:
        case JoinForm::operation:
            return measureOperands(frame, form);
        case JoinForm::exponent:
            return measureExponent(frame);
        case JoinForm::fraction:
            return measureFraction(frame);
        case JoinForm::none:
            break;
    }
    return {};
}

void drawJoinItem(const LayoutFrame& frame, double x, double y) {
    if (!frame.hasCompanionRows(2)) return;
    const JoinForm form = joinForm(joinText(frame));
    switch (form) {
        case JoinForm::juxtaposition:
        case JoinForm::operation:
            drawOperands(frame, form, x, y);
            return;
        case JoinForm::exponent:
            drawExponent(frame, x, y);
            return;
        case JoinForm::fraction:
            drawFraction(frame, x, y);
            return;
        case JoinForm::none:
            return;
    }
}

}  // namespace duolinear

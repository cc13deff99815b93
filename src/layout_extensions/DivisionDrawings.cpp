#include "layout_extensions/DivisionDrawings.h"

#include <array>
#include <optional>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/TextFunctions.h"
#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/PlugInDrawingSupport.h"
#include "layout_extensions/PlugInMeasurers.h"
#include "platform/gfx/Context.h"

namespace duolinear {

namespace {

constexpr double kRowGap = 5.0;
constexpr double kBarDrop = 2.5;     // of the bar below the quotient row
constexpr double kChoiceGap = 30.0;  // between the dividend's separator and the partial quotients' "+"
const std::string kMinus = "\u2212";

// The four ways a text of these drawings is set: all black on a background,
// or not seen at all.
struct TextSets {
    gfx::TextAttributes hidden, plain, light, dark;
};

TextSets textSets(const gfx::Font& font) {
    return {{font, gfx::Color::clear(), gfx::Color::clear()},
            {font, gfx::Color::black(), gfx::Color::clear()},
            {font, gfx::Color::black(), gfx::Color::lightGray()},
            {font, gfx::Color::black(), gfx::Color::gray()}};
}

// The step count m: a whole number, at least 0.
std::optional<std::int64_t> stepCount(const TextList& locals) {
    const std::optional<std::int64_t> m = parsePlugInInteger(locals[1]);
    return m && *m >= 0 ? m : std::nullopt;
}

// Whether a list holds at least per × count + extra entries.
bool holds(const TextList& list, std::int64_t count, std::int64_t per, std::int64_t extra) {
    const CheckedInt needed = checkedAdd(checkedMultiply(count, per), extra);
    return needed && static_cast<std::uint64_t>(*needed) <= list.size();
}

using Rule = std::array<std::int64_t, 4>;  // column, row of one end; column, row of the other

// `count` rules of four whole numbers each; none when one is not a number.
std::optional<std::vector<Rule>> readRules(const TextList& lines, std::int64_t count) {
    if (!holds(lines, count, 4, 0)) return std::nullopt;
    std::vector<Rule> rules(static_cast<std::size_t>(count));
    for (std::size_t k = 0; k < rules.size(); ++k) {
        for (std::size_t e = 0; e < 4; ++e) {
            const std::optional<std::int64_t> n = parsePlugInInteger(lines[4 * k + e]);
            if (!n) return std::nullopt;
            rules[k][e] = *n;
        }
    }
    return rules;
}

void stroke(gfx::Context* context, gfx::Point from, gfx::Point to) {
    if (context != nullptr) drawLine(*context, gfx::Color::black(), from, to, kPlugInLineWidth);
}

// The upright and the bar of the division bracket over the dividend (from x0
// to barRight), with the upright a gap left of x0.
void drawBracket(gfx::Context* context, double x0, double barRight, double barHeight, double gap, double lh) {
    stroke(context, {x0 - gap, barHeight + lh + kBarDrop}, {x0 - gap, barHeight});
    stroke(context, {x0 - gap - 0.5 * kPlugInLineWidth, barHeight}, {barRight, barHeight});
}

}  // namespace

void drawDivideOp(const std::string& text, const TextList& tableau, const TextList& background, const TextList& lines,
                  const TextList& globals, const TextList& locals, double x, double y, double size) {
    const PlugInSize box = measureDivideOp(size, text, globals, locals);
    if (box.height <= 0.0) return;
    const std::optional<std::int64_t> m = stepCount(locals);
    if (!m) return;
    const std::string& stage = locals[0];
    const CheckedInt ruleCount = stage == "SUBTRACT" ? checkedAdd(*m, 1) : CheckedInt(*m);
    const std::optional<std::vector<Rule>> rules = ruleCount ? readRules(lines, *ruleCount) : std::nullopt;
    if (!rules) return;

    const gfx::Font font = plugInFont(size);
    const TextSets sets = textSets(font);
    const double g = plugInGap(size), d = widthIn(font, "0"), lh = font.metrics().lineHeight;
    const std::string& dividend = globals[0];
    const std::string& divisor = globals[1];
    const std::string& remainder = globals[3];
    const double top = y - box.ascent;
    const double x0 = x + widthIn(font, divisor) + 2.0 * g, x1 = x0 + widthIn(font, dividend);
    const double barHeight = top + lh + kBarDrop;
    const std::size_t divisorColumns = static_cast<std::size_t>(plugInCharacterCount(divisor));

    for (std::size_t i = 0; i < tableau.size(); ++i) {
        const double rowTop = top + static_cast<double>(i) * lh + kRowGap * static_cast<double>((i + 1) / 2);
        const std::vector<std::string> characters = characterStrings(tableau[i]);
        const std::vector<std::string> codes =
            i < background.size() ? characterStrings(background[i]) : std::vector<std::string>();
        double cursor = x;
        for (std::size_t j = 0; j < characters.size(); ++j) {
            if (characters[j] != "B") {
                const std::string code = j < codes.size() ? codes[j] : std::string();
                const gfx::TextAttributes& set = code == "L" ? sets.light : code == "D" ? sets.dark : sets.plain;
                gfx::drawText(characters[j], {cursor, rowTop}, set);
            }
            cursor += d;
            if (j + 1 == divisorColumns) cursor += 2.0 * g;
        }
    }
    if (remainder != "0" && (stage == "SOLUTION" || stage == "SUMMARY")) {
        gfx::drawText(" R " + remainder, {x1, top}, stage == "SOLUTION" ? sets.light : sets.plain);
    }

    gfx::Context* context = gfx::currentContext();
    if (context == nullptr) return;
    drawBracket(context, x0, x1, barHeight, g, lh);
    const double wm = widthIn(font, kMinus);
    double ruleTop = top + 1.5 * kRowGap, minusTop = top + kRowGap - lh;
    for (const Rule& rule : *rules) {
        const auto column = [&](std::int64_t c) { return x0 + static_cast<double>(c) * d; };
        const auto row = [&](std::int64_t q) { return static_cast<double>(q) * lh; };
        stroke(context, {column(rule[0]), ruleTop + row(rule[1])}, {column(rule[2]), ruleTop + row(rule[3])});
        gfx::drawText(kMinus, {column(rule[0]) - wm, minusTop + row(rule[1])}, sets.plain);
        ruleTop += kRowGap;
        minusTop += kRowGap;
    }
}

void drawDividePartialOp(const std::string& text, const TextList& tableau, const TextList& partials,
                         const TextList& globals, const TextList& locals, double x, double y, double size) {
    const PlugInSize box = measureDividePartialOp(size, text, globals, locals);
    if (box.height <= 0.0) return;
    const std::optional<std::int64_t> steps = stepCount(locals);
    if (!steps || !holds(tableau, *steps, 2, 1) || !holds(partials, *steps, 1, 0)) return;
    const std::size_t m = static_cast<std::size_t>(*steps);
    const std::string& stage = locals[0];

    const gfx::Font font = plugInFont(size);
    const TextSets sets = textSets(font);
    const double g = plugInGap(size), lh = font.metrics().lineHeight;
    const std::string& dividend = globals[0];
    const std::string& divisor = globals[1];
    const std::string& quotient = globals[2];
    const std::string& remainder = globals[3];
    const double wq = widthIn(font, quotient), wp = widthIn(font, "+");
    const double top = y - box.ascent;
    const double x0 = x + widthIn(font, divisor) + 2.0 * g, x1 = x0 + widthIn(font, dividend);
    const double p0 = x1 + kChoiceGap + wp, p1 = p0 + wq;
    const double barHeight = top + lh + kBarDrop;
    const bool longSeparator = stage == "GRAB AND CHOOSE" || stage == "PROBLEM" || stage == "CHOOSE";
    const double n = static_cast<double>(m);
    const double separatorEnd = top + lh * (2.0 * n + 2.0) + kRowGap * (n + 1.0) + (longSeparator ? lh : 0.0);
    const bool hasRemainder = remainder != "0";
    gfx::Context* context = gfx::currentContext();

    drawBracket(context, x0, x1 + g + 0.5 * kPlugInLineWidth, barHeight, g, lh);
    stroke(context, {x1 + g, barHeight}, {x1 + g, separatorEnd});

    const gfx::TextAttributes& answer = stage == "SOLUTION"  ? sets.light
                                        : stage == "SUMMARY" ? sets.plain
                                                             : sets.hidden;
    drawTextInRoom(quotient, {x1 - wq, top}, answer, x1 - x, TextAnchor::right);
    if (hasRemainder) gfx::drawText(" R " + remainder, {x1, top}, answer);
    gfx::drawText(divisor, {x, top + lh + kRowGap}, sets.plain);
    gfx::drawText(dividend, {x0, top + lh + kRowGap}, stage == "CHOOSE" ? sets.light : sets.plain);

    // The steps' numbers are right-aligned on the dividend's right edge and
    // the partial quotients on the quotient's; a number wider than its room
    // (the item's left edge to the dividend's right, the separator to the
    // quotient's right) is drawn smaller there.
    const double numberRoom = x1 - x, partialRoom = p1 - (x1 + g + kPlugInLineWidth);
    const auto rightAligned = [&](const std::string& value, double right, double room, double rowTop,
                                  const gfx::TextAttributes& set) {
        drawTextInRoom(value, {right - widthIn(font, value), rowTop}, set, room, TextAnchor::right);
    };
    for (std::size_t k = 0; k < m; ++k) {
        const bool last = k + 1 == m;
        const double rowTop = top + 2.0 * lh + kRowGap + static_cast<double>(k) * (2.0 * lh + kRowGap);
        const double ruleHeight = rowTop + lh + 0.5 * kRowGap;
        const std::string& product = tableau[2 * k + 1];
        // The product and its minus sign shrink together, so that the sign
        // stays inside the item beside it.
        const gfx::Font productFont = font.withSize(shrunkFontSize(kMinus + product, font, numberRoom));
        const double wk = widthIn(productFont, product);
        const double productTop = rowTop + 0.5 * (lh - productFont.metrics().lineHeight);
        gfx::TextAttributes productSet = stage == "CHOICE" && last ? sets.light : sets.plain;
        productSet.font = productFont;
        gfx::drawText(product, {x1 - wk, productTop}, productSet);
        gfx::drawText(kMinus, {x1 - wk - widthIn(productFont, kMinus), productTop}, {productFont});
        rightAligned(partials[k], p1, partialRoom, rowTop,
                     stage == "ADD" || (stage == "CHOICE" && last) ? sets.light : sets.plain);
        const bool lightDifference =
            last && (stage == "GRAB AND CHOOSE" || stage == "GRAB" || (stage == "SOLUTION" && hasRemainder));
        rightAligned(tableau[2 * k + 2], x1, numberRoom, rowTop + lh + kRowGap,
                     lightDifference             ? sets.light
                     : last && stage == "CHOICE" ? sets.hidden
                                                 : sets.plain);
        stroke(context, {x1 - wk, ruleHeight}, {x1, ruleHeight});
        if (last && (stage == "ADD" || stage == "SOLUTION" || stage == "SUMMARY")) {
            stroke(context, {p0, ruleHeight}, {p1, ruleHeight});
            gfx::drawText("+", {p0 - wp, rowTop}, sets.plain);
            rightAligned(quotient, p1, partialRoom, rowTop + lh + kRowGap,
                         stage == "ADD"        ? sets.dark
                         : stage == "SOLUTION" ? sets.light
                                               : sets.plain);
        }
    }
}

}  // namespace duolinear

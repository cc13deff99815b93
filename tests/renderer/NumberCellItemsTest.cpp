// The number cells, blocks and cancelled fractions: what they measure, where
// their rules, strokes and replacement values are drawn, and what a malformed
// item does.

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "layout_extensions/NumberCellRecords.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

const gfx::Font kWholeFont = digitFont(30), kFractionFont = digitFont(22.5);
const gfx::FontMetrics kWhole = kWholeFont.metrics(), kFraction = kFractionFont.metrics();
// The measures at size 30: bar space 5, half of it 2.5.
const double fc = kFraction.capHeight, hx = 0.5 * kWhole.xHeight, bs = 5.0, hbs = 2.5, fh = 2 * fc + bs;
const double kCell = 2 * fc + 6.0;  // a block cell's height: the cell bar room is never below 6

double wholeWidth(const std::string& text) {
    return widthOf(text, kWholeFont);
}
double fractionWidth(const std::string& text) {
    return widthOf(text, kFractionFont);
}

// (A op B) = E as a block; op in blue, the rules in red.
TagLayout block(const TagLayout& a, const TagLayout& b, const TagLayout& e, const std::string& op = "+") {
    return blockLayout(joinLayouts("=", joinLayouts(op, a, b, Color::blue), e, Color::red));
}

TEST(NumberCellItems, MeasureAsTheirKindSays) {
    const LayoutSize plain{0, fh, fc + hx + hbs};
    auto sized = [](LayoutSize s, double width) { return LayoutSize{width, s.height, s.ascent}; };
    const double ow = wholeWidth("+ ");
    const double blockHeight = 3 * kCell + 5 * bs, blockAscent = 0.5 * blockHeight + hx - hbs - bs;
    const CancelBothColors both;
    const std::tuple<const char*, TagLayout, LayoutSize> cases[] = {
        {"whole", wholeLayout(7), sized(plain, wholeWidth("7"))},
        {"fraction", fractionLayout(1, 2), sized(plain, fractionWidth("2"))},
        {"negative fraction", fractionLayout(-3, 4), sized(plain, wholeWidth("-") + fractionWidth("4"))},
        {"mixed number", mixedNumberLayout(2, 1, 3), sized(plain, wholeWidth("2") + fractionWidth("3"))},
        {"mixed number, wider denominator", mixedNumberLayout(2, 1, 12),
         sized(plain, wholeWidth("2") + fractionWidth("12"))},
        {"mixed number, negative numerator", mixedNumberLayout(2, -1, 3),
         sized(plain, wholeWidth("2") + fractionWidth("-1"))},
        {"extended fraction", extendedFractionLayout("×", 3, 4, 2, 2), sized(plain, fractionWidth("4 × 2"))},
        {"extended fraction, negative", extendedFractionLayout("×", -13, 4, 2, 2),
         sized(plain, wholeWidth("-") + fractionWidth("13 × 2"))},
        {"block of wholes",
         block(wholeLayout(12), wholeLayout(7), wholeLayout(19)),
         {ow + wholeWidth("12"), blockHeight, blockAscent}},
        {"block of wholes and fractions",
         block(wholeLayout(1), mixedNumberLayout(2, 1, 3), fractionLayout(13, 4)),
         {ow + wholeWidth("2") + fractionWidth("13"), blockHeight, blockAscent}},
        {"cancel both",
         fractionCancelNumeratorAndDenominatorLayout(6, 8, 3, 4, both),
         {fractionWidth("8"), 4 * fc + 3 * bs, 2 * fc + hx + hbs + bs}},
        {"cancel numerator, wide replacement",
         fractionCancelNumeratorLayout(6, 8, 12),
         {fractionWidth("8"), 3 * fc + 2 * bs, 2 * fc + hx + hbs + bs}},
        {"cancel denominator: a plain fraction's ascent",
         fractionCancelDenominatorLayout(15, 4, 2),
         {fractionWidth("15"), 3 * fc + 2 * bs, fc + hx + hbs}},
        {"cancel, negative numerator",
         fractionCancelNumeratorLayout(-6, 8, -3),
         {wholeWidth("-") + fractionWidth("8"), 3 * fc + 2 * bs, 2 * fc + hx + hbs + bs}},
    };
    for (const auto& [label, layout, size] : cases) expectMeasures(layout, size, label);
}

TEST(NumberCellItems, MalformedItemsStandForNothing) {
    const TagLayout good = block(wholeLayout(12), wholeLayout(7), wholeLayout(19));
    // rows: 1, 4 and 11 the cells, 7 the "+" join (locator 8), 14 the "=" join
    // (locator 15, colour 16), 18 the block
    auto edited = [](TagLayout layout, std::size_t row, std::size_t position, std::string text) {
        layout[row].set(position, text);
        return layout;
    };
    auto shortened = [](TagLayout layout, std::size_t row, std::size_t size) {
        layout[row].resize(size);
        return layout;
    };
    const std::tuple<const char*, TagLayout> cases[] = {
        {"fraction without denominator", shortened(fractionLayout(1, 2), 1, 2)},
        {"fraction without colour row", TagLayout{{"start", "1"}, {"fraction", "1", "2"}}},
        {"mixed number short of a colour", shortened(mixedNumberLayout(1, 2, 3), 2, 3)},
        {"extended fraction without its last operand", shortened(extendedFractionLayout("×", 1, 2, 3, 4), 1, 5)},
        {"cancel without replacement", shortened(fractionCancelNumeratorLayout(6, 8, 3), 1, 3)},
        {"cancel short of a stroke colour", shortened(fractionCancelNumeratorAndDenominatorLayout(6, 8, 3, 4), 2, 6)},
        {"block naming no row", edited(good, 18, 1, "x")},
        {"block naming itself", edited(good, 18, 1, "18")},
        {"block naming a row past the end", edited(good, 18, 1, "99")},
        {"relation without its result", shortened(good, 15, 2)},
        {"operation after the relation", edited(good, 15, 1, "16")},
        {"operand after the operation", edited(good, 8, 2, "9")},
        {"operand that is no index", edited(good, 8, 1, "-1")},
    };
    for (const auto& [label, layout] : cases) expectStandsForNothing(layout, label);
    // A cell of another kind takes the common height and draws nothing.
    const TagLayout odd = block(wholeLayout(12), integerLayout(7), wholeLayout(19));
    EXPECT_NEAR(measureRoot(odd).height, 3 * kCell + 5 * bs, 1e-9);
}

constexpr double kScale = 4.0;

std::unique_ptr<gfx::ImageSurface> renderSharp(const TagLayout& layout, double x, double y) {
    auto image = std::make_unique<gfx::ImageSurface>(200, 160, kScale);
    gfx::DrawingScope scope(image->context());
    drawLayout(layout, std::to_string(layoutRootIndex(layout)), x, y, 30, kMedium);
    return image;
}

TEST(NumberCellItems, FractionStandsAroundTheAxis) {
    const double x = 20, y = 80, axis = y - hx, w = fractionWidth("3");
    const auto image = renderSharp(fractionLayout(3, 4, Color::red, Color::blue), x, y);
    // The red bar spans the cell, and the red numerator's capitals start
    // halfBarSpace + fracCapHeight above the axis; the blue denominator hangs
    // from halfBarSpace below it, centred.
    expectBox(inkIn(*image, gfx::Color::red()), x, axis - hbs - fc, x + w, axis + 0.5 * hbs, 0.5, "numerator and bar");
    const gfx::Rect four = inkIn(*image, gfx::Color::blue());
    EXPECT_NEAR(four.origin.y, axis + hbs, 0.5);
    EXPECT_NEAR(four.origin.y + four.size.height, axis + hbs + fc, 0.5);
    EXPECT_NEAR(four.origin.x + 0.5 * four.size.width, x + 0.5 * w, 0.5);

    // Every kind of cell puts its numerator (and bar) above the axis, its
    // denominator below, a whole part before them.
    const std::tuple<const char*, TagLayout, bool> kinds[] = {
        {"extended fraction", extendedFractionLayout("×", 3, 4, 2, 2, Color::red, Color::blue), false},
        {"mixed number", mixedNumberLayout(2, 1, 3, Color::green, Color::red, Color::blue), true},
    };
    for (const auto& [label, layout, hasWhole] : kinds) {
        const auto cell = renderSharp(layout, x, y);
        const gfx::Rect top = inkIn(*cell, gfx::Color::red()), bottom = inkIn(*cell, gfx::Color::blue());
        EXPECT_TRUE(!top.isEmpty() && top.maxY() <= axis + hbs) << label;
        EXPECT_TRUE(!bottom.isEmpty() && bottom.minY() >= axis) << label;
        const gfx::Rect whole = inkIn(*cell, gfx::Color::green());
        EXPECT_EQ(!whole.isEmpty(), hasWhole) << label;
        EXPECT_LE(whole.isEmpty() ? 0 : whole.maxX(), std::min(top.minX(), bottom.minX())) << label;
    }
}

TEST(NumberCellItems, BlockRulesAndOperator) {
    const double x = 20, y = 80;
    const auto image = renderSharp(block(wholeLayout(12), wholeLayout(7), wholeLayout(19)), x, y);
    const double cx = x + wholeWidth("+ "), r1 = y - hx + fc + 1.5 * bs, r2 = r1 + fh + 2 * bs;
    // Both rules span the whole column exactly, halfBarSpace thick.
    expectBox(inkIn(*image, gfx::Color::red()), cx, r1 - 0.5 * hbs, cx + wholeWidth("12"), r2 + 0.5 * hbs, 0.3,
              "rules");
    // The operator stands left of the column on the middle line.
    const gfx::Rect plus = inkIn(*image, gfx::Color::blue());
    EXPECT_GT(plus.origin.x, x);
    EXPECT_LT(plus.origin.x + plus.size.width, cx);
    EXPECT_LE(plus.origin.y + plus.size.height, y + 0.25);
    // The rule lies barSpace below the baseline of a denominator on line 2.
    EXPECT_NEAR(r1 - (y - hx + hbs + fc), bs, 1e-9);

    // Each cell on its own line of the column, right-aligned in it: A over B,
    // the first rule, E, the second rule.
    const auto cells = renderSharp(
        block(wholeLayout(12, Color::green), wholeLayout(7, Color::magenta), wholeLayout(19, Color::cyan)), x, y);
    const gfx::Rect a = inkIn(*cells, gfx::Color::green()), b = inkIn(*cells, gfx::Color::magenta()),
                    e = inkIn(*cells, gfx::Color::cyan());
    EXPECT_TRUE(a.maxY() <= b.minY() && b.maxY() <= r1 && r1 <= e.minY() && e.maxY() <= r2);
    EXPECT_TRUE(a.minX() >= cx && e.minX() >= cx);
    EXPECT_NEAR(b.maxX(), a.maxX(), 1);
    EXPECT_NEAR(e.maxX(), a.maxX(), 1);

    // An operator whose colour row lacks the colour is drawn black.
    TagLayout cut = block(wholeLayout(12), wholeLayout(7), wholeLayout(19)), black = cut;
    cut[9].resize(1);
    black[9].set(1, "black");
    EXPECT_FALSE(differences(*renderSharp(cut, x, y), *renderSharp(black, x, y)).any);
}

TEST(NumberCellItems, CancelStrokesAndReplacements) {
    const double x = 20, y = 80;
    const CancelBothColors colors{Color::black, Color::black, Color::green, Color::magenta, Color::red, Color::blue};
    const double t = fc + hx + hbs + bs, u = fh - t + fc + 2 * bs, stroke = 0.67 * hbs;
    struct Case {
        const char* label;
        long long numerator;
        double sign;  // the room of a leading "-"
        double width;
    };
    const Case cases[] = {
        {"6 over 8", 6, 0, fractionWidth("8")},
        {"15 over 8: both strokes as wide as 15", 15, 0, fractionWidth("15")},
        {"-6 over 8: the strokes start after the sign", -6, wholeWidth("-"), fractionWidth("8")},
    };
    for (const Case& c : cases) {
        const TagLayout layout = fractionCancelNumeratorAndDenominatorLayout(c.numerator, 8, 3, 4, colors);
        const auto image = renderSharp(layout, x, y);
        const double left = x + c.sign, right = left + c.width, numeratorBase = y - hx - hbs;
        const double near = stroke;  // the stroke's own width reaches past its centre line
        expectBox(inkIn(*image, gfx::Color::red()), left, numeratorBase - fc, right, numeratorBase, near, c.label);
        expectBox(inkIn(*image, gfx::Color::blue()), left, y - hx + hbs, right, y - hx + hbs + fc, near, c.label);
        // The replacements: 3 ends one barSpace above the numerator's capitals,
        // 4 on the box's bottom edge; both centred on the fraction.
        const gfx::Rect three = inkIn(*image, gfx::Color::green()), four = inkIn(*image, gfx::Color::magenta());
        EXPECT_NEAR(three.origin.y + three.size.height, y - t, 0.5) << c.label;
        EXPECT_NEAR(four.origin.y + four.size.height, y + u, 0.5) << c.label;
        EXPECT_NEAR(three.origin.x + 0.5 * three.size.width, left + 0.5 * c.width, 0.5) << c.label;
        EXPECT_NEAR(four.origin.x + 0.5 * four.size.width, left + 0.5 * c.width, 0.5) << c.label;
        // All of it inside the measured box, but for the corners of the
        // strokes' square ends.
        const LayoutSize size = measureRoot(layout);
        const gfx::testing::InkBounds ink = gfx::testing::inkBounds(*image);
        EXPECT_GE(ink.minX / kScale, x - stroke) << c.label;
        EXPECT_LE((ink.maxX + 1) / kScale, x + size.width + stroke) << c.label;
        EXPECT_GE(ink.minY / kScale, y - size.ascent - 0.5) << c.label;
        EXPECT_LE((ink.maxY + 1) / kScale, y - size.ascent + size.height + 0.5) << c.label;
    }
    // A fraction cancelled on one side only draws nothing on the other.
    for (const TagLayout& one : {fractionCancelNumeratorLayout(6, 8, 3), fractionCancelDenominatorLayout(15, 4, 2)}) {
        const LayoutSize size = measureRoot(one);
        const gfx::testing::InkBounds ink = gfx::testing::inkBounds(*renderSharp(one, x, y));
        EXPECT_LE((ink.maxX + 1) / kScale, x + size.width + stroke) << one[1][0];
        EXPECT_GE(ink.minY / kScale, y - size.ascent - 0.5) << one[1][0];
        EXPECT_LE((ink.maxY + 1) / kScale, y - size.ascent + size.height + 0.5) << one[1][0];
    }
}

}  // namespace
}  // namespace duolinear

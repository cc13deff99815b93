// The leaf, join and unary items: what they measure, where they draw.

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "solver/AlignedEquationPair.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

const gfx::Font kWholeFont = digitFont(30), kFractionFont = digitFont(22.5),
                kMono = gfx::Font::monospacedSystem(30, kMedium);
const gfx::FontMetrics kWhole = kWholeFont.metrics(), kFraction = kFractionFont.metrics();
const double kAxis = 80 - 0.5 * kWhole.xHeight;  // of an item drawn on the baseline 80

TagLayout fraction(long long n, long long d, Color texts = Color::black, Color bar = Color::black) {
    return signedRationalLayout(n, d, Color::black, texts, texts, bar);
}

// The join with its left (1) or right (2) locator entry replaced.
TagLayout withOperand(TagLayout join, int side, const std::string& index) {
    join[join.size() - 3].set(side, index);
    return join;
}

TEST(LayoutItems, MeasureAsTheirKindSays) {
    const double w = widthOf("12", kWholeFont), lh = kWhole.lineHeight, asc = kWhole.ascender;
    const double fh = 2 * kFraction.capHeight + 5.0 + lh - kWhole.capHeight;
    const double fa = kFraction.capHeight + 0.5 * kWhole.xHeight + 2.5 + asc - kWhole.capHeight;
    const double k = asc - kWhole.xHeight - digitFont(14).metrics().descender;  // the exponent's reach into its base
    const TagLayout power = joinLayouts("^", integerLayout(5), fraction(3, 4)),
                    eq = joinLayouts("=", power, fraction(3, 4));
    const LayoutSize p = measureRoot(power), f = measureRoot(fraction(3, 4)), e = measureRoot(integerLayout(2), 14);
    const LayoutSize c = measureRoot(integerLayout(12)), d = measureRoot(integerLayout(345));
    const gfx::Font bracket = digitFont(1.125 * c.height, gfx::FontWeight::light());
    const double equals = widthOf(" = ", kWholeFont), rw = widthOf("√", kWholeFont);
    ASSERT_TRUE(p.ascent > f.ascent && f.descent() > p.descent());  // so the joins take the larger of each

    const std::tuple<const char*, TagLayout, LayoutSize> cases[] = {
        {"integer", integerLayout(12), {w, lh, asc}},
        {"integer without its value", {{"start", "1"}, {"integer"}, {"integer_color", "black"}}, {}},
        {"message", messageLayout("12"), {w, lh, asc}},
        {"two-line message", messageLayout("12\n34"), {w, 2 * lh, asc + 0.5 * lh}},
        {"-3/4", fraction(-3, 4), {widthOf("-", kWholeFont) + widthOf("3", kFractionFont), fh, fa}},
        {"12/5", fraction(12, 5), {widthOf("12", kFractionFont), fh, fa}},
        {"+7/12", fraction(7, 12),
         measureRoot({{"start", "1"}, {"rational", "7", "12"}, {"c", "?", "red", "red", "red"}})},
        {"juxtaposition",
         joinLayouts("🖇", power, fraction(3, 4)),
         {p.width + f.width, p.ascent + f.descent(), p.ascent}},
        {"operator", eq, {p.width + equals + f.width, p.ascent + f.descent(), p.ascent}},
        {"empty right operand", withOperand(eq, 2, "BLANK"), {p.width + equals, p.height, p.ascent}},
        {"no operands", withOperand(withOperand(eq, 1, "BLANK"), 2, "BLANK"), {equals, 0, 0}},
        {"empty left side", withOperand(joinLayouts("🖇", power, fraction(3, 4)), 1, "BLANK"), f},
        {"hyphen join", joinLayouts("-", power, power), {}},
        {"exponent",
         joinLayouts("^", integerLayout(12), integerLayout(2)),
         {w + e.width, lh + e.height - k, asc + e.height - k}},
        {"low exponent", joinLayouts("^", integerLayout(12), messageLayout("")), {w, lh - k, asc - k}},
        {"fraction",
         joinLayouts("/", integerLayout(12), integerLayout(345)),
         {d.width, 2 * lh + 5, lh + 0.5 * kWhole.xHeight + 2.5}},
        {"radical", unaryLayout("√", integerLayout(12)), {rw + w, lh + 6.25, asc + 5}},
        {"invisible radical with index",
         unaryLayout("√4", integerLayout(12), Color::invisible),
         {rw + w, lh + 6.25, asc + 5}},
        {"brackets",
         unaryLayout("()", integerLayout(12)),
         {widthOf("(", bracket) + w + widthOf(")", bracket), lh, asc}},
        {"invisible brackets", unaryLayout("||", integerLayout(12), Color::invisible), c},
        {"prefix", unaryLayout("−", integerLayout(12)), {widthOf("−", kWholeFont) + w, lh, asc}},
        {"empty prefix", unaryLayout("", integerLayout(12)), c},
        // In a monospaced font item only juxtapositions pass the font on; a join's
        // operator, a prefix and a radical sign are set in it, other children are not.
        {"monospaced juxtaposition",
         fontLayout(Font::monospaced_system, joinLayouts("🖇", messageLayout("x"), integerLayout(12))),
         {widthOf("x", kMono) + widthOf("12", kMono), lh, asc}},
        {"monospaced operator",
         fontLayout(Font::monospaced_system, joinLayouts("=", integerLayout(12), integerLayout(12))),
         {2 * w + widthOf(" = ", kMono), lh, asc}},
        {"monospaced prefix",
         fontLayout(Font::monospaced_system, unaryLayout("−", integerLayout(12))),
         {widthOf("−", kMono) + w, lh, asc}},
        {"monospaced radical",
         fontLayout(Font::monospaced_system, unaryLayout("√", integerLayout(12))),
         {widthOf("√", kMono) + w, lh + 6.25, asc + 5}},
    };
    for (const auto& [what, layout, expected] : cases) EXPECT_EQ(measureRoot(layout), expected) << what;
}

TEST(LayoutItems, DrawIdenticallyWhereTheyShould) {
    const std::pair<TagLayout, TagLayout> same[] = {
        {fraction(7, 12, Color::red, Color::blue),
         {{"start", "1"}, {"rational", "7", "12"}, {"c", "?", "red", "red", "blue"}}},
        {{{"start", "1"}, {"integer", "12"}, {"integer_color", "Red"}},
         integerLayout(12)},  // unknown colours are black
        {withOperand(joinLayouts("🖇", integerLayout(12), integerLayout(3)), 2, "BLANK"), integerLayout(12)},
        {unaryLayout("[]", integerLayout(12), Color::invisible), integerLayout(12)},
    };
    for (const auto& [a, b] : same) EXPECT_FALSE(differences(*render(a), *render(b)).any) << dumpRow(a[a.size() - 3]);
}

TEST(LayoutItems, TextsSitOnTheBaseline) {
    const auto one = redInk(*render(integerLayout(12, Color::red)));
    EXPECT_NEAR(one.maxY + 1, 80, 1);
    EXPECT_NEAR(one.minY, 80 - kWhole.capHeight, 1.5);
    // A message of two lines keeps its middle where one line's would be.
    EXPECT_NEAR(one.minY - redInk(*render(messageLayout("12\n12", Color::red))).minY, 0.5 * kWhole.lineHeight, 1);
    // Operands are set after the operator's room, exponents reach k into their base.
    const auto eq = render(joinLayouts("=", integerLayout(40), integerLayout(30, Color::blue)));
    EXPECT_NEAR(blueInk(*eq).minX, 20 + widthOf("40", kWholeFont) + widthOf(" = ", kWholeFont), 3);
    const LayoutSize b = measureRoot(integerLayout(5)), e = measureRoot(integerLayout(2), 14);
    const double k = kWhole.ascender - kWhole.xHeight - digitFont(14).metrics().descender;
    EXPECT_NEAR(redInk(*render(joinLayouts("^", integerLayout(5), integerLayout(2, Color::red)))).maxY + 1,
                80 - b.ascent + k - e.height + e.ascent, 1);
}

TEST(LayoutItems, FractionsCentreOnTheAxis) {
    // Bars 2.5 thick on the axis, as long as the longer part; parts 2.5 from the bar's centre line.
    const auto stacked = render(fraction(12, 5, Color::red, Color::blue));
    const auto built =
        render(joinLayouts("/", integerLayout(12, Color::red), integerLayout(345, Color::red), Color::blue));
    const LayoutSize n = measureRoot(integerLayout(12)), d = measureRoot(integerLayout(345));
    const std::tuple<const gfx::ImageSurface*, double, double, double> cases[] = {
        {stacked.get(), widthOf("12", kFractionFont), kAxis - 2.5 - kFraction.capHeight,
         kAxis + 2.5 + kFraction.capHeight},
        {built.get(), d.width, kAxis - 2.5 - n.descent() - kWhole.capHeight, kAxis + 2.5 + d.ascent}};
    for (const auto& [image, length, top, bottom] : cases) {
        const auto bar = blueInk(*image), parts = redInk(*image);
        EXPECT_NEAR(bar.minX, 20, 1);
        EXPECT_NEAR(bar.maxX + 1, 20 + length, 1);
        EXPECT_NEAR(0.5 * (bar.minY + bar.maxY + 1), kAxis, 0.75);
        EXPECT_NEAR(bar.maxY + 1 - bar.minY, 2.5, 1);
        EXPECT_NEAR(parts.minY, top, 1.5);
        EXPECT_NEAR(parts.maxY + 1, bottom, 1.5);
    }
}

// Each case colours one part red: its ink lies in the box where that part
// belongs (to within a point), or there is none.
TEST(LayoutItems, EachPartInksItsOwnPlace) {
    const LayoutSize b = measureRoot(integerLayout(5)), e = measureRoot(integerLayout(2), 14);
    const LayoutSize one = measureRoot(integerLayout(1)), d = measureRoot(integerLayout(345));
    const double k = kWhole.ascender - kWhole.xHeight - digitFont(14).metrics().descender;
    const double minus = widthOf("-", kWholeFont), n1 = widthOf("1", kFractionFont),
                 n345 = widthOf("345", kFractionFont);
    const double w12 = widthOf("12", kWholeFont), opening = widthOf(" = ", kWholeFont);
    const Color k0 = Color::black, red = Color::red;
    const auto box = [](double left, double top, double right, double bottom) {
        return std::optional(gfx::Rect::make(left, top, right - left, bottom - top));
    };
    const std::tuple<const char*, TagLayout, std::optional<gfx::Rect>> cases[] = {
        {"sign of -3/4", signedRationalLayout(-3, 4, red, k0, k0, k0), box(20, kAxis - 8, 20 + minus, kAxis + 8)},
        {"no sign on 3/4", signedRationalLayout(3, 4, red, k0, k0, k0), std::nullopt},
        {"numerator of -1/345", signedRationalLayout(-1, 345, k0, red, k0, k0),
         box(20 + minus + 0.5 * (n345 - n1), kAxis - 2.5 - kFraction.capHeight, 20 + minus + 0.5 * (n345 + n1),
             kAxis - 2.5)},
        {"denominator of 345/1", signedRationalLayout(345, 1, k0, k0, red, k0),
         box(20 + 0.5 * (n345 - n1), kAxis + 2.5, 20 + 0.5 * (n345 + n1), kAxis + 2.5 + kFraction.capHeight)},
        {"numerator of 1 over 345", joinLayouts("/", integerLayout(1, red), integerLayout(345)),
         box(20 + 0.5 * (d.width - one.width), kAxis - 2.5 - one.height, 20 + 0.5 * (d.width + one.width),
             kAxis - 2.5)},
        {"denominator of 345 over 1", joinLayouts("/", integerLayout(345), integerLayout(1, red)),
         box(20 + 0.5 * (d.width - one.width), kAxis + 2.5, 20 + 0.5 * (d.width + one.width),
             kAxis + 2.5 + one.height)},
        {"base of a power", joinLayouts("^", integerLayout(5, red), integerLayout(2)),
         box(20, 80 - kWhole.capHeight, 20 + b.width, 80)},
        {"exponent", joinLayouts("^", integerLayout(5), integerLayout(2, red)),
         box(20 + b.width, 80 - b.ascent + k - e.height, 20 + b.width + e.width, 80 - b.ascent + k)},
        {"right operand", joinLayouts("=", integerLayout(12), integerLayout(12, red)),
         box(20 + w12 + opening, 80 - kWhole.ascender, 20 + 2 * w12 + opening, 80 - kWhole.descender)},
        {"right side of a juxtaposition", joinLayouts("🖇", integerLayout(12), integerLayout(12, red)),
         box(20 + w12, 80 - kWhole.ascender, 20 + 2 * w12, 80 - kWhole.descender)},
        {"operator", joinLayouts("=", integerLayout(12), integerLayout(12), red),
         box(20 + w12, 80 - kWhole.capHeight, 20 + w12 + opening, 80)},
        {"prefix", unaryLayout("−", integerLayout(12), red),
         box(20, 80 - kWhole.capHeight, 20 + widthOf("−", kWholeFont), 80)},
    };
    for (const auto& [what, layout, expected] : cases) {
        const auto ink = redInk(*render(layout));
        EXPECT_EQ(ink.any, expected.has_value()) << what;
        if (!ink.any || !expected) continue;
        EXPECT_GE(ink.minX, expected->minX() - 1) << what;
        EXPECT_LE(ink.maxX + 1, expected->maxX() + 1) << what;
        EXPECT_GE(ink.minY, expected->minY() - 1) << what;
        EXPECT_LE(ink.maxY + 1, expected->maxY() + 1) << what;
    }
}

TEST(LayoutItems, RadicalsAndBracketsDecorateTheirChild) {
    const TagLayout child = integerLayout(49, Color::blue);
    const LayoutSize c = measureRoot(child), r = measureRoot(unaryLayout("√", child));
    const auto plain = render(unaryLayout("√", child, Color::red));
    const auto strokes = redInk(*plain);
    EXPECT_NEAR(strokes.maxX + 1, 20 + r.width, 1.5);    // the overbar ends over the child's right edge
    EXPECT_NEAR(strokes.minY, 80 - c.ascent - 3.75, 1);  // 2.5 thick, centred 2.5 above the child
    EXPECT_GE(strokes.minX, 20);
    // Its three strokes pass through their midpoints: the overbar, the long
    // stroke down to the bottom corner and the short one up to the left.
    const double rw = widthOf("√", kWholeFont), overbar = 80 - c.ascent - 2.5, bottom = 80 + c.descent() - 2.5;
    const gfx::Point through[] = {{20 + rw + 0.5 * c.width, overbar},
                                  {20 + 0.6 * rw, 0.5 * (overbar + bottom)},
                                  {20 + 0.25 * rw, bottom - 0.2 * c.height}};
    for (const gfx::Point p : through) {
        const gfx::Color ink = plain->pixel(static_cast<int>(p.x), static_cast<int>(p.y));
        EXPECT_TRUE(ink.a > 0.5 && ink.r > 0.6 && ink.b < 0.4) << "no stroke through " << p.x << ", " << p.y;
    }
    // Over a tall child the sharp bottom corner still ends inside the item's box.
    const TagLayout tall = unaryLayout("√", joinLayouts("/", child, child), Color::red);
    EXPECT_LE(redInk(*render(tall)).maxY + 1, 80 + measureRoot(tall).descent() + 0.5);
    // The sign is never filled, whatever fill an earlier bar left behind.
    const TagLayout afterBar = joinLayouts("🖇", fraction(1, 2, Color::black, Color::green), unaryLayout("√", child));
    const gfx::Rect bar = inkIn(*render(afterBar), gfx::Color::green());
    EXPECT_LE(bar.maxX(), 20 + measureRoot(fraction(1, 2)).width + 1);
    // Only an index adds a digit, in the upper left of the item's box, in
    // the item's colour.
    const auto indexed = render(unaryLayout("√4", child, Color::red));
    const auto digit = differences(*plain, *indexed);
    ASSERT_TRUE(digit.any);
    EXPECT_LT(digit.maxX, 20 + 0.05 * widthOf("√", kWholeFont) + widthOf("4", digitFont(14)) + 1);
    EXPECT_TRUE(digit.minY >= 80 - r.ascent && digit.maxY < 80 - c.ascent + 0.5 * c.height);
    const gfx::testing::PixelRegion digitRegion{digit.minX, digit.minY, digit.maxX + 1, digit.maxY + 1};
    EXPECT_EQ(gfx::testing::countWhere(
                  *indexed, [](gfx::Color ink) { return ink.a > 0.5 && ink.r < 0.4; }, digitRegion),
              0);

    const auto brackets = render(unaryLayout("()", child, Color::red));
    EXPECT_TRUE(redInk(*brackets).minX < blueInk(*brackets).minX && redInk(*brackets).maxX > blueInk(*brackets).maxX);
}

// The rule under an aligned equation pair is a row of en dashes. Drawn glyph
// by glyph, neighbouring dashes meet at fractional pixel positions and their
// anti-aliased edges leave lighter columns; it must read as one unbroken line
// at 1x and at 2x, at sizes that put the joins anywhere within a pixel.
TEST(LayoutItems, ARunOfEnDashesIsOneUnbrokenRule) {
    const std::vector<PolyEquation> pair{
        PolyEquation{Polynomial{{Monomial{Rational{12, 1}, 1, 'x'}, Monomial{Rational{-3, 1}, 1, 'y'}}},
                     Polynomial{Monomial{Rational{7, 1}, 0}}},
        PolyEquation{Polynomial{{Monomial{Rational{-5, 1}, 1, 'x'}, Monomial{Rational{40, 1}, 1, 'y'}}},
                     Polynomial{Monomial{Rational{-100, 1}, 0}}}};
    const TagLayout rule = alignedEquationPairTags(pair, {}).at(2);
    for (double scale : {1.0, 2.0}) {
        for (double size : {13.0, 17.0, 20.3, 24.7}) {
            gfx::ImageSurface image(400, 60, scale);
            {
                gfx::DrawingScope scope(image.context());
                drawLayout(rule, std::to_string(layoutRootIndex(rule)), 10, 40, size, kMedium);
            }
            // The pixel row through the rule: the one with the most ink.
            int best = 0;
            double bestInk = 0.0;
            for (int y = 0; y < image.pixelHeight(); ++y) {
                double ink = 0.0;
                for (int x = 0; x < image.pixelWidth(); ++x) ink += image.pixel(x, y).a;
                if (ink > bestInk) std::tie(best, bestInk) = std::tie(y, ink);
            }
            int first = -1;
            int last = -1;
            for (int x = 0; x < image.pixelWidth(); ++x) {
                if (image.pixel(x, best).a < 0.05) continue;
                if (first < 0) first = x;
                last = x;
            }
            // From the left edge to the end of the dashes' advance.
            const double width = measureRoot(rule, size).width;
            EXPECT_NEAR(first, 10 * scale, 1.0) << "scale " << scale << ", size " << size;
            EXPECT_NEAR(last + 1, (10 + width) * scale, 1.0) << "scale " << scale << ", size " << size;
            // Inside its two end pixels the rule is equally dark everywhere.
            double lightest = 1.0;
            double darkest = 0.0;
            for (int x = first + 1; x < last; ++x) {
                lightest = std::min(lightest, image.pixel(x, best).a);
                darkest = std::max(darkest, image.pixel(x, best).a);
            }
            EXPECT_LT(darkest - lightest, 0.02) << "scale " << scale << ", size " << size << ": a gap in the rule";
        }
    }
}

}  // namespace
}  // namespace duolinear

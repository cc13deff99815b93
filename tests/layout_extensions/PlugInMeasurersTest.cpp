// The plug-in measurers against sizes worked out from the fonts, the
// malformed records they refuse, and text turned about a point.

#include <cmath>
#include <cstring>
#include <numbers>

#include <cairo.h>
#include <gtest/gtest.h>

#include "layout_extensions/PlugInMeasurers.h"
#include "layout_extensions/RotatedText.h"
#include "platform/gfx/GfxTestSupport.h"

namespace duolinear {
namespace {

constexpr double S = 30, m = 10;  // S / 5 is below the smallest margin

gfx::Font font(double share) {
    return gfx::Font::monospacedDigitSystem(share * S, gfx::FontWeight::medium());
}
double w(const std::string& text, double share = 1) {
    return gfx::measureText(text, {font(share)}).width;
}
const double L = font(1).metrics().lineHeight;

TEST(PlugInMeasurers, SizesFollowTheirFormulas) {
    const gfx::FontMetrics a = font(0.75).metrics(), b = font(0.9).metrics(), c = font(1).metrics();
    const double cell = 2 * std::max(0.5 * (a.lineHeight + a.capHeight), w("8⁸", 0.75) + 1.25);
    const double gridCell = std::max({a.lineHeight, w("888", 0.75) + 5, L, w("88") + 5});
    const TextList divide{"1234", "7", "", "0"}, divide3{"1234", "7", "", "3"};
    const std::tuple<const char*, PlugInSize, double, double> cases[] = {
        {"lattice 2 × 3", measureLatticeMultiply(S, 2, 3),
         3 * cell + w("8", 0.9) + b.ascender - b.capHeight - c.descender + w("8"),
         2 * cell + b.lineHeight + c.lineHeight},
        {"grid 2 × 3, headings 20 and 3", measureGridMultiply(S, 2, 3, 2, 1), 3 * gridCell - c.descender + w("8"),
         2 * gridCell + L},
        {"long division, multiplying", measureDivideOp(S, "", divide, {"MULTIPLY", "0"}), w("71234") + 2 * m,
         3 * L + 5},
        {"remainder 3, subtracting", measureDivideOp(S, "", divide3, {"SUBTRACT", "1.5"}),
         w("71234") + 2 * m + w(" R 3"), (2 * L + 5) * 2.5 + 2 * L + 5},
        {"partial division, choosing", measureDividePartialOp(S, "", {"1234", "7", "176", "2"}, {"CHOOSE", "1"}),
         w("7") + 2 * m + w("1234") + 30 + w("+") + m + w("176"), 5 * L + 10},
        // The label "1" is higher than it is wide: its band is its height.
        {"column addition, one column", measureAddColumn(S, "+", 3, 2, 1), w("+1") + m,
         3 * L + 20 + gfx::measureText("1", {font(0.5)}).height + 5},
        {"counting down", measureCountOp(S, "", {"COUNT DOWN", "3"}, {"STEP", "2"}), w("−100") + m,
         5 * L + 40 + w("100", 0.5)},
        {"counting up, summary", measureCountOp(S, "", {"UP", "2", "1"}, {"SUMMARY", "0"}),
         w("+10") + m + 30 + w("+1") + m, L + 10 + w("10", 0.5)},
        {"tableau, c = g2 + 1: R = g2 + 3", measureTableauOp(S, "", {"", "2", "1"}, {"2"}), w("+10") + 2 * m,
         3 * L + font(0.7).metrics().lineHeight + w("10", 0.5) + 45},
        {"tableau, c = g2 + 5: R = c", measureTableauOp(S, "", {"", "2", "1"}, {"6"}), w("+10") + 2 * m,
         5 * L + font(0.7).metrics().lineHeight + w("10", 0.5) + 55},
    };
    for (const auto& [label, size, width, height] : cases) {
        EXPECT_NEAR(size.width, width, 1e-9) << label;
        EXPECT_NEAR(size.height, height, 1e-9) << label;
        EXPECT_EQ(size.ascent, 0.5 * size.height) << label;
    }
}

TEST(PlugInMeasurers, MalformedRecordsMeasureNothing) {
    const TextList g{"1234", "7", "", "0"};
    const PlugInSize cases[] = {
        measureLatticeMultiply(S, 2, 0),                                       // no columns
        measureLatticeMultiply(0, 1, 1),                                       // size 0
        measureGridMultiply(S, -1, 2, 1, 1),                                   // negative rows
        measureGridMultiply(S, 1, 2, 22, 1),                                   // a heading longer than a number
        measureAddColumn(S, "+", 1, 1, 0),                                     // 10 to the power -1
        measureAddColumn(S, "+", 1, 1, 20),                                    // 20 columns
        measureAddColumn(S, "+", -1, 1, 1),                                    // negative lines
        measureTableauOp(S, "", {"", "two", "1"}, {"2"}),                      // columns not a number
        measureTableauOp(S, "", {"", "2", "1"}, {}),                           // no locals
        measureDivideOp(S, "", g, {"MULTIPLY", "-1"}),                         // negative steps
        measureDivideOp(S, "", g, {"MULTIPLY", "1e3"}),                        // steps in exponent form
        measureDividePartialOp(S, "", g, {"ADD", "nan"}),                      // steps not a number
        measureCountOp(S, "", {"UP", "2", "0"}, {"COUNT", "1"}),               // no count-up digits
        measureCountOp(S, "", {"UP", "99999999999999999999"}, {"STEP", "1"}),  // past 64 bits
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i], PlugInSize{}) << "case " << i;
}

TEST(RotatedText, TurnsAboutThePointAndRestoresTheTransform) {
    drawRotatedText("1000", {font(1)}, 50, 40, 1.0);  // no current context: nothing is drawn
    gfx::ImageSurface image(200, 200);
    image.context().translate(10, 20);  // the caller's own shift, kept afterwards
    cairo_matrix_t before, after;
    cairo_get_matrix(image.context().cairo(), &before);
    const gfx::Size size = gfx::measureText("1000", {font(1)});
    {
        gfx::DrawingScope scope(image.context());
        drawRotatedText("1000", {font(1)}, 50, 40, std::numbers::pi / 2);
    }
    cairo_get_matrix(image.context().cairo(), &after);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    // A quarter turn clockwise: the text runs down from (60, 60), centred on x = 60.
    const gfx::testing::InkBounds ink = gfx::testing::inkBounds(image);
    ASSERT_TRUE(ink.any);
    EXPECT_TRUE(ink.minY >= 59 && ink.maxY <= 61 + size.width);
    EXPECT_TRUE(ink.minX >= 59 - 0.5 * size.height && ink.maxX <= 61 + 0.5 * size.height);
    EXPECT_GT(ink.maxY - ink.minY, ink.maxX - ink.minX);
}

}  // namespace
}  // namespace duolinear

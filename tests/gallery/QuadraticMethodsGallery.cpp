// Worked solutions by the formula and by completing the square, every step
// drawn by the step renderer into a phone's step band (its comment above it),
// one PNG per step: gallery/quadratic-<method>-<name>-<step>.png. Each line
// must fit the band's width and no ink may leave the band.

#include <string>

#include "gallery/Gallery.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"
#include "quadratic/QuadraticSteps.h"
#include "renderer/LayoutInterpreter.h"
#include "renderer/StepLines.h"

namespace duolinear::gallery {
namespace {

// A phone's step band and the comment band above it, in points.
constexpr double kMargin = 10, kCommentHeight = 30, kBandWidth = 380, kBandHeight = 586, kBaseSize = 30;

Monomial term(std::int64_t numerator, std::int64_t denominator, std::uint64_t exponent) {
    return Monomial{Rational{numerator, denominator}, exponent};
}

void drawSolution(Quadratic_method method, const std::string& name, const PolyEquation& equation) {
    const WorkedSteps worked = quadraticSteps(method, equation, {.highlight = true});
    const std::string prefix = "quadratic-" + std::string(method == Quadratic_method::formula ? "formula" : "square");
    ASSERT_GE(worked.steps.size(), 3u) << name;
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const gfx::Rect band = gfx::Rect::make(kMargin, kMargin + kCommentHeight, kBandWidth, kBandHeight);
    for (std::size_t i = 0; i < worked.steps.size(); ++i) {
        const StepLines& lines = worked.steps[i];
        const std::string what = prefix + "-" + name + " step " + std::to_string(i);
        const LineFontSizes sizes = fitLineFontSizes(lines, band.width(), band.height(), kBaseSize, weight);
        ASSERT_EQ(sizes.size(), lines.size()) << what;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_LE(measureLayout(lines[k], lineRootIndex(lines[k]), sizes[k].fitted, weight).width, band.width())
                << what << " line " << k;
        }
        auto image = blankPicture(band.width() + 2 * kMargin, band.maxY() + kMargin);
        {
            gfx::DrawingScope scope(image->context());
            drawStepLines(lines, sizes, band.minX(), band.minY());
        }
        EXPECT_TRUE(inkWithin(*image, band)) << what;
        {
            gfx::DrawingScope scope(image->context());
            drawTextRows(worked.comments[i], true, gfx::Color::black(), gfx::Color::clear(), kMargin, kMargin,
                         kBandWidth, kCommentHeight, kBaseSize * 0.7, weight);
        }
        savePicture(*image, prefix + "-" + name + "-" + std::to_string(i) + ".png");
    }
}

TEST(QuadraticMethodsGallery, EveryStepOfEachMethodFitsAPhoneBand) {
    // ½x² + ⅓x = 1: rearranged, a fraction b bracketed when squared, surds.
    const PolyEquation fractions{{term(1, 2, 2), term(1, 3, 1)}, {term(1, 1, 0)}};
    drawSolution(Quadratic_method::formula, "fractions", fractions);
    drawSolution(Quadratic_method::complete_the_square, "fractions", fractions);
    // 2x² = 8 − 6x: divided by 2, halves and quarters, two rational roots.
    drawSolution(Quadratic_method::complete_the_square, "rational",
                 PolyEquation{{term(2, 1, 2)}, {term(8, 1, 0), term(-6, 1, 1)}});
}

}  // namespace
}  // namespace duolinear::gallery

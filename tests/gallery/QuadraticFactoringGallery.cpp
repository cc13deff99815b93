// Two worked solutions of the factoring method, every step drawn by the step
// renderer into a phone's step band (its comment above it), one PNG per step:
// gallery/quadratic-factoring-<name>-<step>.png. Each line must fit the band's
// width and no ink may leave the band.

#include <string>

#include "gallery/Gallery.h"
#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/Context.h"
#include "quadratic/FactoringSteps.h"
#include "renderer/LayoutInterpreter.h"
#include "renderer/StepLines.h"

namespace duolinear::gallery {
namespace {

// A phone's step band and the comment band above it, in points.
constexpr double kMargin = 10, kCommentHeight = 30, kBandWidth = 380, kBandHeight = 586, kBaseSize = 30;

Monomial term(std::int64_t numerator, std::int64_t denominator, std::uint64_t exponent, char letter = 'x') {
    return Monomial{Rational{numerator, denominator}, exponent, letter};
}

void drawSolution(const std::string& name, const WorkedSteps& worked) {
    ASSERT_GE(worked.steps.size(), 4u) << name;
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const gfx::Rect band = gfx::Rect::make(kMargin, kMargin + kCommentHeight, kBandWidth, kBandHeight);
    for (std::size_t i = 0; i < worked.steps.size(); ++i) {
        const StepLines& lines = worked.steps[i];
        const std::string what = name + " step " + std::to_string(i);
        const LineFontSizes sizes = fitLineFontSizes(lines, band.width(), band.height(), kBaseSize, weight);
        ASSERT_EQ(sizes.size(), lines.size()) << what;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_LE(measureLayout(lines[k], lineRootIndex(lines[k]), sizes[k].fitted, weight).width, band.width())
                << what << " line " << k;
        }
        auto lineImage = blankPicture(band.width() + 2 * kMargin, band.maxY() + kMargin);
        {
            gfx::DrawingScope scope(lineImage->context());
            drawStepLines(lines, sizes, band.minX(), band.minY());
        }
        EXPECT_TRUE(inkWithin(*lineImage, band)) << what;

        {
            gfx::DrawingScope scope(lineImage->context());
            drawTextRows(worked.comments[i], true, gfx::Color::black(), gfx::Color::clear(), kMargin, kMargin,
                         kBandWidth, kCommentHeight, kBaseSize * 0.7, weight);
        }
        savePicture(*lineImage, "quadratic-factoring-" + name + "-" + std::to_string(i) + ".png");
    }
}

TEST(QuadraticFactoringGallery, EveryStepOfTwoSolutionsFitsAPhoneBand) {
    // ½x² + x = 4: fractions cleared, sides collected, factored, solved.
    drawSolution("half-x-squared",
                 factoringSteps(PolyEquation{{term(1, 2, 2), term(1, 1, 1)}, {term(4, 1, 0)}}, {.highlight = true}));
    // 0 = −2y² + 4y + 6: sides exchanged, −2 taken out, factored in y.
    drawSolution("in-y", factoringSteps(PolyEquation{{term(0, 1, 0, 'y')},
                                                     {term(-2, 1, 2, 'y'), term(4, 1, 1, 'y'), term(6, 1, 0, 'y')}},
                                        {.highlight = true}));
}

}  // namespace
}  // namespace duolinear::gallery

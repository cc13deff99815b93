// Worked solutions by the formula and by completing the square, every step
// drawn by the step renderer into a phone's step band (its comment above it),
// one PNG per step: gallery/quadratic-<method>-<name>-<step>.png. Each line
// must fit the band's width and no ink may leave the band.

#include <string>

#include "gallery/RendererPictures.h"
#include "quadratic/QuadraticSteps.h"

namespace duolinear::gallery {
namespace {

Monomial term(std::int64_t numerator, std::int64_t denominator, std::uint64_t exponent) {
    return Monomial{Rational{numerator, denominator}, exponent};
}

void drawSolution(Quadratic_method method, const std::string& name, const PolyEquation& equation) {
    const WorkedSteps worked = quadraticSteps(method, equation, {.highlight = true});
    const std::string prefix = "quadratic-" + std::string(method == Quadratic_method::formula ? "formula" : "square");
    ASSERT_GE(worked.steps.size(), 3u) << name;
    drawStepsInPhoneBand(worked, prefix + "-" + name);
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

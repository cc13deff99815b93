// Two worked solutions of the factoring method, every step drawn by the step
// renderer into a phone's step band (its comment above it), one PNG per step:
// gallery/quadratic-factoring-<name>-<step>.png. Each line must fit the band's
// width and no ink may leave the band.

#include <string>

#include "gallery/RendererPictures.h"
#include "quadratic/FactoringSteps.h"

namespace duolinear::gallery {
namespace {

Monomial term(std::int64_t numerator, std::int64_t denominator, std::uint64_t exponent, char letter = 'x') {
    return Monomial{Rational{numerator, denominator}, exponent, letter};
}

void drawSolution(const std::string& name, const WorkedSteps& worked) {
    ASSERT_GE(worked.steps.size(), 4u) << name;
    drawStepsInPhoneBand(worked, "quadratic-factoring-" + name);
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

// Factored polynomials as the renderer draws them: a few polynomials and an
// equation in the three styles, and the before and after pictures of
// guess-and-check factoring steps. Each picture must keep its ink inside the
// box its layout was measured to fill.

#include <string>
#include <vector>

#include "gallery/RendererPictures.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear::gallery {
namespace {

// Draws the layout alone on a picture that fits it, saves it as NAME and
// checks the ink against the measured box (brackets may rise above it).
void drawAndSave(const TagLayout& layout, const std::string& name) {
    drawLayoutPicture(layout, name, {.margin = 12, .rise = kBracketRise});
}

Term_XL term(std::int64_t n, std::int64_t d, std::uint64_t e, std::vector<Factor> factors = {}) {
    return Term_XL{Monomial{Rational{n, d}, e}, std::move(factors)};
}

TEST(FactoredPolynomialsGallery, PolynomialsInEachStyle) {
    // 3(x + 1)²
    const Polynomial_XL square{{{term(1, 1, 1), term(1, 1, 0)}, {term(3, 1, 0, {{0, 2}})}}};
    // −(2x − 1)(x + 3)
    const Polynomial_XL negative{
        {{term(2, 1, 1), term(-1, 1, 0)}, {term(1, 1, 1), term(3, 1, 0)}, {term(-1, 1, 0, {{0, 1}, {1, 1}})}}};
    // x³ − ⅔x(x − 1)²(x + 2)
    const Polynomial_XL mixed{{{term(1, 1, 1), term(-1, 1, 0)},
                               {term(1, 1, 1), term(2, 1, 0)},
                               {term(1, 1, 3), term(-2, 3, 1, {{0, 2}, {1, 1}})}}};
    const std::vector<std::pair<Style, std::string>> styles{
        {Style::fraction, "fraction"}, {Style::rational_fraction, "rational-fraction"}, {Style::decimal, "decimal"}};
    for (const auto& [style, name] : styles) {
        drawAndSave(xlRootLayout(style, square), "factored-square-" + name + ".png");
        drawAndSave(xlRootLayout(style, negative), "factored-negative-" + name + ".png");
        drawAndSave(xlRootLayout(style, mixed), "factored-mixed-" + name + ".png");
    }
    // (x + ½)² = 5/4, with the half marked as the completing-the-square step marks it.
    Polynomial_XL completed{{{term(1, 1, 1), term(1, 2, 0)}, {term(1, 1, 0, {{0, 2}})}}};
    completed.terms[0][1].monomial.coefficient = recolorRational(Rational{1, 2}, Color::red);
    const Polynomial_Equation_XL equation{completed, Polynomial_XL{{{term(5, 4, 0)}}}};
    drawAndSave(xlEquationLayout(Style::fraction, equation), "factored-equation.png");
}

TEST(FactoredPolynomialsGallery, GuessAndCheckSteps) {
    // 6x² + 7x + 2, then 2(x + 1)(x² − 5x + 6) with its last factor factored.
    const Polynomial_XL plain{{{term(6, 1, 2), term(7, 1, 1), term(2, 1, 0)}}};
    const Polynomial_XL factored{{{term(1, 1, 1), term(1, 1, 0)},
                                  {term(1, 1, 2), term(-5, 1, 1), term(6, 1, 0)},
                                  {term(2, 1, 0, {{0, 1}, {1, 1}})}}};
    const std::vector<std::pair<Polynomial_XL, std::string>> steps{{plain, "plain"}, {factored, "factored"}};
    for (const auto& [polynomial, name] : steps) {
        const auto pictures = factorFocusGroupPictures(Color::red, polynomial);
        ASSERT_TRUE(pictures) << name;
        drawAndSave(xlRootLayout(Style::fraction, (*pictures)[0]), "guess-and-check-" + name + "-before.png");
        drawAndSave(xlRootLayout(Style::fraction, (*pictures)[1]), "guess-and-check-" + name + "-after.png");
    }
    // Taking the common factor out of 6x² + 9x.
    const auto common = commonFactorPictures(false, Color::blue, Polynomial_XL{{{term(6, 1, 2), term(9, 1, 1)}}});
    ASSERT_TRUE(common);
    drawAndSave(xlRootLayout(Style::fraction, (*common)[0]), "common-factor-before.png");
    drawAndSave(xlRootLayout(Style::fraction, (*common)[1]), "common-factor-after.png");
}

}  // namespace
}  // namespace duolinear::gallery

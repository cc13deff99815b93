// Rational expressions as the renderer draws them: the whole simplification
// of three quotients, each picture in order (the marked before, the rewritten
// after, then the closing pictures of the final form). Each picture must keep
// its ink inside the box its layout was measured to fill.

#include <functional>
#include <string>
#include <vector>

#include "gallery/RendererPictures.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear::gallery {
namespace {

void drawAndSave(const Rational_Expression& expression, const std::string& name) {
    drawLayoutPicture(rationalExpressionTags(expression, false), name, {.margin = 12, .rise = kBracketRise});
}

Term_XL term(std::int64_t n, std::uint64_t e) {
    return Term_XL{Monomial{Rational{n, 1}, e}, {}};
}

// Applies the first picture rewrite that applies until none does (terms
// written with a 0 dropped first, a shared factor that no other rewrite
// shows written out last), drawing
// every picture and clearing the marks before the next step, then draws the
// closing pictures.
void drawSimplification(Rational_Expression expression, const std::string& name) {
    using Step = std::function<std::optional<ExpressionPictures>(const Rational_Expression&)>;
    const std::vector<Step> steps{zeroTermPictures,
                                  sortedPictures,
                                  negativeOnePictures,
                                  [](const Rational_Expression& e) { return commonFactorPictures(e); },
                                  factorPictures,
                                  cancellationPictures,
                                  splitCommonMonomialPictures,
                                  sharedFactorPictures};
    int count = 0;
    const auto save = [&](const Rational_Expression& e) {
        ++count;
        drawAndSave(e, "rational-" + name + "-" + (count < 10 ? "0" : "") + std::to_string(count) + ".png");
    };
    for (int round = 0; round < 20; ++round) {
        std::optional<ExpressionPictures> pictures;
        for (const Step& step : steps) {
            if ((pictures = step(expression))) break;
        }
        if (!pictures) break;
        for (const Rational_Expression& picture : *pictures) save(picture);
        expression = recolored((*pictures)[1], Color::black);  // each step marks only its own change
    }
    const std::optional<std::vector<Rational_Expression>> closing = finalFormPictures(expression);
    ASSERT_TRUE(closing) << name;
    for (const Rational_Expression& picture : *closing) save(picture);
}

TEST(RationalExpressionsGallery, WholeSimplifications) {
    // (2x³ − 2x)/(4x² + 4x) = (x − 1)/2
    drawSimplification(
        Rational_Expression{Polynomial_XL{{{term(2, 3), term(-2, 1)}}}, Polynomial_XL{{{term(4, 2), term(4, 1)}}}},
        "cubic");
    // (5x − x² − 6)/(9 − x²) = (x − 2)/(x + 3)
    drawSimplification(Rational_Expression{Polynomial_XL{{{term(5, 1), term(-1, 2), term(-6, 0)}}},
                                           Polynomial_XL{{{term(9, 0), term(-1, 2)}}}},
                       "signs");
    // (x⁴ + 3x² + 2)/(x² + 1) = x² + 2: the shared x² + 1 has no rational root
    drawSimplification(Rational_Expression{Polynomial_XL{{{term(1, 4), term(3, 2), term(2, 0)}}},
                                           Polynomial_XL{{{term(1, 2), term(1, 0)}}}},
                       "shared");
}

}  // namespace
}  // namespace duolinear::gallery

// The two pictures of a side with its variable replaced by its negative.

#include "algebra/PolynomialQueries.h"

namespace duolinear {

namespace {

// Odd powers change sign (blue), even powers do not (red).
Color substitutionColor(std::uint64_t exponent) {
    return exponent % 2 == 1 ? Color::blue : Color::red;
}

// ±1·letter^exponent drawn entirely in color.
Term_XL signedPower(bool negative, char letter, std::uint64_t exponent, Color color) {
    const Rational one = coloredRational(negative ? -1 : 1, 1, color);
    return Term_XL{Monomial{one, exponent, letter, color}, {}};
}

// secondStage false: a(-x)^n; true: a(∓x^n)^1.
Polynomial_XL substituted(const Polynomial& side, bool secondStage) {
    Polynomial_XL result;
    std::vector<Term_XL> top;
    for (const Monomial& term : side.terms) {
        if (term.exponent == 0) {
            top.push_back(Term_XL{term, {}});
            continue;
        }
        const std::uint64_t n = term.exponent;
        const Color color = substitutionColor(n);
        const std::uint64_t group = result.terms.size();
        if (secondStage) {
            result.terms.push_back({signedPower(n % 2 == 1, term.variable, n, color)});
        } else {
            result.terms.push_back({signedPower(true, term.variable, 1, color)});
        }
        const Monomial coefficientOnly{term.coefficient, 0, term.variable, color};
        top.push_back(Term_XL{coefficientOnly, {Factor{group, secondStage ? 1 : n, color, color}}});
    }
    result.terms.push_back(std::move(top));
    return result;
}

}  // namespace

std::array<Polynomial_XL, 2> negativeVariableSubstitution(bool /*flag*/, const Polynomial& side) {
    return {substituted(side, false), substituted(side, true)};
}

}  // namespace duolinear

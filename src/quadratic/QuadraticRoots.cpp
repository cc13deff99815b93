#include "quadratic/QuadraticRoots.h"

#include <array>
#include <cstdint>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"

namespace duolinear {

namespace {

// The sum of the coefficients of one side's terms of the given exponent.
std::optional<Rational> sideSum(const Polynomial& side, std::uint64_t exponent) {
    std::optional<Rational> sum = Rational{0, 1};
    for (const Monomial& term : side.terms) {
        if (term.exponent == exponent && sum) sum = rationalSum(term.coefficient, *sum);
    }
    return sum;
}

// The coefficient of the exponent in LHS − RHS.
std::optional<Rational> coefficientOf(const PolyEquation& equation, std::uint64_t exponent) {
    const std::optional<Rational> left = sideSum(equation.LHS, exponent);
    const std::optional<Rational> right = sideSum(equation.RHS, exponent);
    if (!left || !right) return std::nullopt;
    return rationalDifference(*left, *right);
}

// numerator / denominator in lowest terms with a positive denominator, black.
std::optional<Rational> reducedFraction(CheckedInt numerator, CheckedInt denominator) {
    if (!numerator || !denominator) return std::nullopt;
    return reducedRational(Rational{*numerator, *denominator});
}

Quadratic_solution rationalRoot(const Rational& value) {
    return Quadratic_solution{value, Rational{0, 1}, 0};
}

}  // namespace

std::optional<QuadraticRoots> quadraticRoots(const PolyEquation& equation) {
    std::array<Rational, 3> abc;  // a, b, c: the coefficients of exponents 2, 1, 0
    for (std::uint64_t exponent = 0; exponent <= 2; ++exponent) {
        const std::optional<Rational> coefficient = coefficientOf(equation, exponent);
        if (!coefficient) return std::nullopt;
        abc[2 - exponent] = *coefficient;
    }
    if (abc[0].numerator == 0) return std::nullopt;

    // Clear the fractions and make the x² coefficient positive.
    const std::optional<std::int64_t> partial = lcm(abc[0].denominator, abc[1].denominator);
    const std::optional<std::int64_t> common = partial ? lcm(*partial, abc[2].denominator) : std::nullopt;
    const CheckedInt scale = abc[0].numerator < 0 ? checkedNegate(common) : CheckedInt{common};
    if (!scale) return std::nullopt;
    std::array<std::int64_t, 3> integers{};  // A, B, C
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<Rational> product = rationalProduct(Rational{*scale, 1}, abc[i]);
        if (!product) return std::nullopt;
        integers[i] = product->numerator;
    }
    const std::int64_t A = integers[0], B = integers[1], C = integers[2];

    const CheckedInt discriminant =
        checkedSubtract(checkedMultiply(B, B), checkedMultiply(checkedMultiply(std::int64_t{4}, A), C));
    const CheckedInt twoA = checkedMultiply(std::int64_t{2}, A);
    const CheckedInt minusB = checkedNegate(B);
    if (!discriminant || !twoA || !minusB) return std::nullopt;

    if (*discriminant < 0) return QuadraticRoots{std::nullopt, std::nullopt, Quadratic_status::none};
    if (*discriminant == 0) {
        const std::optional<Rational> root = reducedFraction(minusB, twoA);
        if (!root) return std::nullopt;
        return QuadraticRoots{rationalRoot(*root), rationalRoot(*root), Quadratic_status::rational_repeated};
    }
    if (const std::optional<std::int64_t> t = exactSquareRoot(*discriminant)) {
        const std::optional<Rational> smaller = reducedFraction(checkedSubtract(minusB, *t), twoA);
        const std::optional<Rational> larger = reducedFraction(checkedAdd(minusB, *t), twoA);
        if (!smaller || !larger) return std::nullopt;
        return QuadraticRoots{rationalRoot(*smaller), rationalRoot(*larger), Quadratic_status::rational_distinct};
    }
    const std::optional<SimplifiedSquareRoot> root = simplifiedSquareRoot(*discriminant);
    if (!root) return std::nullopt;
    const std::optional<Rational> middle = reducedFraction(minusB, twoA);
    const std::optional<Rational> below = reducedFraction(checkedNegate(root->coefficient), twoA);
    const std::optional<Rational> above = reducedFraction(root->coefficient, twoA);
    if (!middle || !below || !above) return std::nullopt;
    return QuadraticRoots{Quadratic_solution{*middle, *below, root->radicand},
                          Quadratic_solution{*middle, *above, root->radicand}, Quadratic_status::irrational_distinct};
}

}  // namespace duolinear

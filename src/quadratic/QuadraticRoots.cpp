#include "quadratic/QuadraticRoots.h"

#include <array>
#include <cstdint>

#include "algebra/Checked.h"
#include "algebra/Rational.h"
#include "quadratic/WideArithmetic.h"

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

    // Clear the fractions, divide out the common factor and make the x²
    // coefficient positive, in 128 bits: A, B and C of 64-bit coefficients
    // may leave 64 bits on the way and still give roots that fit.
    CheckedWide common = Wide{1};
    for (const Rational& coefficient : abc) {
        if (!common || coefficient.denominator == 0) return std::nullopt;
        const Wide denominator = static_cast<Wide>(magnitude(coefficient.denominator));
        common = wideMultiply(wideQuotient(*common, static_cast<Wide>(wideGcd(*common, denominator))), denominator);
    }
    if (!common) return std::nullopt;
    std::array<CheckedWide, 3> scaled{};
    for (std::size_t i = 0; i < 3; ++i)
        scaled[i] = wideMultiply(abc[i].numerator, wideQuotient(*common, abc[i].denominator));
    if (!scaled[0] || !scaled[1] || !scaled[2]) return std::nullopt;
    const auto divisor = static_cast<Wide>(wideGcd(static_cast<Wide>(wideGcd(*scaled[0], *scaled[1])), *scaled[2]));
    const Wide sign = *scaled[0] < 0 ? -1 : 1;
    const CheckedWide A = wideMultiply(wideQuotient(*scaled[0], divisor), sign);
    const CheckedWide B = wideMultiply(wideQuotient(*scaled[1], divisor), sign);
    const CheckedWide C = wideMultiply(wideQuotient(*scaled[2], divisor), sign);

    const CheckedWide discriminant = wideSubtract(wideMultiply(B, B), wideMultiply(wideMultiply(Wide{4}, A), C));
    const CheckedWide twoA = wideMultiply(Wide{2}, A);
    const CheckedWide minusB = wideSubtract(Wide{0}, B);
    if (!discriminant) return std::nullopt;  // an absent 2A or -B makes every root below absent

    if (*discriminant < 0) return QuadraticRoots{std::nullopt, std::nullopt, Quadratic_status::none};
    if (*discriminant == 0) {
        const std::optional<Rational> root = narrowedFraction(minusB, twoA);
        if (!root) return std::nullopt;
        return QuadraticRoots{rationalRoot(*root), rationalRoot(*root), Quadratic_status::rational_repeated};
    }
    if (const std::optional<Wide> t = wideExactSquareRoot(*discriminant)) {
        const std::optional<Rational> smaller = narrowedFraction(wideSubtract(minusB, *t), twoA);
        const std::optional<Rational> larger = narrowedFraction(wideAdd(minusB, *t), twoA);
        if (!smaller || !larger) return std::nullopt;
        return QuadraticRoots{rationalRoot(*smaller), rationalRoot(*larger), Quadratic_status::rational_distinct};
    }
    const std::optional<WideSquareRoot> root = wideSimplifiedSquareRoot(*discriminant);
    if (!root) return std::nullopt;
    const std::optional<Rational> middle = narrowedFraction(minusB, twoA);
    const std::optional<Rational> below = narrowedFraction(-root->coefficient, twoA);
    const std::optional<Rational> above = narrowedFraction(root->coefficient, twoA);
    if (!middle || !below || !above) return std::nullopt;
    return QuadraticRoots{Quadratic_solution{*middle, *below, root->radicand},
                          Quadratic_solution{*middle, *above, root->radicand}, Quadratic_status::irrational_distinct};
}

}  // namespace duolinear

// Clearing decimals by the power of ten that the numbers as shown call for.
// The decimal style does not reduce a coefficient, so 67580/10000 is stored
// over 10⁴ although it reads 6.758: clearing by the least common denominator
// would multiply by 10⁴ while the highest place count shown is 3.

#include <algorithm>
#include <string>
#include <utility>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/TextFunctions.h"
#include "linear_steps/LinearStages.h"

namespace duolinear {

namespace {

// Every coefficient times factor, each a whole number over 1, black.
std::optional<Polynomial> multipliedBy(const Polynomial& side, std::int64_t factor) {
    Monomials terms;
    terms.reserve(side.terms.size());
    for (const Monomial& term : side.terms) {
        const std::optional<Rational> product = rationalProduct(term.coefficient, Rational{factor, 1}, true);
        if (!product || product->denominator != 1) return std::nullopt;
        terms.push_back(Monomial{*product, term.exponent, term.variable});
    }
    return Polynomial{std::move(terms)};
}

}  // namespace

std::optional<ClearedDecimals> clearedByPlacesShown(const PolyEquation& equation, std::int64_t factor) {
    if (factor <= 1 || !isPowerOfTenText(std::to_string(factor))) return std::nullopt;
    const int places = decimalDigitCount(factor) - 1;
    int shown = 0;
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            const std::optional<int> p = decimalPlaces(term.coefficient);
            if (!p) return std::nullopt;
            shown = std::max(shown, *p);
        }
    }
    // Nothing to change when the factor already matches. With no places at
    // all the factor is 10⁰ = 1: the numbers are whole in value, and each
    // comes back as that whole number over 1.
    if (shown >= places) return std::nullopt;
    const std::optional<std::int64_t> fewer = powerOfTen(shown);
    if (!fewer) return std::nullopt;
    std::optional<Polynomial> lhs = multipliedBy(equation.LHS, *fewer);
    std::optional<Polynomial> rhs = multipliedBy(equation.RHS, *fewer);
    if (!lhs || !rhs) return std::nullopt;
    return ClearedDecimals{*fewer, PolyEquation{std::move(*lhs), std::move(*rhs), equation.relation}};
}

}  // namespace duolinear

#include "quadratic/DecimalClearing.h"

#include <utility>

#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"

namespace duolinear {

namespace {

std::optional<Polynomial> multipliedSide(const Polynomial& side, std::int64_t factor) {
    Monomials terms;
    for (const Monomial& term : side.terms) {
        const std::optional<Rational> product = rationalProduct(Rational{factor, 1}, term.coefficient);
        if (!product) return std::nullopt;
        terms.push_back(Monomial{Rational{product->numerator, 1}, term.exponent, term.variable});
    }
    return Polynomial{std::move(terms)};
}

}  // namespace

std::optional<DecimalClearing> clearShownDecimals(const PolyEquation& equation) {
    int places = 0;
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            const std::optional<int> count = decimalPlaces(term.coefficient);
            if (!count) return std::nullopt;
            if (*count > places) places = *count;
        }
    }
    const std::optional<std::int64_t> factor = powerOfTen(places);
    if (!factor) return std::nullopt;
    std::optional<Polynomial> left = multipliedSide(equation.LHS, *factor);
    std::optional<Polynomial> right = multipliedSide(equation.RHS, *factor);
    if (!left || !right) return std::nullopt;
    return DecimalClearing{*factor, PolyEquation{std::move(*left), std::move(*right), equation.relation}};
}

}  // namespace duolinear

// Combining like terms and clearing fractions: the two opening transforms
// that do arithmetic across terms.

#include <algorithm>

#include "algebra/Checked.h"
#include "algebra/EquationTransforms.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/SideRules.h"

namespace duolinear {

namespace {

// The terms with n/d replaced by n·(factor/d) over 1, black. factor is a
// common multiple of every denominator, so each division is exact.
std::optional<Monomials> multipliedThrough(const Monomials& terms, std::int64_t factor) {
    Monomials result;
    result.reserve(terms.size());
    for (const Monomial& term : terms) {
        const CheckedInt numerator =
            checkedMultiply(term.coefficient.numerator, checkedDivide(factor, term.coefficient.denominator));
        if (!numerator) return std::nullopt;
        result.push_back(Monomial{Rational{*numerator, 1}, term.exponent, term.variable});
    }
    return result;
}

std::optional<Monomials> clearedTerms(const Polynomial& side) {
    const std::optional<std::int64_t> factor = lcmOfSideDenominators(side);
    // A zero lcm means a zero denominator, which cannot be cleared.
    if (!factor || *factor == 0) return std::nullopt;
    return multipliedThrough(side.terms, *factor);
}

}  // namespace

std::optional<CombinedSide> combineLikeTerms(bool simple, const Polynomial& side) {
    const Monomials& terms = side.terms;
    Monomials combined;
    combined.reserve(terms.size());
    bool changed = false;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const Monomial& t = terms[i];
        const bool absorbed = std::any_of(combined.begin(), combined.end(),
                                          [&](const Monomial& kept) { return areLikeTerms(kept, t, simple); });
        if (absorbed) continue;
        std::optional<Rational> sum = t.coefficient;
        for (std::size_t j = i + 1; j < terms.size(); ++j) {
            if (!areLikeTerms(terms[j], t, simple)) continue;
            sum = rationalSum(terms[j].coefficient, *sum);
            if (!sum) return std::nullopt;
            changed = true;
        }
        combined.push_back(Monomial{*sum, t.exponent, t.variable});
    }
    std::erase_if(combined, isZeroTerm);
    return CombinedSide{sideOrZeroTerm(std::move(combined)), changed};
}

std::optional<CombinedEquation> combineLikeTermsBothSides(bool simple, const PolyEquation& equation) {
    std::optional<CombinedSide> lhs = combineLikeTerms(simple, equation.LHS);
    std::optional<CombinedSide> rhs = combineLikeTerms(simple, equation.RHS);
    if (!lhs || !rhs) return std::nullopt;
    return CombinedEquation{PolyEquation{std::move(lhs->side), std::move(rhs->side), equation.relation},
                            lhs->changed || rhs->changed};
}

std::optional<CombinedEquation> combineLikeTermsBothSides(const PolyEquation& equation) {
    return combineLikeTermsBothSides(false, equation);
}

std::optional<std::int64_t> lcmOfSideDenominators(const Polynomial& side) {
    std::optional<std::int64_t> acc = 1;
    for (const Monomial& term : side.terms) {
        acc = lcm(*acc, term.coefficient.denominator);
        if (!acc) return std::nullopt;
    }
    return acc;
}

std::optional<std::int64_t> lcmOfDenominators(const PolyEquation& equation) {
    const std::optional<std::int64_t> lhs = lcmOfSideDenominators(equation.LHS);
    const std::optional<std::int64_t> rhs = lcmOfSideDenominators(equation.RHS);
    if (!lhs || !rhs) return std::nullopt;
    return lcm(*lhs, *rhs);
}

std::optional<Polynomial> clearSideFractions(const Polynomial& side) {
    std::optional<Monomials> terms = clearedTerms(side);
    if (!terms) return std::nullopt;
    return sideOrZeroTerm(std::move(*terms));
}

std::optional<PolyEquation> clearFractionsBothSides(const PolyEquation& equation) {
    // The lcm over both sides is that of the two sides' lcms; each side is
    // then multiplied through on its own.
    const std::optional<std::int64_t> factor = lcmOfDenominators(equation);
    if (!factor || *factor == 0) return std::nullopt;
    std::optional<Monomials> lhs = multipliedThrough(equation.LHS.terms, *factor);
    std::optional<Monomials> rhs = multipliedThrough(equation.RHS.terms, *factor);
    if (!lhs || !rhs) return std::nullopt;
    return PolyEquation{sideOrZeroTerm(std::move(*lhs)), sideOrZeroTerm(std::move(*rhs)), equation.relation};
}

}  // namespace duolinear

// Rewriting every coefficient of a side (or of both sides at once) over the
// least common denominator.

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/PolynomialQueries.h"
#include "algebra/SideRules.h"

namespace duolinear {

namespace {

struct Rewritten {
    Monomials terms;  // empty when there was nothing to rewrite
    bool hasFractions = false;
    bool changed = false;
};

std::optional<Rewritten> overCommonDenominator(const Monomials& terms) {
    std::optional<std::int64_t> common = 1;
    for (const Monomial& term : terms) {
        if (term.coefficient.denominator == 1) continue;
        common = lcm(*common, term.coefficient.denominator);
        if (!common) return std::nullopt;
    }
    // lcm is 0 only for a zero denominator, which no common denominator covers.
    if (*common == 0) return std::nullopt;
    if (*common == 1) return Rewritten{};

    Rewritten result{terms, true, false};
    for (Monomial& term : result.terms) {
        Rational& c = term.coefficient;
        if (c.denominator == *common) continue;
        const CheckedInt numerator = checkedMultiply(c.numerator, checkedDivide(*common, c.denominator));
        if (!numerator) return std::nullopt;
        c.numerator = *numerator;
        c.denominator = *common;
        result.changed = true;
    }
    return result;
}

}  // namespace

std::optional<CommonDenominatorSide> commonDenominatorSide(const Polynomial& side) {
    std::optional<Rewritten> rewritten = overCommonDenominator(side.terms);
    if (!rewritten) return std::nullopt;
    return CommonDenominatorSide{sideOrZeroTerm(std::move(rewritten->terms)), rewritten->hasFractions,
                                 rewritten->changed};
}

std::optional<CommonDenominatorEquation> commonDenominatorBothSides(const PolyEquation& equation) {
    const std::optional<Rewritten> rewritten = overCommonDenominator(joinedSides(equation));
    if (!rewritten) return std::nullopt;
    if (!rewritten->hasFractions)
        return CommonDenominatorEquation{PolyEquation{Polynomial{}, Polynomial{}, equation.relation}};
    auto [lhs, rhs] = splitSides(rewritten->terms, equation.LHS.terms.size());
    return CommonDenominatorEquation{PolyEquation{std::move(lhs), std::move(rhs), equation.relation}, true,
                                     rewritten->changed};
}

}  // namespace duolinear

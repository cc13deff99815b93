#include "linear_steps/LinearSolutionStatus.h"

#include <vector>

namespace duolinear {

namespace {

// The sum of the coefficients of the terms of one exponent, in list order.
std::optional<Rational> coefficientSum(const Monomials& side, std::uint64_t exponent) {
    std::optional<Rational> sum = Rational{0, 1};
    for (const Monomial& term : side) {
        if (term.exponent != exponent) continue;
        sum = rationalSum(term.coefficient, *sum);
        if (!sum) return std::nullopt;
    }
    return sum;
}

bool hasHigherPowerTerm(const Monomials& side) {
    for (const Monomial& term : side) {
        if (term.exponent > 1 && isNonzeroTerm(term)) return true;
    }
    return false;
}

// The status of 0·x REL c.
Status statusWithoutVariable(const Rational& c, Relation relation) {
    const bool cPositive = c.numerator > 0;  // c is reduced: the sign sits on the numerator
    const bool cNegative = c.numerator < 0;
    switch (relation) {
        case Relation::equal_to:
            return cPositive || cNegative ? Status::none : Status::infinite;
        case Relation::less_than:
            return cPositive ? Status::infinite : Status::none;
        case Relation::less_than_or_equal_to:
            return cNegative ? Status::none : Status::infinite;
        case Relation::greater_than:
            return cNegative ? Status::infinite : Status::none;
        case Relation::greater_than_or_equal_to:
            return cPositive ? Status::none : Status::infinite;
    }
    return Status::none;
}

}  // namespace

std::optional<LinearSolution> linearSolutionStatus(const PolyEquation& equation) {
    const Monomials& lhs = equation.LHS.terms;
    const Monomials& rhs = equation.RHS.terms;
    if (hasHigherPowerTerm(lhs) || hasHigherPowerTerm(rhs)) return std::nullopt;

    const std::optional<Rational> lhsVariables = coefficientSum(lhs, 1);
    const std::optional<Rational> rhsVariables = coefficientSum(rhs, 1);
    const std::optional<Rational> rhsConstants = coefficientSum(rhs, 0);
    const std::optional<Rational> lhsConstants = coefficientSum(lhs, 0);
    if (!lhsVariables || !rhsVariables || !rhsConstants || !lhsConstants) return std::nullopt;
    const std::optional<Rational> a = rationalDifference(*lhsVariables, *rhsVariables);
    const std::optional<Rational> c = rationalDifference(*rhsConstants, *lhsConstants);
    if (!a || !c) return std::nullopt;

    if (a->numerator == 0) {
        return LinearSolution{Rational{0, 1}, equation.relation, statusWithoutVariable(*c, equation.relation)};
    }
    const std::optional<Rational> value = rationalQuotient(*c, *a);
    if (!value) return std::nullopt;
    const Relation relation = a->numerator < 0 ? reversedRelation(equation.relation) : equation.relation;
    return LinearSolution{*value, relation, Status::unique};
}

}  // namespace duolinear

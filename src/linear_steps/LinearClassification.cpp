#include "linear_steps/LinearClassification.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace duolinear {

namespace {

bool isFractional(const Monomial& term) {
    return term.coefficient.denominator != 1;
}
bool isVariableTerm(const Monomial& term) {
    return term.exponent == 1;
}
bool isConstantTerm(const Monomial& term) {
    return term.exponent == 0;
}

// The terms of both sides, left side first, that pass the test, in order.
template <typename Test>
std::vector<Monomial> termsWhere(const std::vector<Monomial>& all, Test test) {
    std::vector<Monomial> kept;
    std::copy_if(all.begin(), all.end(), std::back_inserter(kept), test);
    return kept;
}

std::int64_t countNonzero(const std::vector<Monomial>& terms) {
    return std::count_if(terms.begin(), terms.end(), isNonzeroTerm);
}

bool hasUnitNumerator(const Monomial& term) {
    return term.coefficient.numerator == 1 || term.coefficient.numerator == -1;
}

Step_exclusions classifyDecimal(const std::vector<Monomial>& fractional, const std::vector<Monomial>& variables,
                                const std::vector<Monomial>& constants) {
    if (fractional.empty()) return Step_exclusions::reduce_and_clear;
    const bool oneConstantFraction = fractional.size() == 1 && isConstantTerm(fractional.front());
    const bool oneUnitVariable = variables.size() == 1 && hasUnitNumerator(variables.front());
    const bool oneConstant =
        constants.size() == 1 || (constants.size() == 2 && (isZeroTerm(constants[0]) || isZeroTerm(constants[1])));
    if (oneConstantFraction && oneUnitVariable && oneConstant) return Step_exclusions::reduce_and_clear;
    return Step_exclusions::reduce;
}

Step_exclusions classifyFractions(const std::vector<Monomial>& all, const std::vector<Monomial>& fractional,
                                  const std::vector<Monomial>& variables, const std::vector<Monomial>& constants) {
    if (fractional.empty()) return Step_exclusions::reduce_and_clear;
    if (fractional.size() == 1) {
        const Monomial& only = fractional.front();
        if (isVariableTerm(only)) {
            if (variables.size() != 1) return Step_exclusions::none;
            return only.coefficient.numerator == 1 ? Step_exclusions::reduce_and_clear : Step_exclusions::clear;
        }
        if (constants.size() == 1 || countNonzero(constants) == 1) return Step_exclusions::clear;
        return Step_exclusions::none;
    }
    if (fractional.size() == 2) {
        if (fractional[0].exponent == fractional[1].exponent) return Step_exclusions::none;
        const bool someZero = std::any_of(all.begin(), all.end(), isZeroTerm);
        if (all.size() == 2 || (all.size() == 3 && someZero)) return Step_exclusions::clear;
        return Step_exclusions::none;
    }
    return Step_exclusions::none;
}

}  // namespace

Step_exclusions classifyLinearEquation(Style style, const PolyEquation& equation) {
    std::vector<Monomial> all = equation.LHS.terms;
    all.insert(all.end(), equation.RHS.terms.begin(), equation.RHS.terms.end());
    const std::vector<Monomial> fractional = termsWhere(all, isFractional);
    const std::vector<Monomial> variables = termsWhere(all, isVariableTerm);
    const std::vector<Monomial> constants = termsWhere(all, isConstantTerm);
    if (style == Style::decimal) return classifyDecimal(fractional, variables, constants);
    return classifyFractions(all, fractional, variables, constants);
}

bool isSolvedForm(bool decimal, const PolyEquation& equation) {
    return isBareVariable(false, equation.LHS.terms) && isSingleConstant(!decimal, equation.RHS.terms);
}

}  // namespace duolinear

#include "linear_steps/LinearClassification.h"

#include <cstddef>

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

bool hasUnitNumerator(const Monomial& term) {
    return term.coefficient.numerator == 1 || term.coefficient.numerator == -1;
}

// What the classification reads of the terms of both sides, left side first:
// how many there are of each kind and the first two of each.
struct TermCensus {
    struct Kind {
        std::size_t count = 0;
        const Monomial* first[2] = {nullptr, nullptr};

        void add(const Monomial& term) {
            if (count < 2) first[count] = &term;
            ++count;
        }
    };

    std::size_t all = 0;
    bool someZero = false;
    Kind fractional, variables, constants;
    std::size_t nonzeroConstants = 0;

    explicit TermCensus(const PolyEquation& equation) {
        for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
            for (const Monomial& term : side->terms) {
                ++all;
                someZero = someZero || isZeroTerm(term);
                if (isFractional(term)) fractional.add(term);
                if (isVariableTerm(term)) variables.add(term);
                if (isConstantTerm(term)) {
                    constants.add(term);
                    if (isNonzeroTerm(term)) ++nonzeroConstants;
                }
            }
        }
    }
};

Step_exclusions classifyDecimal(const TermCensus& terms) {
    const TermCensus::Kind& fractional = terms.fractional;
    const TermCensus::Kind& constants = terms.constants;
    if (fractional.count == 0) return Step_exclusions::reduce_and_clear;
    const bool oneConstantFraction = fractional.count == 1 && isConstantTerm(*fractional.first[0]);
    const bool oneUnitVariable = terms.variables.count == 1 && hasUnitNumerator(*terms.variables.first[0]);
    const bool oneConstant =
        constants.count == 1 ||
        (constants.count == 2 && (isZeroTerm(*constants.first[0]) || isZeroTerm(*constants.first[1])));
    if (oneConstantFraction && oneUnitVariable && oneConstant) return Step_exclusions::reduce_and_clear;
    return Step_exclusions::reduce;
}

Step_exclusions classifyFractions(const TermCensus& terms) {
    const TermCensus::Kind& fractional = terms.fractional;
    if (fractional.count == 0) return Step_exclusions::reduce_and_clear;
    if (fractional.count == 1) {
        const Monomial& only = *fractional.first[0];
        if (isVariableTerm(only)) {
            if (terms.variables.count != 1) return Step_exclusions::none;
            return only.coefficient.numerator == 1 ? Step_exclusions::reduce_and_clear : Step_exclusions::clear;
        }
        if (terms.constants.count == 1 || terms.nonzeroConstants == 1) return Step_exclusions::clear;
        return Step_exclusions::none;
    }
    if (fractional.count == 2) {
        if (fractional.first[0]->exponent == fractional.first[1]->exponent) return Step_exclusions::none;
        if (terms.all == 2 || (terms.all == 3 && terms.someZero)) return Step_exclusions::clear;
        return Step_exclusions::none;
    }
    return Step_exclusions::none;
}

}  // namespace

Step_exclusions classifyLinearEquation(Style style, const PolyEquation& equation) {
    const TermCensus terms(equation);
    if (style == Style::decimal) return classifyDecimal(terms);
    return classifyFractions(terms);
}

bool isSolvedForm(bool decimal, const PolyEquation& equation) {
    return isBareVariable(false, equation.LHS.terms) && isSingleConstant(!decimal, equation.RHS.terms);
}

}  // namespace duolinear

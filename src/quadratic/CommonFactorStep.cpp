#include "quadratic/CommonFactorStep.h"

#include <utility>

#include "algebra/PolynomialQueries.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "linear_steps/ExtendedPolynomialOps.h"
#include "linear_steps/ExtendedStepProducers.h"
#include "quadratic/OpeningSteps.h"

namespace duolinear {

namespace {

bool hasWholeCoefficients(const Polynomial& side) {
    for (const Monomial& term : side.terms) {
        if (term.coefficient.denominator != 1) return false;
    }
    return true;
}

// Builds the equation with the worked side on its own side of the relation.
Ext_polyEquation withSides(bool workedOnLeft, Ext_polynomial worked, Ext_polynomial other, Relation relation) {
    if (workedOnLeft) return Ext_polyEquation{std::move(worked), std::move(other), relation};
    return Ext_polyEquation{std::move(other), std::move(worked), relation};
}

}  // namespace

Outcome<CommonFactorStep> factorOutGCDStep(const PolyEquation& equation) {
    bool workedOnLeft = true;
    if (isZeroSide(equation.RHS)) {
        workedOnLeft = true;
    } else if (isZeroSide(equation.LHS)) {
        workedOnLeft = false;
    } else {
        return Outcome<CommonFactorStep>::nothing();
    }
    const Polynomial& worked = workedOnLeft ? equation.LHS : equation.RHS;
    const Polynomial& other = workedOnLeft ? equation.RHS : equation.LHS;
    if (worked.terms.empty() || !hasWholeCoefficients(worked)) return Outcome<CommonFactorStep>::nothing();

    const std::optional<std::int64_t> divisor = gcdOfNumerators(worked);
    if (!divisor) return Outcome<CommonFactorStep>::failure();
    const std::int64_t G = worked.terms.front().coefficient.numerator < 0 ? -*divisor : *divisor;
    if (G == 1 || G == 0 || worked.terms.back().exponent != 0) return Outcome<CommonFactorStep>::nothing();

    ExtGroup quotient;
    for (const Monomial& term : worked.terms) {
        const std::optional<Term> divided = termDividedByFactor(term, G);
        if (!divided) return Outcome<CommonFactorStep>::failure();
        quotient.push_back(*divided);
    }
    const Term factor{Monomial{coloredRational(G, 1, Color::red), 0, worked.terms.front().variable},
                      SubExpression{true, 0}};
    const Ext_polynomial otherSide = extendedPolynomial(other);
    const Relation relation = equation.relation;

    const Ext_polyEquation marked = recolorExtCoefficients(
        workedOnLeft ? Color::red : Color::black, workedOnLeft ? Color::black : Color::red, extendedEquation(equation));
    const Ext_polyEquation factored =
        withSides(workedOnLeft, Ext_polynomial{{quotient, {factor}}}, otherSide, relation);
    const Ext_polyEquation divided = withSides(workedOnLeft, Ext_polynomial{{quotient}}, otherSide, relation);
    return Outcome<CommonFactorStep>::of({{marked, factored, divided}, gcdFactorMessage(G)});
}

Layouts appendExtEquationLine(Style style, Layouts lines,
                                             const Ext_polyEquation& equation) {
    lines.push_back(extEquationLayout(style, equation));
    return lines;
}

Layouts appendBlackExtEquationLine(Style style, Layouts lines,
                                                  const Ext_polyEquation& equation) {
    lines.push_back(extEquationLayout(style, recolorExtEquation(Color::black, Color::black, Color::black, equation)));
    return lines;
}

}  // namespace duolinear

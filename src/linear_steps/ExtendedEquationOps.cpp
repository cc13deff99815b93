#include "linear_steps/ExtendedEquationOps.h"

#include <utility>

#include "linear_steps/ExtendedPolynomialOps.h"

namespace duolinear {

bool isWellFormedExtEquation(const Ext_polyEquation& equation) {
    return isWellFormedExtSide(equation.LHS) && isWellFormedExtSide(equation.RHS);
}

bool eitherExtSideHasZeroDenominator(const Ext_polyEquation& equation) {
    return extSideHasZeroDenominator(equation.LHS) || extSideHasZeroDenominator(equation.RHS);
}

Ext_polyEquation pruneExtEquation(bool resetColors, Ext_polyEquation equation) {
    return Ext_polyEquation{pruneExtSide(resetColors, std::move(equation.LHS)),
                            pruneExtSide(resetColors, std::move(equation.RHS)), equation.relation, Color::black};
}

Ext_polyEquation unwrapUnitBracketsBothSides(Ext_polyEquation equation) {
    return Ext_polyEquation{unwrapUnitBrackets(std::move(equation.LHS)), unwrapUnitBrackets(std::move(equation.RHS)),
                            equation.relation, Color::black};
}

PolyEquation extToPolyEquation(const Ext_polyEquation& equation) {
    return PolyEquation{extSideToPolynomial(equation.LHS), extSideToPolynomial(equation.RHS), equation.relation};
}

bool eitherExtSideHasBrackets(const Ext_polyEquation& equation) {
    return extSideHasBrackets(equation.LHS) || extSideHasBrackets(equation.RHS);
}

Outcome<Ext_polyEquation> absorbSingleTermGroupsBothSides(const Ext_polyEquation& equation) {
    const Outcome<Ext_polynomial> lhs = absorbSingleTermGroups(equation.LHS);
    const Outcome<Ext_polynomial> rhs = absorbSingleTermGroups(equation.RHS);
    if (lhs.failed || rhs.failed) return Outcome<Ext_polyEquation>::failure();
    if (!lhs.applies() && !rhs.applies()) return Outcome<Ext_polyEquation>::nothing();
    return Outcome<Ext_polyEquation>::of(Ext_polyEquation{
        lhs.value.value_or(equation.LHS), rhs.value.value_or(equation.RHS), equation.relation, Color::black});
}

}  // namespace duolinear

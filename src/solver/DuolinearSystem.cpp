#include "solver/DuolinearSystem.h"

namespace duolinear {

namespace {

bool hasEquationShape(const PolyEquation& equation) {
    return equation.LHS.terms.size() == 2 && equation.RHS.terms.size() == 1;
}

bool hasVariableTerm(const Rational& a, const Rational& b) {
    return a.numerator != 0 || b.numerator != 0;
}

}  // namespace

bool hasSolverShape(const Duolinear& system) {
    return system.equations.size() == 2 && hasEquationShape(system.equations[0]) &&
           hasEquationShape(system.equations[1]);
}

std::optional<SystemCoefficients> systemCoefficients(const Duolinear& system) {
    if (!hasSolverShape(system)) return std::nullopt;
    const PolyEquation& first = system.equations[0];
    const PolyEquation& second = system.equations[1];
    return SystemCoefficients{
        first.LHS.terms[0].coefficient,  first.LHS.terms[1].coefficient,  first.RHS.terms[0].coefficient,
        second.LHS.terms[0].coefficient, second.LHS.terms[1].coefficient, second.RHS.terms[0].coefficient,
    };
}

bool equationsHaveVariableTerms(const Duolinear& system) {
    const std::optional<SystemCoefficients> k = systemCoefficients(system);
    if (!k) return false;
    return hasVariableTerm(k->a1, k->b1) && hasVariableTerm(k->a2, k->b2);
}

}  // namespace duolinear

#include "solver/RearrangeForVariable.h"

#include "algebra/Checked.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/ExtendedEquationOps.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "linear_steps/ExtendedPolynomialOps.h"
#include "linear_steps/ExtendedStepProducers.h"
#include "solver/SolverLineTools.h"
#include "solver/WholeCoefficients.h"

namespace duolinear {

std::optional<Rearrangement> rearrangeForVariable(const PolyEquation& equation, Var v) {
    if (equation.LHS.terms.size() < 2 || equation.RHS.terms.empty()) return std::nullopt;
    const Monomial& t = equation.LHS.terms[termIndex(v)];
    const Monomial& u = equation.LHS.terms[termIndex(otherVariable(v))];
    const Monomial& k = equation.RHS.terms[0];
    const std::optional<std::int64_t> a = wholeValue(t.coefficient);
    const CheckedInt negatedU = checkedNegate(u.coefficient.numerator);
    if (!a || *a == 0 || !negatedU) return std::nullopt;
    const Monomial minusU{Rational{*negatedU, u.coefficient.denominator}, 1, u.variable};

    // a·v = c − b·w
    const PolyEquation isolated =
        dropZeroTermsBothSides(true, PolyEquation{{t}, dropZeroTerms(true, Polynomial{k, minusU}), Relation::equal_to});
    Rearrangement result;
    result.lines = linesOf(equationLayout(dropZeroTermsBothSides(true, equation), Style::rational_fraction),
                           equationLayout(isolated, Style::rational_fraction));
    if (*a == 1) {
        result.solved = isolated;
        return result;
    }

    // v = (1/a)(c − b·w), then the bracket multiplied out.
    const Term reciprocal{Monomial{Rational{1, *a}, 0}, SubExpression{true, 0}};
    const Ext_polyEquation divided{
        Ext_polynomial{{{plainTerm(Monomial{Rational{1, 1}, 1, character(v)})}}},
        pruneExtSide(true, Ext_polynomial{{{plainTerm(k), plainTerm(minusU)}, {reciprocal}}}),
        Relation::equal_to,
    };
    const auto distributed = distributeStep(true, pruneExtEquation(true, divided));
    if (!distributed.value) return std::nullopt;
    const Ext_polyEquation D = recolorExtEquation(Color::black, Color::black, Color::black, distributed.value->after);
    if (*a != -1) result.lines.push_back(extEquationLayout(Style::rational_fraction, divided));
    result.lines.push_back(extEquationLayout(Style::fraction, D));
    result.solved = extToPolyEquation(D);
    return result;
}

}  // namespace duolinear

#include "solver/SubstituteValue.h"

#include <utility>

#include "algebra/EquationTransforms.h"
#include "algebra/PolynomialQueries.h"
#include "linear_steps/ExtendedLinearSteps.h"
#include "solver/SolverLineTools.h"

namespace duolinear {

namespace {

const Rational kOne{1, 1};

// w = c/p − (q/p)·v in lowest terms, from p·w + q·v = c in either order.
std::optional<PolyEquation> solvedForOther(const PolyEquation& equation, Var v) {
    const Rational& p = equation.LHS.terms[termIndex(otherVariable(v))].coefficient;
    const Rational& q = equation.LHS.terms[termIndex(v)].coefficient;
    const Rational& c = equation.RHS.terms[0].coefficient;
    const std::optional<Rational> reciprocal = rationalReciprocal(p);
    const std::optional<Rational> negated = negativeReciprocal(p);
    if (!reciprocal || !negated) return std::nullopt;
    const std::optional<Rational> constant = rationalProduct(*reciprocal, c, true);
    const std::optional<Rational> slope = rationalProduct(*negated, q, true);
    if (!constant || !slope) return std::nullopt;
    return PolyEquation{{Monomial{kOne, 1, character(otherVariable(v))}},
                        {Monomial{*constant, 0}, Monomial{*slope, 1, character(v)}},
                        Relation::equal_to};
}

}  // namespace

std::optional<StepLines> substituteValueAndSolve(const PolyEquation& equation, Var v, const Rational& value,
                                                 bool asGiven) {
    if (equation.LHS.terms.size() < 2 || equation.RHS.terms.empty()) return std::nullopt;
    const std::optional<PolyEquation> rewritten = asGiven ? std::optional{equation} : solvedForOther(equation, v);
    if (!rewritten) return std::nullopt;
    const PolyEquation& R = *rewritten;

    const PolyEquation known =
        recoloredEquation(Color::red, Color::red, Color::red,
                          PolyEquation{{Monomial{kOne, 1, character(v)}}, {Monomial{value, 0}}, Relation::equal_to});
    ExtGroup left = extendedPolynomial(R.LHS).terms.front();
    ExtGroup right = extendedPolynomial(R.RHS).terms.front();

    Ext_polyEquation substituted;
    PolyEquation shown = R;
    if (asGiven) {
        const std::size_t at = termIndex(v);
        multiplyGroupZero(left[at]);
        const Term valueTerm = plainTerm(Monomial{value, 0, 'x', Color::red});
        substituted =
            Ext_polyEquation{Ext_polynomial{{{valueTerm}, left}}, Ext_polynomial{{right}}, Relation::equal_to};
        shown.LHS.terms[at].variable_color = Color::red;
    } else {
        // w = c/p − (q/p)·v: the term of v is the second on the right.
        multiplyGroupZero(right[1]);
        const Term valueTerm = plainTerm(Monomial{value, 0, character(v), Color::black});
        substituted =
            Ext_polyEquation{Ext_polynomial{{left}}, Ext_polynomial{{{valueTerm}, right}}, Relation::equal_to};
        shown.RHS.terms[1].variable_color = Color::red;
        shown = dropZeroTermsBothSides(false, shown);
    }

    std::optional<StepLines> last = lastStepLines(extendedLinearEquationSteps(
        substituted, {.skipOpeningFrame = true, .clearFractions = false, .kept = KeptSteps::last}));
    if (!last) return std::nullopt;
    StepLines lines = linesOf(substitutionHeadLine(shown, known));
    appendLines(lines, blankLayouts(1));
    appendLines(lines, std::move(*last));
    return lines;
}

}  // namespace duolinear

#include "solver/SubstituteExpression.h"

#include <utility>

#include "algebra/EquationTransforms.h"
#include "algebra/PolynomialQueries.h"
#include "linear_steps/ExtendedLinearSteps.h"
#include "solver/SolverLineTools.h"

namespace duolinear {

std::optional<StepLines> substituteExpressionStep(const PolyEquation& equation, Var v, const PolyEquation& expression) {
    if (equation.LHS.terms.size() < 2) return std::nullopt;
    const std::size_t at = termIndex(v);

    // The coefficient of v now multiplies the bracketed expression, group 0.
    ExtGroup left = extendedPolynomial(equation.LHS).terms.front();
    multiplyGroupZero(left[at]);
    const Ext_polyEquation substituted{
        Ext_polynomial{{extendedPolynomial(expression.RHS).terms.front(), left}},
        extendedPolynomial(equation.RHS),
        Relation::equal_to,
    };
    std::optional<StepLines> last =
        lastStepLines(extendedLinearEquationSteps(substituted, {.skipOpeningFrame = true, .kept = KeptSteps::last}));
    if (!last) return std::nullopt;

    PolyEquation shown = equation;
    shown.LHS.terms[at].variable_color = Color::red;
    StepLines lines =
        linesOf(substitutionHeadLine(shown, recoloredEquation(Color::red, Color::red, Color::red, expression)));
    appendLines(lines, blankLayouts(1));
    appendLines(lines, std::move(*last));
    return lines;
}

}  // namespace duolinear

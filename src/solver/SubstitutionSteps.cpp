#include "solver/SubstitutionSteps.h"

#include <string>
#include <utility>

#include "solver/RearrangeForVariable.h"
#include "solver/SolverLineTools.h"
#include "solver/SubstituteExpression.h"
#include "solver/SubstituteValue.h"

namespace duolinear {

std::optional<WorkedSteps> substitutionSteps(const SolverFacts& facts) {
    const Duolinear& system = facts.system;
    const Duolinear_equation equation = facts.choices.equation;
    if (!hasSolverShape(system)) return std::nullopt;
    const std::size_t from = equation == Duolinear_equation::first ? 0 : 1;
    const PolyEquation& chosen = system.equations[from];
    const PolyEquation& other = system.equations[1 - from];
    const Var v = facts.choices.variable == Duolinear_variable::x ? Var::x : Var::y;
    const Var w = otherVariable(v);
    const std::string& chosenName = rawValue(equation);
    const std::string otherName = from == 0 ? "second" : "first";

    std::optional<Rearrangement> rearranged = rearrangeForVariable(chosen, v);
    if (!rearranged) return std::nullopt;
    std::optional<StepLines> substituted = substituteExpressionStep(other, v, rearranged->solved);
    if (!substituted) return std::nullopt;

    WorkedSteps steps;
    steps.append(std::move(rearranged->lines), letterText(v) + " in terms of " + letterText(w) + " from " + chosenName);
    steps.append(std::move(*substituted), "substitute in " + otherName);
    if (facts.classification.type != Duolinear_solution_type::one) return steps;

    const std::optional<Rational>& value = w == Var::x ? facts.classification.x : facts.classification.y;
    if (!value) return std::nullopt;
    std::optional<StepLines> solved = substituteValueAndSolve(chosen, w, *value, false);
    if (!solved) return std::nullopt;
    StepLines lines = linesOf(messageLayout("substitute " + letterText(w) + " into " + chosenName));
    appendLines(lines, std::move(*solved));
    steps.append(std::move(lines), "solve " + chosenName + " (rearranged)");
    return steps;
}

}  // namespace duolinear

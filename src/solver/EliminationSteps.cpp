#include "solver/EliminationSteps.h"

#include <string>
#include <utility>

#include "algebra/Options.h"
#include "linear_steps/LinearEquationSteps.h"
#include "solver/AlignedEquationPair.h"
#include "solver/CombineEquations.h"
#include "solver/SolverLineTools.h"
#include "solver/SubstituteValue.h"

namespace duolinear {

namespace {

TagLayout multiplierLine(const std::string& ordinal, std::int64_t k, Color color) {
    if (k == 1) return messageLayout(ordinal + " equation is fine", color);
    return messageLayout("multiply " + ordinal + " by " + std::to_string(k), color);
}

// The first step: the multipliers, the unscaled table (when an equation is
// scaled), the scaled table with the result row, and the start of the
// working of the result row.
std::optional<StepLines> combiningLines(const SolverFacts& facts) {
    const std::optional<EquationCombination> combination = combineEquations(facts, false);
    if (!combination) return std::nullopt;
    const bool adding = combination->operatorText == "+";

    StepLines lines = linesOf(multiplierLine("first", combination->k1, Color::red),
                              multiplierLine("second", combination->k2, Color::blue),
                              messageLayout(adding ? "add the equations" : "subtract the equations"));
    appendLines(lines, blankLayouts(2));
    if (combination->k1 != 1 || combination->k2 != 1) {
        const std::optional<EquationCombination> unscaled = combineEquations(facts, true);
        if (!unscaled) return std::nullopt;
        appendLines(lines, alignedEquationPairTags(unscaled->equations, {.firstColor = Color::red,
                                                                         .secondColor = Color::blue,
                                                                         .resultColor = Color::clear,
                                                                         .prefix = "  ",
                                                                         .suffix = "     "}));
    }
    appendLines(lines, alignedEquationPairTags(combination->equations, {.firstColor = Color::red,
                                                                        .secondColor = Color::blue,
                                                                        .prefix = combination->operatorText + " ",
                                                                        .suffix = adding ? "     " : " care",
                                                                        .suffixColor = Color::blue}));
    std::optional<StepLines> working = firstStepLines(
        linearEquationSteps(combination->equations[2],
                            {.skipOpeningFrame = true, .style = Style::rational_fraction, .kept = KeptSteps::first}));
    if (!working) return std::nullopt;
    appendLines(lines, blankLayouts(2));
    appendLines(lines, std::move(*working));
    return lines;
}

}  // namespace

std::optional<WorkedSteps> eliminationSteps(const SolverFacts& facts) {
    std::optional<StepLines> combining = combiningLines(facts);
    if (!combining) return std::nullopt;
    const Duolinear& system = facts.system;
    const DuolinearClassification& classification = facts.classification;
    const Duolinear_equation equation = facts.choices.equation;
    const Var eliminated = facts.choices.variable == Duolinear_variable::x ? Var::x : Var::y;
    const Var found = otherVariable(eliminated);

    WorkedSteps steps;
    steps.append(std::move(*combining), "solve equations for " + letterText(found));
    if (classification.type != Duolinear_solution_type::one) return steps;

    const std::optional<Rational>& value = found == Var::x ? classification.x : classification.y;
    const std::size_t into = equation == Duolinear_equation::first ? 0 : 1;
    if (!value || into >= system.equations.size()) return std::nullopt;
    std::optional<StepLines> solved = substituteValueAndSolve(system.equations[into], found, *value, true);
    if (!solved) return std::nullopt;
    StepLines lines = linesOf(messageLayout("substitute " + letterText(found) + " into " + rawValue(equation)));
    appendLines(lines, std::move(*solved));
    steps.append(std::move(lines), "solve " + rawValue(equation) + " for " + letterText(eliminated));
    return steps;
}

}  // namespace duolinear

#include "linear_steps/LinearEquationSteps.h"

#include <optional>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/LinearClassification.h"
#include "linear_steps/LinearStages.h"
#include "linear_steps/LinearWork.h"
#include "linear_steps/Refusal.h"

namespace duolinear {

namespace {

// The letter of the first variable term with a non-zero numerator, left side
// first; x when there is none.
char variableLetterOf(const PolyEquation& equation) {
    for (const Polynomial* side : {&equation.LHS, &equation.RHS}) {
        for (const Monomial& term : side->terms) {
            if (term.exponent == 1 && isNonzeroTerm(term)) return term.variable;
        }
    }
    return rawValue(Var::x);
}

// The answer line of a unique solution, or the status message otherwise.
StepLines answerLinesOf(const LinearWork& work, const PolyEquation& start) {
    const LinearSolution& solution = work.solution;
    if (solution.status != Status::unique) return {messageLayout(rawValue(solution.status))};
    const bool solved = isSolvedForm(work.style == Style::decimal, start);
    if (solved && work.style != Style::rational_fraction) return {};
    return {work.inAnswerStyle(work.variableRelConstant(solution.value, solution.relation))};
}

// Every stage in order; no value when the arithmetic gives out on the way.
std::optional<WorkedSteps> workedSolution(LinearWork work, const PolyEquation& equation) {
    const PolyEquation start = dropZeroTermsBothSides(true, equation);
    const std::optional<LinearSolution> solution = linearSolutionStatus(start);
    if (!solution) return std::nullopt;
    work.solution = *solution;
    work.current = start;
    work.openingLines = {work.inStyle(start)};
    work.answerLines = answerLinesOf(work, start);
    work.closingLines = concatLines({work.openingLines, work.answerLines});

    if (!work.skipOpeningFrame) work.worked.append(work.openingLines, "🤔");
    const Outcome<Done> shortcut = solvedFormShortcut(work);
    if (shortcut.failed) return std::nullopt;
    if (shortcut.applies()) return work.worked;

    const Step_exclusions exclusions = classifyLinearEquation(work.style, start);
    if (simplifyStage(work, exclusions).failed) return std::nullopt;
    for (auto* stage : {combineSimpleLikeTermsStage, clearFractionsStage, combineLikeTermsStage, termsToOneSideStage,
                        constantTermsOppositeStage, divisionStage}) {
        if (stage(work).failed) return std::nullopt;
    }

    if (!work.skipOpeningFrame) work.worked.append(work.closingLines, "😎");
    return work.worked;
}

}  // namespace

WorkedSteps linearEquationSteps(const PolyEquation& equation, const LinearStepChoices& choices) {
    const auto refusal = [&](Refusal reason) { return refusalOf(reason, equationLayout(equation, choices.style)); };
    if (eitherSideHasZeroDenominator(equation)) return refusal(Refusal::zero_denominator);
    if (!isLinearInOneVariable(equation)) return refusal(Refusal::not_linear);

    LinearWork work;
    static_cast<LinearStepChoices&>(work) = choices;
    if (work.random == nullptr) work.random = &defaultRandomSource();
    work.letter = variableLetterOf(equation);

    const std::optional<WorkedSteps> solved = workedSolution(std::move(work), equation);
    return solved ? *solved : refusal(Refusal::numbers_too_large);
}

}  // namespace duolinear

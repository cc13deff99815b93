#include "linear_steps/LinearEquationSteps.h"

#include <optional>
#include <utility>
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

// Every stage in order; no value when the arithmetic gives out on the way.
std::optional<WorkedSteps> workedSolution(LinearWork work, const PolyEquation& equation) {
    work.start = dropZeroTermsBothSides(true, equation);
    const PolyEquation& start = work.start;
    const std::optional<LinearSolution> solution = linearSolutionStatus(start);
    if (!solution) return std::nullopt;
    work.solution = *solution;
    work.current = start;

    if (!work.skipOpeningFrame) work.addStandaloneStep(work.openingLines(), "🤔");
    const Outcome<Done> shortcut = solvedFormShortcut(work);
    if (shortcut.failed) return std::nullopt;
    if (shortcut.applies()) return work.takeSteps();

    const Step_exclusions exclusions = classifyLinearEquation(work.style, start);
    if (simplifyStage(work, exclusions).failed) return std::nullopt;
    for (auto* stage : {combineSimpleLikeTermsStage, clearFractionsStage, combineLikeTermsStage, termsToOneSideStage,
                        constantTermsOppositeStage, divisionStage}) {
        if (stage(work).failed) return std::nullopt;
    }

    if (!work.skipOpeningFrame && work.showing()) work.addStandaloneStep(work.closingLines(), "😎");
    // A working is never empty: should the stages have found nothing to show,
    // it still states the answer.
    if (work.steps.empty()) work.addStandaloneStep(work.closingLines(), "solve");
    return work.takeSteps();
}

}  // namespace

WorkedSteps linearEquationSteps(const PolyEquation& equation, const LinearStepChoices& choices) {
    const auto refusal = [&](Refusal reason) { return refusalOf(reason, equationLayout(equation, choices.style)); };
    if (eitherSideHasZeroDenominator(equation)) return refusal(Refusal::zero_denominator);
    if (!isLinearInOneVariable(equation)) return refusal(Refusal::not_linear);

    LinearWork work;
    static_cast<LinearStepChoices&>(work) = choices;
    if (work.random == nullptr) work.random = &defaultRandomSource();
    work.steps = StepKeeper(choices.kept);
    work.letter = variableLetterOf(equation);

    std::optional<WorkedSteps> solved = workedSolution(std::move(work), equation);
    if (!solved) return refusal(Refusal::numbers_too_large);
    return std::move(*solved);
}

}  // namespace duolinear

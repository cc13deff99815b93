#include "solver/SolverDriver.h"

#include <optional>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/Refusal.h"
#include "solver/EliminationCommentary.h"
#include "solver/GcdSimplification.h"
#include "solver/MethodSteps.h"
#include "solver/SingleVariableShortcut.h"
#include "solver/SolverFacts.h"
#include "solver/SolverLineTools.h"

namespace duolinear {

namespace {

// An equation already without zero terms, all black, with stacked fractions.
TagLayout reducedEquationLine(const PolyEquation& reduced) {
    return equationLayout(reduced, Style::fraction);
}

// A one-variable working refused by a step engine: the solver hands the
// engines only linear equations without a zero denominator, so their only
// refusal is the overflow, told in the engines' own words.
const std::string kTooLarge = refusalText(Refusal::numbers_too_large);

// Appends a producer's frame, if it made one. False when it overflowed.
bool appendOutcome(WorkedSteps& result, Outcome<SolverFrame> outcome) {
    if (outcome.failed) return false;
    if (outcome.value) result.append(std::move(outcome.value->lines), std::move(outcome.value->comments));
    return true;
}

}  // namespace

WorkedSteps refusalSteps(const std::string& reason) {
    WorkedSteps refusal;
    refusal.append({messageLayout(reason), messageLayout("please correct")}, "oops");
    return refusal;
}

WorkedSteps solveDuolinearSystem(const Duolinear& system, const SolverChoices& choices, bool quiet) {
    // Every later reading is by position, so the shape is checked first.
    if (!hasSolverShape(system)) return refusalSteps("missing coefficient");
    const PolyEquation& first = system.equations[0];
    const PolyEquation& second = system.equations[1];
    if (eitherSideHasZeroDenominator(first) || eitherSideHasZeroDenominator(second)) {
        return refusalSteps("division by zero");
    }
    if (!equationsHaveVariableTerms(system)) return refusalSteps("missing variable term");

    // The steps count with whole numbers (common factors, multipliers).
    const std::optional<WholeCoefficients> whole = wholeCoefficients(system);
    if (!whole) return refusalSteps("whole numbers only");

    std::optional<SolverFacts> facts = solverFacts(system, *whole, choices);
    if (!facts) return refusalSteps(kTooLarge);
    DuolinearClassification& classification = facts->classification;

    const PolyEquation reducedFirst = dropZeroTermsBothSides(true, first);
    const PolyEquation reducedSecond = dropZeroTermsBothSides(true, second);
    StepLines openingLines = linesOf(reducedEquationLine(reducedFirst), reducedEquationLine(reducedSecond));

    WorkedSteps result;
    if (!quiet) result.append(openingLines, "🤔");

    // An equation in a single variable is solved at once; otherwise the
    // common-factor advice, the commentary on the multipliers and the
    // method's own steps follow, each only when it has something to say.
    Outcome<ShortcutSteps> shortcut =
        solveSingleVariableShortcut(reducedFirst, reducedSecond, classification.x, classification.y);
    if (shortcut.failed) return refusalSteps(kTooLarge);
    if (shortcut.value) {
        result.append(std::move(shortcut.value->first), std::move(shortcut.value->firstCaption));
        result.append(std::move(shortcut.value->second), std::move(shortcut.value->secondCaption));
    } else {
        if (!appendOutcome(result, simplifyByGCD(*facts))) return refusalSteps(kTooLarge);
        if (!appendOutcome(result, eliminationCommentary(*facts))) return refusalSteps(kTooLarge);
        std::optional<WorkedSteps> methodSteps = buildMethodSteps(*facts);
        if (!methodSteps) return refusalSteps(kTooLarge);
        for (std::size_t i = 0; i < methodSteps->steps.size(); ++i) {
            result.append(std::move(methodSteps->steps[i]), std::move(methodSteps->comments[i]));
        }
    }

    if (!quiet) {
        // The opening lines are not needed again: they move into the close.
        StepLines closingLines = std::move(openingLines);
        appendLines(closingLines, std::move(classification.lines));
        result.append(std::move(closingLines), "😎");
    }
    return result;
}

}  // namespace duolinear

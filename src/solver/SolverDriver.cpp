#include "solver/SolverDriver.h"

#include <optional>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/Refusal.h"
#include "solver/Classification.h"
#include "solver/EliminationCommentary.h"
#include "solver/GcdSimplification.h"
#include "solver/MethodSteps.h"
#include "solver/SingleVariableShortcut.h"
#include "solver/WholeCoefficients.h"

namespace duolinear {

namespace {

// An equation without zero terms, all black, with stacked fractions.
TagLayout reducedEquationLine(const PolyEquation& equation) {
    return equationLayout(dropZeroTermsBothSides(true, equation), Style::fraction);
}

// A one-variable working refused by a step engine: the solver hands the
// engines only linear equations without a zero denominator, so their only
// refusal is the overflow, told in the engines' own words.
const std::string kTooLarge = refusalText(Refusal::numbers_too_large);

// Appends a producer's frame, if it made one. False when it overflowed.
bool appendOutcome(WorkedSteps& result, const StepOutcome<SolverFrame>& outcome) {
    if (outcome.overflow) return false;
    if (outcome.result) result.append(outcome.result->lines, outcome.result->comments);
    return true;
}

}  // namespace

WorkedSteps refusalSteps(const std::string& reason) {
    WorkedSteps refusal;
    refusal.append({messageLayout(reason), messageLayout("please correct")}, "oops");
    return refusal;
}

WorkedSteps solveDuolinearSystem(const Duolinear& system, Duolinear_variable variable, Duolinear_equation equation,
                                 Duolinear_LCM use_LCM, Duolinear_method method, bool quiet) {
    // Every later reading is by position, so the shape is checked first.
    if (!hasSolverShape(system)) return refusalSteps("missing coefficient");
    const PolyEquation& first = system.equations[0];
    const PolyEquation& second = system.equations[1];
    if (eitherSideHasZeroDenominator(first) || eitherSideHasZeroDenominator(second)) {
        return refusalSteps("division by zero");
    }
    if (!equationsHaveVariableTerms(system)) return refusalSteps("missing variable term");

    // The steps count with whole numbers (common factors, multipliers).
    if (!wholeCoefficients(system)) return refusalSteps("whole numbers only");

    const std::optional<DuolinearClassification> classification = classifyDuolinearSystem(system);
    if (!classification) return refusalSteps(kTooLarge);

    const PolyEquation reducedFirst = dropZeroTermsBothSides(true, first);
    const PolyEquation reducedSecond = dropZeroTermsBothSides(true, second);
    const StepLines openingLines{reducedEquationLine(first), reducedEquationLine(second)};

    WorkedSteps result;
    if (!quiet) result.append(openingLines, "🤔");

    // An equation in a single variable is solved at once; otherwise the
    // common-factor advice, the commentary on the multipliers and the
    // method's own steps follow, each only when it has something to say.
    const StepOutcome<ShortcutSteps> shortcut =
        solveSingleVariableShortcut(reducedFirst, reducedSecond, classification->x, classification->y);
    if (shortcut.overflow) return refusalSteps(kTooLarge);
    if (shortcut.result) {
        result.append(shortcut.result->first, shortcut.result->firstCaption);
        result.append(shortcut.result->second, shortcut.result->secondCaption);
    } else {
        if (!appendOutcome(result, simplifyByGCD(system))) return refusalSteps(kTooLarge);
        if (!appendOutcome(result, eliminationCommentary(system, variable, use_LCM, method))) {
            return refusalSteps(kTooLarge);
        }
        const std::optional<WorkedSteps> methodSteps = buildMethodSteps(system, variable, equation, use_LCM, method);
        if (!methodSteps) return refusalSteps(kTooLarge);
        for (std::size_t i = 0; i < methodSteps->steps.size(); ++i) {
            result.append(methodSteps->steps[i], methodSteps->comments[i]);
        }
    }

    if (!quiet) {
        StepLines closingLines = openingLines;
        closingLines.insert(closingLines.end(), classification->lines.begin(), classification->lines.end());
        result.append(std::move(closingLines), "😎");
    }
    return result;
}

}  // namespace duolinear

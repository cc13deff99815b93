#include "solver/SolverDriver.h"

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "solver/Classification.h"

#include <optional>
#include <utility>

namespace duolinear {

namespace {

// An equation without zero terms, all black, with stacked fractions.
TagLayout reducedEquationLine(const PolyEquation& equation) {
    return equationLayout(dropZeroTermsBothSides(true, equation), Style::fraction);
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

    const std::optional<DuolinearClassification> classification = classifyDuolinearSystem(system);
    if (!classification) return refusalSteps("numbers too large");

    const StepLines openingLines{reducedEquationLine(first), reducedEquationLine(second)};

    WorkedSteps result;
    if (!quiet) result.append(openingLines, "🤔");

    // The steps of the method go here, between the opening and the closing
    // frame: the single-variable shortcut, or else the common-factor advice,
    // the commentary on the multipliers and the method's own steps. Each
    // producer is handed the system and the four choices unchanged.

    if (!quiet) {
        StepLines closingLines = openingLines;
        closingLines.insert(closingLines.end(), classification->lines.begin(), classification->lines.end());
        result.append(std::move(closingLines), "😎");
    }
    return result;
}

}  // namespace duolinear

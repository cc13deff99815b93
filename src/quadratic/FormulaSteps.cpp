#include "quadratic/FormulaSteps.h"

#include <optional>
#include <utility>
#include <variant>

#include "quadratic/FormulaPresentation.h"
#include "quadratic/QuadraticClosing.h"
#include "quadratic/QuadraticOpening.h"
#include "quadratic/QuadraticRefusal.h"

namespace duolinear {

WorkedSteps formulaSteps(const PolyEquation& equation, const LinearStepChoices& choices) {
    OpeningResult opening = quadraticOpening(equation, choices);
    if (WorkedSteps* finished = std::get_if<WorkedSteps>(&opening)) return std::move(*finished);
    OpeningState state = std::move(std::get<OpeningState>(opening));

    const std::optional<StepLines> presentation = formulaPresentation(choices.highlight, state.equation);
    if (!presentation) return quadraticRefusal(QuadraticRefusal::overflow, equation, choices.style);
    StepLines lines = state.carriedLines;
    lines.insert(lines.end(), presentation->begin(), presentation->end());
    state.worked.append(std::move(lines), "substitute in formula and solve");

    if (!choices.skipOpeningFrame) state.worked.append(closingLines(state, choices.style), "😎");
    return std::move(state.worked);
}

}  // namespace duolinear

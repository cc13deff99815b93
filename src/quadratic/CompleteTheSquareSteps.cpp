#include "quadratic/CompleteTheSquareSteps.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/ExtendedPolynomialLayout.h"
#include "linear_steps/ExtendedStepProducers.h"
#include "quadratic/HalveAndSquareStep.h"
#include "quadratic/LeadingCoefficientStep.h"
#include "quadratic/OpeningSteps.h"
#include "quadratic/QuadraticClosing.h"
#include "quadratic/QuadraticOpening.h"
#include "quadratic/QuadraticRefusal.h"
#include "quadratic/SquareRootStep.h"
#include "rational_expressions/FactoredLayout.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

namespace {

// The method's work after the opening.
struct Square {
    Style style;
    OpeningState state;

    TagLayout line(const PolyEquation& equation) const { return equationLayout(equation, style); }
    StepLines carriedWith(const StepLines& own) const {
        StepLines lines = state.carriedLines;
        lines.insert(lines.end(), own.begin(), own.end());
        return lines;
    }
    void addStep(const StepLines& own, std::string caption) {
        state.worked.append(carriedWith(own), std::move(caption));
    }
};

PolyEquation inBlack(const PolyEquation& equation) {
    return recoloredEquation(Color::black, Color::black, Color::black, equation);
}

// The notes under a step's equations, or one blank line when there are none.
void addNotes(StepLines& own, const Layouts& notes) {
    if (notes.empty()) {
        own.push_back(blankLayouts(0).front());
    } else {
        own.insert(own.end(), notes.begin(), notes.end());
    }
}

// "divide by coefficient of v²": false when the arithmetic gave out.
bool divideStep(Square& q) {
    const Outcome<LeadingCoefficientStep> step = divideByLeadingCoefficientStep(q.state.equation);
    if (step.failed) return false;
    if (!step.applies()) return true;
    const LeadingCoefficientStep& d = *step.value;
    StepLines own{q.line(d.before), extEquationLayout(q.style, d.bracketed), q.line(d.after)};
    addNotes(own, d.notes);
    q.addStep(own, "divide by coefficient of " + std::string(1, q.state.variable) + "²");
    q.state.carriedLines.push_back(q.line(inBlack(d.before)));
    q.state.carriedLines.push_back(
        extEquationLayout(q.style, recolorExtEquation(Color::black, Color::black, Color::black, d.bracketed)));
    q.state.equation = inBlack(d.after);
    return true;
}

// "constant term to right hand side": false when the arithmetic gave out.
bool constantStep(Square& q) {
    const Outcome<std::vector<PolyEquation>> step = constantToRightSideStep(q.state.equation);
    if (step.failed) return false;
    if (!step.applies()) return true;
    const std::vector<PolyEquation>& equations = *step.value;
    StepLines own;
    for (const PolyEquation& e : equations) own = appendEquationLine(q.style, std::move(own), e);
    addNotes(own, {});
    q.addStep(own, "constant term to right hand side");
    for (std::size_t i = 0; i + 1 < equations.size(); ++i) {
        q.state.carriedLines = appendBlackEquationLine(q.style, std::move(q.state.carriedLines), equations[i]);
    }
    q.state.equation = inBlack(equations.back());
    return true;
}

// "complete the square": false when the arithmetic gave out. Without an x
// term the equation is carried as it stands.
bool squareStep(Square& q) {
    const Outcome<HalveAndSquareStep> step = halveAndSquareStep(q.state.equation, Style::fraction);
    if (step.failed) return false;
    if (!step.applies()) {
        q.state.carriedLines.push_back(q.line(q.state.equation));
        return true;
    }
    const HalveAndSquareStep& h = *step.value;
    StepLines own;
    for (const PolyEquation& e : h.equations) own = appendEquationLine(q.style, std::move(own), e);
    own.push_back(xlEquationLayout(q.style, h.square));
    addNotes(own, h.notes);
    q.addStep(own, "complete the square");
    for (const PolyEquation& e : h.equations) {
        q.state.carriedLines = appendBlackEquationLine(q.style, std::move(q.state.carriedLines), e);
    }
    q.state.carriedLines.push_back(xlEquationLayout(q.style, recolorXLEquation(Color::black, h.square)));
    q.state.equation = inBlack(h.equations.front());
    return true;
}

// "square root and solve": false when the arithmetic gave out.
bool squareRootStep(Square& q) {
    const std::optional<StepLines> lines = squareRootAndSolveStep(q.style, q.state.equation);
    if (!lines) return false;
    q.addStep(*lines, "square root and solve");
    return true;
}

}  // namespace

WorkedSteps completeTheSquareSteps(const PolyEquation& equation, const LinearStepChoices& choices) {
    OpeningResult opening = quadraticOpening(equation, choices);
    if (WorkedSteps* finished = std::get_if<WorkedSteps>(&opening)) return std::move(*finished);

    Square q{choices.style, std::move(std::get<OpeningState>(opening))};
    if (!(divideStep(q) && constantStep(q) && squareStep(q) && squareRootStep(q))) {
        return quadraticRefusal(QuadraticRefusal::overflow, equation, choices.style);
    }
    if (!choices.skipOpeningFrame) q.state.worked.append(closingLines(q.state, choices.style), "😎");
    return std::move(q.state.worked);
}

}  // namespace duolinear

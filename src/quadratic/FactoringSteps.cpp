#include "quadratic/FactoringSteps.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "linear_steps/ExtendedEquationOps.h"
#include "quadratic/CommonFactorStep.h"
#include "quadratic/FactoredForm.h"
#include "quadratic/QuadraticClosing.h"
#include "quadratic/QuadraticOpening.h"
#include "quadratic/QuadraticRefusal.h"
#include "rational_expressions/FactoredLayout.h"

namespace duolinear {

namespace {

// The method's work after the opening.
struct Factoring {
    const LinearStepChoices& choices;
    OpeningState state;

    TagLayout line(const PolyEquation& equation) const { return equationLayout(equation, choices.style); }
    Color marking() const { return choices.highlight ? Color::red : Color::black; }
    StepLines carriedWith(const StepLines& own) const {
        StepLines lines = state.carriedLines;
        lines.insert(lines.end(), own.begin(), own.end());
        return lines;
    }
    void addStep(StepLines lines, std::string caption) { state.worked.append(std::move(lines), std::move(caption)); }
};

StepLines twoBlankLines() {
    return blankLayouts(2);
}

// "simplify the equation": false when the arithmetic gave out.
bool commonFactorStep(Factoring& f) {
    const Outcome<CommonFactorStep> step = factorOutGCDStep(f.state.equation);
    if (step.failed) return false;
    if (!step.applies()) return true;
    const std::vector<Ext_polyEquation>& equations = step.value->equations;
    const Style style = f.choices.style;
    Layouts own;
    for (const Ext_polyEquation& x : equations) own = appendExtEquationLine(style, std::move(own), x);
    own.push_back(messageLayout(step.value->message));
    f.addStep(f.carriedWith(own), "simplify the equation");
    for (std::size_t i = 0; i + 1 < equations.size(); ++i) {
        f.state.carriedLines = appendBlackExtEquationLine(style, std::move(f.state.carriedLines), equations[i]);
    }
    f.state.equation = extToPolyEquation(equations.back());
    return true;
}

// "complete the factorization": false when the arithmetic gave out.
bool factoredFormStep(Factoring& f) {
    const Outcome<Polynomial_Equation_XL> factored = factoredForm(f.state.equation);
    if (factored.failed) return false;
    f.state.carriedLines.push_back(f.line(f.state.equation));
    if (!factored.applies()) return true;
    f.state.carriedLines.push_back(xlEquationLayout(f.choices.style, *factored.value));
    f.addStep(f.state.carriedLines, "complete the factorization");
    return true;
}

TagLayout fractionLine(const PolyEquation& equation) {
    return equationLayout(equation, Style::fraction);
}

// "zero-product rule", or the verdict: false when the arithmetic gave out.
bool zeroProductStep(Factoring& f) {
    const Outcome<FactorabilityVerdict> verdict = factorabilityVerdict(f.choices.highlight, f.state.equation);
    if (verdict.failed) return false;
    if (!verdict.applies()) return true;
    const FactorabilityVerdict& v = *verdict.value;
    StepLines own = twoBlankLines();
    if (v.first && v.second) {
        own.push_back(*joinAllLayouts(
            {fractionLine(v.first->front()), messageLayout(" or ", f.marking()), fractionLine(v.second->front())}));
        own.push_back(
            *joinAllLayouts({fractionLine(v.first->back()), messageLayout(" or "), fractionLine(v.second->back())}));
        f.addStep(f.carriedWith(own), "zero-product rule");
    } else if (v.first) {
        own.push_back(fractionLine(v.first->front()));
        own.push_back(fractionLine(v.first->back()));
        f.addStep(f.carriedWith(own), "zero-product rule");
    } else if (v.message) {
        own.push_back(messageLayout(*v.message));
        f.addStep(f.carriedWith(own), *v.message);
    }
    return true;
}

// "😎": the roots of the opening equation, their status and, for two roots,
// the note on their order.
void closingStep(Factoring& f) {
    const QuadraticRoots& roots = f.state.roots;
    StepLines lines{f.state.openingLine};
    for (TagLayout& blank : twoBlankLines()) lines.push_back(std::move(blank));
    if (std::optional<TagLayout> line = rootsLine(f.state.variable, roots, closingSurdStyle(f.choices.style))) {
        lines.push_back(std::move(*line));
    }
    lines.push_back(messageLayout(rawValue(roots.status)));
    if (roots.status == Quadratic_status::rational_distinct) {
        lines.push_back(messageLayout("(number line order)"));
    } else if (roots.status != Quadratic_status::none && roots.status != Quadratic_status::rational_repeated) {
        lines.push_back(messageLayout("(number line order)\n\nshown for convenience"));
    }
    f.addStep(std::move(lines), "😎");
}

}  // namespace

WorkedSteps factoringSteps(const PolyEquation& equation, const LinearStepChoices& choices) {
    OpeningResult opening = quadraticOpening(equation, choices, OpeningTidying::clear_fractions);
    if (WorkedSteps* finished = std::get_if<WorkedSteps>(&opening)) return std::move(*finished);

    Factoring f{choices, std::move(std::get<OpeningState>(opening))};
    if (!(commonFactorStep(f) && factoredFormStep(f) && zeroProductStep(f))) {
        return quadraticRefusal(QuadraticRefusal::overflow, equation, choices.style);
    }
    if (!choices.skipOpeningFrame) closingStep(f);
    return std::move(f.state.worked);
}

}  // namespace duolinear

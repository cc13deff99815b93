#pragma once
// Small helpers shared by the solver's step producers: picking one step's
// lines out of a one-variable working, joining line lists, the letters of
// the two variables, and the pieces of a substitution.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/Term.h"
#include "layout/TagLayout.h"
#include "linear_steps/Refusal.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

// The lines of the first / last step of a working, moved out of it; no value
// when the working was refused (isRefusal) or has no step. The solver passes
// no zero denominators and only linear equations in one letter, so a refusal
// here is always the engines' "numbers too large", which the driver's refusal
// repeats.
inline std::optional<StepLines> firstStepLines(WorkedSteps worked) {
    if (worked.steps.empty() || isRefusal(worked)) return std::nullopt;
    return std::move(worked.steps.front());
}
inline std::optional<StepLines> lastStepLines(WorkedSteps worked) {
    if (worked.steps.empty() || isRefusal(worked)) return std::nullopt;
    return std::move(worked.steps.back());
}

inline void appendLines(StepLines& lines, Layouts more) {
    for (TagLayout& line : more) lines.push_back(std::move(line));
}

// A term that multiplies no group.
inline Term plainTerm(Monomial monomial) {
    return Term{std::move(monomial), SubExpression{}};
}

// The term in whose letter's place a known part is substituted: it keeps its
// coefficient, which now multiplies group 0, where the known part stands.
inline void multiplyGroupZero(Term& term) {
    term.monomial.exponent = 0;
    term.sub_exp = SubExpression{true, 0};
}

// The position of a variable's term on the left side: x at 0, y at 1.
inline std::size_t termIndex(Var v) {
    return v == Var::y ? 1 : 0;
}
inline Var otherVariable(Var v) {
    return v == Var::y ? Var::x : Var::y;
}
inline std::string letterText(Var v) {
    return std::string(1, character(v));
}

// "equation and known" side by side, the head line of a substitution step.
inline TagLayout substitutionHeadLine(const PolyEquation& equation, const PolyEquation& known) {
    LayoutWriter writer(96);
    const LayoutWriter::Item shown = writeEquation(writer, equation, Style::fraction);
    const LayoutWriter::Item joined = writer.join("🖇", shown, writer.message(" and "));
    const LayoutWriter::Item root = writer.join("🖇", joined, writeEquation(writer, known, Style::fraction));
    return std::move(writer).finish(root);
}

}  // namespace duolinear

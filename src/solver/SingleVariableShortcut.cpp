#include "solver/SingleVariableShortcut.h"

#include <utility>

#include "linear_steps/LinearEquationSteps.h"
#include "solver/SolverLineTools.h"
#include "solver/SubstituteValue.h"

namespace duolinear {

namespace {

// The start of the working of an equation in one variable.
std::optional<StepLines> openingWork(const PolyEquation& equation) {
    return firstStepLines(linearEquationSteps(equation, {.skipOpeningFrame = true, .kept = KeptSteps::first}));
}

// The single-variable equation solved, then its value put into the other.
std::optional<ShortcutSteps> solveThenSubstitute(const PolyEquation& single, const PolyEquation& other,
                                                 const std::string& singleName, const std::string& otherName,
                                                 const std::optional<Rational>& x, const std::optional<Rational>& y) {
    const Var f = single.LHS.terms.front().variable == character(Var::x) ? Var::x : Var::y;
    const std::optional<Rational>& value = f == Var::x ? x : y;
    if (!value) return std::nullopt;
    std::optional<StepLines> first = openingWork(single);
    std::optional<StepLines> substituted = substituteValueAndSolve(other, f, *value, true);
    if (!first || !substituted) return std::nullopt;
    StepLines second = linesOf(messageLayout("substitute " + letterText(f) + " into " + otherName));
    appendLines(second, std::move(*substituted));
    return ShortcutSteps{std::move(*first), std::move(second), "solve " + singleName, "solve " + otherName};
}

}  // namespace

Outcome<ShortcutSteps> solveSingleVariableShortcut(const PolyEquation& first, const PolyEquation& second,
                                                   const std::optional<Rational>& x, const std::optional<Rational>& y) {
    using Result = Outcome<ShortcutSteps>;
    const bool firstSingle = first.LHS.terms.size() == 1;
    const bool secondSingle = second.LHS.terms.size() == 1;
    if (firstSingle && secondSingle) {
        std::optional<StepLines> firstWork = openingWork(first);
        std::optional<StepLines> secondWork = openingWork(second);
        if (!firstWork || !secondWork) return Result::failure();
        return Result::of({std::move(*firstWork), std::move(*secondWork), "solve first", "solve second"});
    }
    if (!firstSingle && !secondSingle) return Result::nothing();

    std::optional<ShortcutSteps> steps = firstSingle ? solveThenSubstitute(first, second, "first", "second", x, y)
                                                     : solveThenSubstitute(second, first, "second", "first", x, y);
    return steps ? Result::of(std::move(*steps)) : Result::failure();
}

}  // namespace duolinear

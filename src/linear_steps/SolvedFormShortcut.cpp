#include <optional>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/LinearStages.h"

namespace duolinear {

namespace {

// How one side of the opening equation reads.
struct SideShape {
    bool reducedConstant = false;  // one constant term in lowest terms, positive denominator
    bool constant = false;         // one constant term
    bool variable = false;         // x
    bool negatedVariable = false;  // -x
};

SideShape shapeOf(const Polynomial& side) {
    return SideShape{isSingleConstant(true, side.terms), isSingleConstant(false, side.terms),
                     isBareVariable(false, side.terms), isBareVariable(true, side.terms)};
}

PolyEquation exchangedSides(const PolyEquation& equation, Color relationColor) {
    return PolyEquation{equation.RHS, equation.LHS, reversedRelation(equation.relation), relationColor};
}

// The lines of the "solve" step, or no value when no shortcut form holds.
// `reduced` is the opening equation with both sides reduced.
std::optional<StepLines> shortcutLines(const LinearWork& work, const PolyEquation& start, const PolyEquation& reduced) {
    const SideShape left = shapeOf(start.LHS);
    const SideShape right = shapeOf(start.RHS);
    const bool decimal = work.style == Style::decimal;
    const LinearSolution& solution = work.solution;
    // Each line is laid out only on the path that shows it.
    const auto opening = [&] { return work.openingLines(); };
    const auto reducedLine = [&] { return decimal ? StepLines{} : linesOf(work.inAnswerStyle(reduced)); };
    const auto answer = [&] {
        const Color answerColor = work.answerRelationColor(solution.relation);
        return work.inAnswerStyle(work.variableRelConstant(solution.value, solution.relation, answerColor));
    };
    const auto reversedAnswer = [&] {
        const Relation reversed = reversedRelation(solution.relation);
        return work.inAnswerStyle(
            work.constantRelVariable(solution.value, reversed, work.answerRelationColor(reversed)));
    };

    if (left.reducedConstant && right.reducedConstant) return work.closingLines();
    if (left.constant && right.constant) {
        StepLines reducedInStyle = decimal ? StepLines{} : linesOf(work.inStyle(reduced));
        return concatLines(opening(), std::move(reducedInStyle), work.answerLines());
    }
    if (left.negatedVariable && right.reducedConstant) {
        return concatLines(opening(), linesOf(answer()), work.signChangeNotice());
    }
    if (left.negatedVariable && right.constant) {
        return concatLines(opening(), reducedLine(), linesOf(answer()), work.signChangeNotice());
    }
    if (left.variable && right.reducedConstant) return opening();
    if (left.variable && right.constant) return concatLines(opening(), reducedLine());
    if (left.reducedConstant && right.negatedVariable) {
        return concatLines(opening(), linesOf(reversedAnswer(), answer()), work.signChangeNotice());
    }
    if (left.constant && right.negatedVariable) {
        return concatLines(opening(), reducedLine(), linesOf(reversedAnswer(), answer()), work.signChangeNotice());
    }
    const Relation exchangedRelation = reversedRelation(start.relation);
    const Color exchangedColor = work.answerRelationColor(exchangedRelation);
    if (left.reducedConstant && right.variable) {
        return concatLines(opening(), linesOf(work.inAnswerStyle(exchangedSides(start, exchangedColor))));
    }
    if (left.constant && right.variable) {
        const PolyEquation& base = decimal ? start : reduced;
        return concatLines(opening(), reducedLine(), linesOf(work.inAnswerStyle(exchangedSides(base, exchangedColor))));
    }
    return std::nullopt;
}

}  // namespace

Outcome<Done> solvedFormShortcut(LinearWork& work) {
    const PolyEquation& start = work.current;
    const std::optional<PolyEquation> reduced = reduceBothSides(start);
    if (!reduced) return Outcome<Done>::failure();
    std::optional<StepLines> lines = shortcutLines(work, start, *reduced);
    if (!lines) return Outcome<Done>::nothing();

    work.addStandaloneStep(std::move(*lines), "solve");
    if (!work.skipOpeningFrame && work.showing()) {
        const bool alreadySolved = isBareVariable(false, start.LHS.terms) && isSingleConstant(true, start.RHS.terms);
        work.addStandaloneStep(alreadySolved ? work.openingLines() : work.closingLines(), "😎");
    }
    return Outcome<Done>::done();
}

}  // namespace duolinear

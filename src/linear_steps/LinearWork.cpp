#include "linear_steps/LinearWork.h"

#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "linear_steps/LinearClassification.h"

namespace duolinear {

Color LinearWork::marking() const {
    return highlight ? Color::red : Color::black;
}

Color LinearWork::answerRelationColor(Relation relation) const {
    return relation == Relation::equal_to || !highlight ? Color::black : Color::red;
}

Monomial LinearWork::unitTerm() const {
    return Monomial{Rational{1, 1}, 1, letter};
}
Monomial LinearWork::negativeUnitTerm() const {
    return Monomial{Rational{-1, 1}, 1, letter};
}
std::string LinearWork::solveForText() const {
    return std::string("solve for ") + letter;
}

StepLines LinearWork::signChangeNotice() const {
    if (skipOpeningFrame) return {};
    const std::string v(1, letter);
    StepLines lines = blankLayouts(2);
    lines.push_back(
        messageLayout("notice  -" + v + "  to  " + v + "  conversion\nmultiplication of both sides\nby (-1)"));
    return lines;
}

PolyEquation LinearWork::variableRelConstant(const Rational& c, Relation relation, Color relationColor) const {
    return PolyEquation{Polynomial{unitTerm()}, Polynomial{Monomial{c, 0}}, relation, relationColor};
}

PolyEquation LinearWork::constantRelVariable(const Rational& c, Relation relation, Color relationColor) const {
    return PolyEquation{Polynomial{Monomial{c, 0}}, Polynomial{unitTerm()}, relation, relationColor};
}

TagLayout LinearWork::inStyle(const PolyEquation& equation) const {
    return equationLayout(equation, style);
}

TagLayout LinearWork::inAnswerStyle(const PolyEquation& equation) const {
    return equationLayout(equation, style == Style::decimal ? Style::decimal : Style::fraction);
}

TagLayout LinearWork::inFraction(const PolyEquation& equation) {
    return equationLayout(equation, Style::fraction);
}

StepLines LinearWork::openingLines() const {
    return linesOf(inStyle(start));
}

StepLines LinearWork::answerLines() const {
    if (solution.status != Status::unique) return linesOf(messageLayout(rawValue(solution.status)));
    const bool solved = isSolvedForm(style == Style::decimal, start);
    if (solved && style != Style::rational_fraction) return {};
    return linesOf(inAnswerStyle(variableRelConstant(solution.value, solution.relation)));
}

StepLines LinearWork::closingLines() const {
    return concatLines(openingLines(), answerLines());
}

void LinearWork::addStep(StepLines lines, std::string comment) {
    steps.add(derivation, derivation.size(), std::move(lines), {std::move(comment)});
}

void LinearWork::addStandaloneStep(StepLines lines, std::string comment) {
    steps.add(derivation, 0, std::move(lines), {std::move(comment)});
}

}  // namespace duolinear

#include "linear_steps/LinearWork.h"

#include "algebra/AlgebraLayouts.h"

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

StepLines LinearWork::derivationWith(StepLines lines) const {
    StepLines all;
    all.reserve(derivation.size() + lines.size());
    all.insert(all.end(), derivation.begin(), derivation.end());
    for (TagLayout& line : lines) all.push_back(std::move(line));
    return all;
}

}  // namespace duolinear

#include "quadratic/FormulaPresentation.h"

#include <algorithm>
#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/PolynomialQueries.h"
#include "layout/JoinTexts.h"
#include "quadratic/OpeningSteps.h"
#include "quadratic/QuadraticClosing.h"
#include "quadratic/QuadraticRoots.h"

namespace duolinear {

namespace {

// A number as digits, or as a stacked fraction when its denominator is not 1.
TagLayout number(const Rational& value) {
    return rationalLayout(value, false, Style::fraction);
}

TagLayout bracketed(const TagLayout& child) {
    return unaryLayout("()", child);
}

// The first left-hand term of the power, if any.
const Monomial* termOfPower(const Polynomial& side, std::uint64_t exponent) {
    const auto found = std::find_if(side.terms.begin(), side.terms.end(),
                                    [exponent](const Monomial& term) { return term.exponent == exponent; });
    return found == side.terms.end() ? nullptr : &*found;
}

// One value of line 9: the label and the value joined by "=", all in the colour.
TagLayout valueLine(const std::string& label, const Rational& value, Color color) {
    return joinLayouts("=", messageLayout(label, color), number(value), color);
}

// v = (-(b) ± √((b)² − 4(a)(c))) / 2(a)
TagLayout substitutedFormula(const std::string& v, const Rational& a, const Rational& b, const Rational& c) {
    const bool negative = b.numerator < 0;
    TagLayout minusB = number(b);
    if (negative) {
        minusB = unaryLayout("-", bracketed(number(b)));
    } else if (b.numerator != 0) {
        minusB = unaryLayout("-", number(b));
    }
    const TagLayout base = negative || b.denominator != 1 ? bracketed(number(b)) : number(b);
    const TagLayout square = joinLayouts("^", base, messageLayout("2"));
    const TagLayout fourAC = *joinAllLayouts({messageLayout("4"), bracketed(number(a)), bracketed(number(c))});
    const TagLayout numerator = joinLayouts("±", minusB, unaryLayout("√", joinLayouts(kMinusJoin, square, fourAC)));
    const TagLayout denominator = *joinAllLayouts({messageLayout("2"), bracketed(number(a))});
    return joinLayouts("=", messageLayout(v), joinLayouts(kFractionJoin, numerator, denominator));
}

void addBlanks(StepLines& lines, long long count) {
    for (TagLayout& blank : blankLayouts(count)) lines.push_back(std::move(blank));
}

}  // namespace

std::optional<StepLines> formulaPresentation(bool highlight, const PolyEquation& equation) {
    if (equation.LHS.terms.empty()) return std::nullopt;
    const std::optional<QuadraticRoots> roots = quadraticRoots(equation);
    if (!roots) return std::nullopt;

    const Monomial& leading = equation.LHS.terms.front();
    const char letter = leading.variable;
    const std::string v(1, letter);
    const Color colorA = highlight ? Color::red : Color::black;
    const Color colorB = highlight ? Color::blue : Color::black;
    const Color colorC = highlight ? Color::gray : Color::black;
    const Monomial* linear = termOfPower(equation.LHS, 1);
    const Monomial* constant = termOfPower(equation.LHS, 0);
    const Rational a = recoloredRational(colorA, leading.coefficient);
    const Rational b = linear ? recoloredRational(colorB, linear->coefficient) : coloredRational(0, 1, colorB);
    const Rational c = constant ? recoloredRational(colorC, constant->coefficient) : coloredRational(0, 1, colorC);

    Monomials rebuilt{Monomial{a, 2, letter}};
    if (linear) rebuilt.push_back(Monomial{b, 1, letter});
    if (constant) rebuilt.push_back(Monomial{c, 0, letter});
    const PolyEquation marked{Polynomial{std::move(rebuilt)}, zeroSide(letter), equation.relation};

    StepLines lines{equationLayout(marked, Style::fraction)};
    addBlanks(lines, 2);
    lines.push_back(messageLayout("for  a" + v + "² + b" + v + " + c = 0 ,  a ≠ 0"));
    lines.push_back(joinLayouts(
        "=", messageLayout(v),
        joinLayouts(kFractionJoin, joinLayouts("±", messageLayout("-b"), unaryLayout("√", messageLayout("b² − 4ac"))),
                    messageLayout("2a"))));
    addBlanks(lines, 3);
    lines.push_back(*joinAllLayouts(
        {valueLine("a", a, colorA), valueLine(" , b", b, colorB), messageLayout(" and "), valueLine("c", c, colorC)}));
    lines.push_back(substitutedFormula(v, a, b, c));
    addBlanks(lines, 3);
    if (std::optional<TagLayout> rootsOf = rootsLine(letter, *roots, Style::rational_fraction)) {
        lines.push_back(std::move(*rootsOf));
        lines.push_back(messageLayout("from calculator"));
    } else {
        lines.push_back(messageLayout(rawValue(roots->status)));
    }
    return lines;
}

}  // namespace duolinear

#include "guides/Systems.h"

#include <algorithm>
#include <cstddef>

#include "algebra/AlgebraLayouts.h"
#include "algebra/Equation.h"
#include "algebra/EquationTransforms.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "guides/TextFlow.h"
#include "solver/DuolinearSystem.h"

namespace duolinear::guides {

namespace {

const std::string kMinus = "\u2212";

PolyEquation equationOf(long long a, long long b, long long c) {
    return PolyEquation{{Monomial{Rational{a, 1}, 1, 'x'}, Monomial{Rational{b, 1}, 1, 'y'}},
                        {Monomial{Rational{c, 1}, 0}},
                        Relation::equal_to};
}

Duolinear systemOf(const SystemSpec& s) {
    return Duolinear{{equationOf(s.a1, s.b1, s.c1), equationOf(s.a2, s.b2, s.c2)}};
}

// A term after the first: " + 3y", " − y"; the first: "3y", "−y", "y".
std::string termText(long long coefficient, const std::string& letter, bool first) {
    const long long size = coefficient < 0 ? -coefficient : coefficient;
    const std::string digits = size == 1 ? std::string() : std::to_string(size);
    if (first) return (coefficient < 0 ? kMinus : std::string()) + digits + letter;
    return (coefficient < 0 ? " " + kMinus + " " : std::string(" + ")) + digits + letter;
}

// a·v as put into a check: "2·3", "2·(−1)", or the value alone for a = ±1.
std::string productText(long long coefficient, long long value, bool first) {
    const long long size = coefficient < 0 ? -coefficient : coefficient;
    const std::string shown = value < 0 ? "(" + numberText(value) + ")" : numberText(value);
    const std::string product = size == 1 ? shown : std::to_string(size) + "\u00B7" + shown;
    if (first) return (coefficient < 0 ? kMinus : std::string()) + product;
    return (coefficient < 0 ? " " + kMinus + " " : std::string(" + ")) + product;
}

std::string equationCheck(long long a, long long b, long long c, long long x, long long y) {
    std::string text;
    if (a != 0) text += productText(a, x, true);
    if (b != 0) text += productText(b, y, text.empty());
    return unbroken(text + " = " + numberText(c));
}

}  // namespace

WorkedSolution workedSolutionOf(const SystemSpec& s, const Choices& choices) {
    DuolinearModel model;
    model.coeffs_L_0 = {Rational{s.a1, 1}, Rational{s.b1, 1}};
    model.coeffs_R_0 = {Rational{s.c1, 1}};
    model.coeffs_L_1 = {Rational{s.a2, 1}, Rational{s.b2, 1}};
    model.coeffs_R_1 = {Rational{s.c2, 1}};
    model.method = choices.method;
    model.variable = choices.variable;
    model.equation = choices.equation;
    model.use_LCM = choices.lcm;
    return model.workedSolution();
}

std::optional<DuolinearClassification> classificationOf(const SystemSpec& system) {
    return classifyDuolinearSystem(systemOf(system));
}

std::string numberText(long long value) {
    return value < 0 ? kMinus + std::to_string(-value) : std::to_string(value);
}

std::string equationText(long long a, long long b, long long c) {
    std::string text;
    if (a != 0) text += termText(a, "x", true);
    if (b != 0) text += termText(b, "y", text.empty());
    if (text.empty()) text = "0";
    return unbroken(text + " = " + numberText(c));
}

std::string firstEquationText(const SystemSpec& s) {
    return equationText(s.a1, s.b1, s.c1);
}
std::string secondEquationText(const SystemSpec& s) {
    return equationText(s.a2, s.b2, s.c2);
}

StepLines systemLines(const SystemSpec& s) {
    return {equationLayout(dropZeroTermsBothSides(equationOf(s.a1, s.b1, s.c1)), Style::fraction),
            equationLayout(dropZeroTermsBothSides(equationOf(s.a2, s.b2, s.c2)), Style::fraction)};
}

StepLines verdictLines(const SystemSpec& system) {
    const std::optional<DuolinearClassification> verdict = classificationOf(system);
    if (!verdict) return {};
    StepLines lines = verdict->lines;
    // The verdict starts with two blank lines that part it from the equations.
    const std::size_t blanks = std::min<std::size_t>(2, lines.size());
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(blanks));
    return lines;
}

std::string checkText(const SystemSpec& s) {
    const std::optional<DuolinearClassification> verdict = classificationOf(s);
    if (!verdict || verdict->type != Duolinear_solution_type::one || !verdict->x || !verdict->y) return {};
    const Rational& x = *verdict->x;
    const Rational& y = *verdict->y;
    if (x.denominator != 1 || y.denominator != 1) return {};
    return equationCheck(s.a1, s.b1, s.c1, x.numerator, y.numerator) + " and " +
           equationCheck(s.a2, s.b2, s.c2, x.numerator, y.numerator);
}

GraphPanel graphOf(const SystemSpec& s, const std::string& caption) {
    return {s.a1, s.b1, s.c1, s.a2, s.b2, s.c2, caption};
}

}  // namespace duolinear::guides

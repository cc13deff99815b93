#include "quadratic/HalveAndSquareStep.h"

#include <optional>
#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/PolynomialQueries.h"

namespace duolinear {

namespace {

Polynomial appended(Polynomial side, const Monomial& term) {
    side.terms.push_back(term);
    return side;
}

}  // namespace

Outcome<std::vector<PolyEquation>> constantToRightSideStep(const PolyEquation& equation) {
    using Result = Outcome<std::vector<PolyEquation>>;
    if (equation.LHS.terms.empty()) return Result::failure();
    const Monomial& constant = equation.LHS.terms.back();
    if (constant.exponent != 0) return Result::nothing();
    const std::optional<Rational> moved = negatedRational(constant.coefficient);
    if (!moved) return Result::failure();

    Monomials rest(equation.LHS.terms.begin(), equation.LHS.terms.end() - 1);
    if (rest.empty()) rest.push_back(Monomial{Rational{0, 1}, 0, constant.variable});
    const Polynomial right =
        recolorFirstTermCoefficient(Color::red, Polynomial{Monomial{*moved, 0, constant.variable}});
    return Result::of(
        {PolyEquation{recolorLastTermCoefficient(Color::red, equation.LHS), equation.RHS, equation.relation},
         PolyEquation{Polynomial{std::move(rest)}, right, equation.relation}});
}

Outcome<HalveAndSquareStep> halveAndSquareStep(const PolyEquation& equation, Style style) {
    using Result = Outcome<HalveAndSquareStep>;
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return Result::failure();
    const Monomial& linear = equation.LHS.terms.back();
    if (linear.exponent != 1) return Result::nothing();
    const Rational& b = linear.coefficient;
    const char v = linear.variable;
    const std::optional<Rational> h = rationalProduct(Rational{1, 2}, b);
    const std::optional<Rational> s = h ? rationalProduct(*h, *h) : std::nullopt;
    const std::optional<Rational> total = s ? rationalSum(equation.RHS.terms.front().coefficient, *s) : std::nullopt;
    if (!total) return Result::failure();

    const Monomial added{*s, 0, v};
    const Relation relation = equation.relation;
    std::vector<PolyEquation> equations{
        PolyEquation{recolorLastTermCoefficient(Color::red, equation.LHS), equation.RHS, relation},
        PolyEquation{recolorLastTermCoefficient(Color::blue, appended(equation.LHS, added)),
                     recolorLastTermCoefficient(Color::blue, appended(equation.RHS, added)), relation}};

    const Term_XL inner[] = {Term_XL{Monomial{Rational{1, 1}, 1, v}, {}},
                             Term_XL{Monomial{recoloredRational(Color::red, *h), 0, v}, {}}};
    const Polynomial_XL left =
        wrapArray({{inner[0], inner[1]}, {Term_XL{Monomial{Rational{1, 1}, 0, v}, {Factor{0, 2}}}}});
    const Polynomial_XL right = wrapArray({{Term_XL{Monomial{*total, 0, v}, {}}}});

    auto number = [style](const Rational& value, Color color) {
        return rationalLayout(recoloredRational(color, value), false, style);
    };
    Layouts notes{
        *joinAllLayouts({messageLayout("halve " + std::string(1, v) + " coefficient from ", Color::red),
                         number(b, Color::red), messageLayout(" to ", Color::red), number(*h, Color::red)}),
        *joinAllLayouts({messageLayout("square to ", Color::blue), number(*s, Color::blue),
                         messageLayout(" , add to both sides", Color::blue)}),
        messageLayout("complete the square")};
    return Result::of({std::move(equations), Polynomial_Equation_XL{left, right, relation}, std::move(notes)});
}

Layouts appendBlackEquationLine(Style style, Layouts lines,
                                               const PolyEquation& equation) {
    lines.push_back(equationLayout(recoloredEquation(Color::black, Color::black, Color::black, equation), style));
    return lines;
}

}  // namespace duolinear

#include "quadratic/SquareRootStep.h"

#include <string>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/IntegerFunctions.h"
#include "quadratic/OpeningSteps.h"
#include "quadratic/QuadraticClosing.h"
#include "quadratic/QuadraticRoots.h"

namespace duolinear {

std::optional<StepLines> squareRootAndSolveStep(Style style, const PolyEquation& equation) {
    if (equation.LHS.terms.empty() || equation.RHS.terms.empty()) return std::nullopt;
    const Monomial& last = equation.LHS.terms.back();
    const char v = last.variable;
    const Rational b = last.exponent == 1 ? last.coefficient : Rational{0, 1};
    const std::optional<Rational> h = rationalProduct(Rational{1, 2}, b);
    const std::optional<Rational> q = h ? rationalProduct(*h, *h) : std::nullopt;
    const std::optional<Rational> s = q ? rationalSum(*q, equation.RHS.terms.front().coefficient) : std::nullopt;
    const std::optional<Rational> minusH = h ? negatedRational(*h) : std::nullopt;
    const std::optional<QuadraticRoots> roots = quadraticRoots(equation);
    if (!s || !minusH || !roots) return std::nullopt;

    if (roots->status == Quadratic_status::none) return StepLines{messageLayout("negative RHS, no solution")};
    const Relation relation = equation.relation;
    const Monomial bare{Rational{1, 1}, 1, v};
    const bool shifted = h->numerator != 0;
    const Polynomial vPlusH = shifted ? Polynomial{bare, Monomial{*h, 0, v}} : Polynomial{bare};
    if (roots->status == Quadratic_status::rational_repeated) {
        StepLines lines;
        if (shifted) lines.push_back(equationLayout(PolyEquation{vPlusH, zeroSide(v), relation}, style));
        lines.push_back(
            equationLayout(PolyEquation{Polynomial{bare}, Polynomial{Monomial{*minusH, 0, v}}, relation}, style));
        return lines;
    }

    const TagLayout root = unaryLayout(
        "√", polynomialLayout(recoloredSide(Color::red, Polynomial{Monomial{*s, 0, v}}), style), Color::red);
    StepLines lines{joinLayouts("=", polynomialLayout(recoloredSide(Color::red, vPlusH), style),
                                unaryLayout("±", root, Color::red), Color::red)};
    if (roots->status == Quadratic_status::rational_distinct && shifted) {
        const std::optional<std::int64_t> top = exactSquareRoot(s->numerator);
        const std::optional<std::int64_t> bottom = exactSquareRoot(s->denominator);
        if (!top || !bottom) return std::nullopt;
        lines.push_back(joinLayouts("=", polynomialLayout(Polynomial{bare}, style),
                                    joinLayouts("±", rationalLayout(*minusH, false, style),
                                                rationalLayout(Rational{*top, *bottom}, false, style))));
    }
    // Rational roots are drawn as fractions there.
    std::optional<TagLayout> rootsOf = rootsLine(v, *roots, style);
    if (!rootsOf) return std::nullopt;
    lines.push_back(std::move(*rootsOf));
    return lines;
}

}  // namespace duolinear

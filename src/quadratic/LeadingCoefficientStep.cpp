#include "quadratic/LeadingCoefficientStep.h"

#include <optional>
#include <utility>

#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "algebra/PolynomialQueries.h"
#include "layout/JoinTexts.h"

namespace duolinear {

namespace {

// m·(side): the side's terms as group 0, the top-level group m times it.
Ext_polynomial timesSide(const Polynomial& side, const Monomial& multiplier) {
    Ext_polynomial extended = extendedPolynomial(side);
    extended.terms.push_back({Term{multiplier, SubExpression{true, 0}}});
    return extended;
}

TagLayout note(const std::string& text, const Rational& value) {
    return joinLayouts(kJuxtaposeJoin, messageLayout(text, Color::red), rationalLayout(value, false, Style::fraction));
}

}  // namespace

Outcome<LeadingCoefficientStep> divideByLeadingCoefficientStep(const PolyEquation& equation) {
    using Result = Outcome<LeadingCoefficientStep>;
    if (equation.LHS.terms.empty()) return Result::failure();
    const Monomial& leading = equation.LHS.terms.front();
    const Rational& a = leading.coefficient;
    if (equals(a, Rational{1, 1})) return Result::nothing();
    const std::optional<Rational> reciprocal = rationalReciprocal(a);
    if (!reciprocal) return Result::failure();
    const Monomial multiplier{recoloredRational(Color::red, *reciprocal), 0, leading.variable};

    Monomials divided;
    for (const Monomial& term : equation.LHS.terms) {
        const std::optional<Rational> quotient = rationalQuotient(term.coefficient, a);
        if (!quotient) return Result::failure();
        divided.push_back(Monomial{*quotient, term.exponent, term.variable});
    }
    const Relation relation = equation.relation;
    return Result::of(
        {PolyEquation{recolorFirstTermCoefficient(Color::red, equation.LHS), equation.RHS, relation},
         Ext_polyEquation{timesSide(equation.LHS, multiplier), timesSide(equation.RHS, multiplier), relation},
         PolyEquation{Polynomial{std::move(divided)}, equation.RHS, relation},
         {note("divide both sides by  ", recoloredRational(Color::red, a)),
          note("or multiply by  ", multiplier.coefficient)}});
}

}  // namespace duolinear

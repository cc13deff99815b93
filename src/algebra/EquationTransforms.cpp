#include "algebra/EquationTransforms.h"

#include <algorithm>
#include <iterator>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/SideRules.h"

namespace duolinear {

namespace {

template <typename Predicate>
bool anyTerm(const Polynomial& side, Predicate predicate) {
    return std::any_of(side.terms.begin(), side.terms.end(), predicate);
}

bool needsReducing(const Rational& r) {
    return r.denominator < 0 || gcdOfMagnitudes(magnitude(r.numerator), magnitude(r.denominator)) != 1;
}

}  // namespace

bool areLikeTerms(const Monomial& a, const Monomial& b, bool simple) {
    if (a.exponent != b.exponent) return false;
    if (a.exponent != 0 && a.variable != b.variable) return false;
    return !simple || (a.coefficient.denominator == 1 && b.coefficient.denominator == 1);
}

bool hasZeroDenominator(const Polynomial& side) {
    return anyTerm(side, [](const Monomial& t) { return t.coefficient.denominator == 0; });
}

bool eitherSideHasZeroDenominator(const PolyEquation& equation) {
    return hasZeroDenominator(equation.LHS) || hasZeroDenominator(equation.RHS);
}

Polynomial dropZeroTerms(bool resetColors, const Polynomial& side) {
    Monomials kept;
    kept.reserve(side.terms.size());
    std::copy_if(side.terms.begin(), side.terms.end(), std::back_inserter(kept), isNonzeroTerm);
    Polynomial result = sideOrZeroTerm(std::move(kept));
    if (resetColors) {
        for (Monomial& term : result.terms) term = recoloredMonomial(Color::black, term);
    }
    return result;
}

Polynomial dropZeroTerms(const Polynomial& side) {
    return dropZeroTerms(true, side);
}

PolyEquation dropZeroTermsBothSides(bool resetColors, const PolyEquation& equation) {
    return PolyEquation{dropZeroTerms(resetColors, equation.LHS), dropZeroTerms(resetColors, equation.RHS),
                        equation.relation};
}

PolyEquation dropZeroTermsBothSides(const PolyEquation& equation) {
    return dropZeroTermsBothSides(true, equation);
}

bool sideNeedsReducing(const Polynomial& side) {
    return anyTerm(side, [](const Monomial& t) { return needsReducing(t.coefficient); });
}

bool eitherSideNeedsReducing(const PolyEquation& equation) {
    return sideNeedsReducing(equation.LHS) || sideNeedsReducing(equation.RHS);
}

std::optional<Polynomial> reducedSide(const Polynomial& side) {
    Monomials terms;
    terms.reserve(side.terms.size());
    for (const Monomial& term : side.terms) {
        const std::optional<Rational> reduced = reducedRational(term.coefficient);
        if (!reduced) return std::nullopt;
        terms.push_back(Monomial{*reduced, term.exponent, term.variable});
    }
    return sideOrZeroTerm(std::move(terms));
}

std::optional<PolyEquation> reduceBothSides(const PolyEquation& equation) {
    std::optional<Polynomial> lhs = reducedSide(equation.LHS);
    std::optional<Polynomial> rhs = reducedSide(equation.RHS);
    if (!lhs || !rhs) return std::nullopt;
    return PolyEquation{std::move(*lhs), std::move(*rhs), equation.relation};
}

bool sideHasFractions(const Polynomial& side) {
    return anyTerm(side, [](const Monomial& t) { return t.coefficient.denominator != 1; });
}

bool eitherSideHasFractions(const PolyEquation& equation) {
    return sideHasFractions(equation.LHS) || sideHasFractions(equation.RHS);
}

Polynomial recolorDenominators(Color color, const Polynomial& side) {
    Polynomial result = side;
    for (Monomial& term : result.terms) {
        if (term.coefficient.denominator != 1) term.coefficient.denominator_color = color;
    }
    return result;
}

PolyEquation recolorDenominatorsBothSides(Color color, const PolyEquation& equation) {
    return PolyEquation{recolorDenominators(color, equation.LHS), recolorDenominators(color, equation.RHS),
                        equation.relation};
}

Polynomial recoloredSide(Color color, Polynomial side) {
    for (Monomial& term : side.terms) term = recoloredMonomial(color, term);
    return side;
}

PolyEquation recoloredEquation(Color lhsColor, Color rhsColor, Color relationColor, PolyEquation equation) {
    return PolyEquation{recoloredSide(lhsColor, std::move(equation.LHS)),
                        recoloredSide(rhsColor, std::move(equation.RHS)), equation.relation, relationColor};
}

bool isNonzeroVariableTerm(const Monomial& term) {
    return term.coefficient.numerator != 0 && term.exponent >= 1;
}

std::optional<Rational> rationalReciprocal(const Rational& r) {
    if (r.numerator == 0 || r.denominator == 0) return std::nullopt;
    return reducedRational(Rational{r.denominator, r.numerator});
}

}  // namespace duolinear

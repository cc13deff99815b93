#include "algebra/PolynomialQueries.h"

#include <algorithm>

#include "algebra/Checked.h"
#include "algebra/EquationTransforms.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

// Adds 1 to counter and gives false unless the term has the wanted exponent.
// A counter cannot reach the 64-bit limit by counting terms; should a caller
// start it there, it stays at the limit rather than wrap.
bool countUnlessExponent(const Monomial& term, std::uint64_t exponent, std::int64_t& counter) {
    if (term.exponent == exponent) return true;
    counter = checkedAdd(counter, std::int64_t{1}).value_or(counter);
    return false;
}

Polynomial withCoefficientRecolored(Color color, const Polynomial& side, std::size_t index) {
    Polynomial result = side;
    Monomial& term = result.terms[index];
    term = Monomial{recoloredRational(color, term.coefficient), term.exponent, term.variable};
    return result;
}

}  // namespace

std::optional<bool> rationalNeedsReducing(const Rational& r) {
    if (r.denominator == 0) return std::nullopt;
    if (r.denominator < 0) return true;
    return gcdOfMagnitudes(magnitude(r.numerator), magnitude(r.denominator)) != 1;
}

Rational coloredRational(std::int64_t numerator, std::int64_t denominator, Color color) {
    return Rational{numerator, denominator, color, color, color};
}

std::optional<Monomial> negatedTerm(const Monomial& term) {
    const std::optional<Rational> negated = negatedRational(term.coefficient);
    if (!negated) return std::nullopt;
    return Monomial{*negated, term.exponent, term.variable};
}

bool sameTerm(const Monomial& term, const Monomial& other, bool strict) {
    // Equality by value of two defined fractions is equality of their lowest
    // terms, which cross-multiplication decides without dividing.
    if (!rationalEquals(term.coefficient, other.coefficient, strict)) return false;
    if (term.exponent != other.exponent) return false;
    return term.exponent == 0 || term.variable == other.variable;
}

bool isNotSquareTerm(const Monomial& term) {
    return term.exponent != 2;
}

std::optional<Monomial> dividedByLeadingCoefficient(const Monomial& term, const PolyEquation& equation) {
    if (equation.LHS.terms.empty()) return std::nullopt;
    const Rational& divisor = equation.LHS.terms.front().coefficient;
    if (divisor.numerator == 0) return std::nullopt;
    const std::optional<Rational> quotient = rationalQuotient(term.coefficient, divisor);
    if (!quotient) return std::nullopt;
    return Monomial{*quotient, term.exponent, term.variable};
}

std::optional<Term> termDividedByFactor(const Monomial& term, std::int64_t g) {
    const CheckedInt numerator = checkedDivide(term.coefficient.numerator, g);
    if (!numerator) return std::nullopt;
    return Term{Monomial{Rational{*numerator, 1}, term.exponent, term.variable}, SubExpression{false, 0}};
}

bool termsBeforeFirstVariableTerm(const Monomial& term, std::int64_t& counter) {
    return countUnlessExponent(term, 1, counter);
}

bool termsBeforeFirstConstant(const Monomial& term, std::int64_t& counter) {
    return countUnlessExponent(term, 0, counter);
}

std::optional<Polynomial> negatedSide(const Polynomial& side) {
    std::optional<Polynomial> result = reducedSide(side);
    if (!result) return std::nullopt;
    for (Monomial& term : result->terms) {
        const CheckedInt numerator = checkedNegate(term.coefficient.numerator);
        if (!numerator) return std::nullopt;
        term.coefficient.numerator = *numerator;
    }
    return result;
}

std::optional<PolyEquation> negatedBothSides(const PolyEquation& equation) {
    std::optional<Polynomial> lhs = negatedSide(equation.LHS);
    std::optional<Polynomial> rhs = negatedSide(equation.RHS);
    if (!lhs || !rhs) return std::nullopt;
    return PolyEquation{std::move(*lhs), std::move(*rhs), equation.relation, equation.relation_color};
}

Ext_polynomial extendedPolynomial(const Polynomial& side) {
    ExtGroup group;
    group.reserve(side.terms.size());
    for (const Monomial& term : side.terms) group.push_back(Term{term, SubExpression{false, 0}});
    return wrapArray({std::move(group)});
}

Ext_polyEquation extendedEquation(const PolyEquation& equation) {
    return Ext_polyEquation{extendedPolynomial(equation.LHS), extendedPolynomial(equation.RHS), equation.relation};
}

Polynomial_XL xlPolynomial(const Polynomial& side) {
    std::vector<Term_XL> group;
    group.reserve(side.terms.size());
    for (const Monomial& term : side.terms) group.push_back(Term_XL{term, {}});
    return Polynomial_XL{{std::move(group)}};
}

bool allTermsConstant(const Polynomial& side) {
    return std::all_of(side.terms.begin(), side.terms.end(), [](const Monomial& t) { return t.exponent == 0; });
}

bool bothSidesConstant(const PolyEquation& equation) {
    return allTermsConstant(equation.LHS) && allTermsConstant(equation.RHS);
}

bool bothSidesSameConstant(const PolyEquation& equation) {
    if (equation.LHS.terms.size() != 1 || equation.RHS.terms.size() != 1) return false;
    const Monomial& left = equation.LHS.terms.front();
    const Monomial& right = equation.RHS.terms.front();
    return rationalEquals(left.coefficient, right.coefficient, false) && left.exponent == 0 && right.exponent == 0;
}

bool isSingleWholeConstant(bool strict, const Polynomial& side) {
    if (side.terms.size() != 1 || side.terms.front().exponent != 0) return false;
    const Rational& c = side.terms.front().coefficient;
    if (c.denominator == 0) return false;
    if (strict) return c.denominator == 1;
    // On magnitudes: the remainder of the least value by -1 overflows.
    return magnitude(c.numerator) % magnitude(c.denominator) == 0;
}

bool isInDescendingPowers(const Polynomial& side) {
    return std::adjacent_find(side.terms.begin(), side.terms.end(), [](const Monomial& before, const Monomial& next) {
               return next.exponent > before.exponent;
           }) == side.terms.end();
}

Polynomial sortedByDescendingPowers(const Polynomial& side) {
    Polynomial result = side;
    std::stable_sort(result.terms.begin(), result.terms.end(),
                     [](const Monomial& a, const Monomial& b) { return a.exponent > b.exponent; });
    return result;
}

std::optional<Polynomial> descendingPowersRewrite(const Polynomial& side) {
    if (isInDescendingPowers(side)) return std::nullopt;
    return sortedByDescendingPowers(side);
}

Polynomial recolorFirstTermCoefficient(Color color, const Polynomial& side) {
    if (side.terms.empty()) return side;
    return withCoefficientRecolored(color, side, 0);
}

Polynomial recolorLastTermCoefficient(Color color, const Polynomial& side) {
    if (side.terms.empty()) return side;
    return withCoefficientRecolored(color, side, side.terms.size() - 1);
}

std::optional<std::int64_t> gcdOfNumerators(const Polynomial& side) {
    // Folded on magnitudes, so that only a final gcd of 2^63 has no value.
    std::uint64_t acc = 0;
    for (const Monomial& term : side.terms) acc = gcdOfMagnitudes(acc, magnitude(term.coefficient.numerator));
    return signedFromMagnitude(false, acc);
}

std::string gcdFactorMessage(std::int64_t g) {
    const std::string text = std::to_string(g);
    if (g == -1) return " \nfactor out  " + text + "\ndivide both sides by  " + text;
    return "\n" + std::to_string(magnitude(g)) + " is greatest common divisor\n\nfactor out  " + text +
           "\ndivide both sides by  " + text;
}

}  // namespace duolinear

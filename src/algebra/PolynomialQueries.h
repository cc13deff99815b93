#pragma once
// Smaller operations on numbers, terms, sides and equations that the step
// engines and solvers share: reducing tests, negation, conversion into the
// extended and factored forms, constant tests, order by powers, recolouring of
// one coefficient, the gcd of the numerators with the message that announces
// it, a common denominator, and the per-term operations that steps apply to
// every term of a side.
//
// The rules of EquationTransforms.h hold here too: terms keep their order
// unless a rule says otherwise, no transform leaves a side empty, and a result
// that would overflow 64 bits (or divide by zero) is no value.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "algebra/Equation.h"
#include "algebra/FactoredPolynomial.h"
#include "algebra/Monomial.h"
#include "algebra/Polynomial.h"
#include "algebra/Rational.h"
#include "algebra/Term.h"
#include "layout/Enumerations.h"

namespace duolinear {

// ---- Rationals and terms -------------------------------------------------

// No value for a zero denominator; true for a negative denominator; otherwise
// whether gcd(numerator, denominator) is not 1.
std::optional<bool> rationalNeedsReducing(const Rational& r);

// numerator/denominator as given (nothing reduced) with all three colours = color.
Rational coloredRational(std::int64_t numerator, std::int64_t denominator, Color color);

// -term, coefficient in lowest terms, all black; no value for a zero
// denominator or when the negation does not fit.
std::optional<Monomial> negatedTerm(const Monomial& term);

// Both denominators non-zero; equal coefficients (strict: the same stored
// parts; otherwise by value, so 2/-4 and -1/2 agree); equal exponents; and,
// unless the exponent is 0, equal letters. Colours ignored.
bool sameTerm(const Monomial& term, const Monomial& other, bool strict);

// The exponent is not 2.
bool isNotSquareTerm(const Monomial& term);

// The term's coefficient divided by the coefficient of the first LHS term,
// reduced, black; no value when the LHS is empty, that coefficient is 0 or
// undefined, or the quotient does not fit.
std::optional<Monomial> dividedByLeadingCoefficient(const Monomial& term, const PolyEquation& equation);

// The term with coefficient (numerator / g) over 1 (truncating; the
// denominator is not read), black, multiplying no group. No value for g = 0 or
// when the quotient does not fit.
std::optional<Term> termDividedByFactor(const Monomial& term, std::int64_t g);

// Scanning helpers: true for a term of exponent 1 (or 0 for
// termsBeforeFirstConstant); any other term adds 1 to counter and gives false.
// Scanning a side until the first true counts the terms before that term.
bool termsBeforeFirstVariableTerm(const Monomial& term, std::int64_t& counter);
bool termsBeforeFirstConstant(const Monomial& term, std::int64_t& counter);

// ---- Sides and equations -------------------------------------------------

// The side reduced (reducedSide), then every coefficient negated; all black.
std::optional<Polynomial> negatedSide(const Polynomial& side);
// Both sides negated; relation and relation colour as given (not reversed).
std::optional<PolyEquation> negatedBothSides(const PolyEquation& equation);

// One group holding every term as a Term that multiplies no group.
Ext_polynomial extendedPolynomial(const Polynomial& side);
// Both sides extended; relation as given, black relation colour.
Ext_polyEquation extendedEquation(const PolyEquation& equation);
// One group holding every term as a Term_XL without factors.
Polynomial_XL xlPolynomial(const Polynomial& side);

// No term has an exponent other than 0 (true for an empty side).
bool allTermsConstant(const Polynomial& side);
bool bothSidesConstant(const PolyEquation& equation);
// Each side one constant term, the two equal by value (false when undefined).
bool bothSidesSameConstant(const PolyEquation& equation);
// One constant term with a non-zero denominator that is a whole number:
// strict, stored over 1; otherwise its numerator a multiple of its denominator.
bool isSingleWholeConstant(bool strict, const Polynomial& side);

// No term has a greater exponent than the term before it.
bool isInDescendingPowers(const Polynomial& side);
// Stable sort by exponent, highest first.
Polynomial sortedByDescendingPowers(const Polynomial& side);
// No value when the side is in descending powers already; else the sorted side.
std::optional<Polynomial> descendingPowersRewrite(const Polynomial& side);

// The first (last) term's coefficient in color (numerator, denominator, bar),
// its letter black; other terms unchanged; an empty side comes back as given.
Polynomial recolorFirstTermCoefficient(Color color, const Polynomial& side);
Polynomial recolorLastTermCoefficient(Color color, const Polynomial& side);

// gcd of the magnitudes of the numerators (denominators not read); 0 for an
// empty side or all-zero numerators; no value when it is 2^63.
std::optional<std::int64_t> gcdOfNumerators(const Polynomial& side);

// The comment of the step that factors g out and divides both sides by it.
std::string gcdFactorMessage(std::int64_t g);

struct CommonDenominatorSide {
    Polynomial side;
    bool hasFractions = false;
    bool changed = false;  // some coefficient was rewritten
};

struct CommonDenominatorEquation {
    PolyEquation equation;
    bool hasFractions = false;
    bool changed = false;
};

// Every coefficient rewritten over L, the lcm of the denominators other than
// 1, numerator scaled to match, colours kept. When L is 1 there is nothing to
// rewrite: the result is the zero-term side with both flags false. No value
// for a zero denominator or on overflow.
std::optional<CommonDenominatorSide> commonDenominatorSide(const Polynomial& side);
// The same over both sides at once (one L); with no fractions both sides are
// the zero term and both flags false. Relation as given, black relation colour.
std::optional<CommonDenominatorEquation> commonDenominatorBothSides(const PolyEquation& equation);

// The side with its variable replaced by its negative, in two pictures:
// [0] a(-x)^n for every term a·x^n, [1] a(-x^n) for odd n and a(x^n) for
// even n. Each non-constant term k owns group k (blue for odd n, red for
// even n); the last group is the side itself, constants copied unchanged.
// The flag is not read.
std::array<Polynomial_XL, 2> negativeVariableSubstitution(bool flag, const Polynomial& side);

}  // namespace duolinear

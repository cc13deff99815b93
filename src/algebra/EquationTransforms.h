#pragma once
// The checks and clean-ups that open a worked solution: zero denominators,
// zero terms, reducing every coefficient ("simplify"), combining like terms,
// clearing fractions, and the recolourings that mark up an equation in a
// step. Each comes as a side operation on one Polynomial and an equation
// operation that applies it to LHS and RHS.
//
// Rules shared by every operation here:
// - Terms keep their stored order unless the rule says otherwise.
// - A side is never left empty: a side that an operation empties becomes the
//   single zero term (0/1, exponent 0, letter 'x', black).
// - Equation results carry the input relation and a black relation colour,
//   except recoloredEquation, which sets the colour it is given.
// - Arithmetic is on 64-bit integers; where it would overflow, and where a
//   coefficient has a zero denominator that the operation would divide by or
//   add, the result is no value. Callers reject zero denominators first with
//   eitherSideHasZeroDenominator.

#include <cstdint>
#include <optional>

#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "algebra/Polynomial.h"
#include "algebra/Rational.h"
#include "layout/Enumerations.h"

namespace duolinear {

// Two terms are like when their exponents are equal and either their letters
// are equal or the exponent is 0 (constants are like whatever their letter).
// simple: both coefficients must also have denominator 1.
bool areLikeTerms(const Monomial& a, const Monomial& b, bool simple);

// Some coefficient has denominator 0.
bool hasZeroDenominator(const Polynomial& side);
bool eitherSideHasZeroDenominator(const PolyEquation& equation);

// The terms with a non-zero numerator, in order ([zero term] when none is
// left); with resetColors every colour becomes black, otherwise colours stay.
Polynomial dropZeroTerms(bool resetColors, const Polynomial& side);
Polynomial dropZeroTerms(const Polynomial& side);  // resetColors true
PolyEquation dropZeroTermsBothSides(bool resetColors, const PolyEquation& equation);
PolyEquation dropZeroTermsBothSides(const PolyEquation& equation);  // resetColors true

// Some coefficient has a negative denominator or a gcd of its parts other
// than 1 (so 1/0 does not need reducing, 5/0 and 0/0 do).
bool sideNeedsReducing(const Polynomial& side);
bool eitherSideNeedsReducing(const PolyEquation& equation);

// Every coefficient in lowest terms with a positive denominator (0/k becomes
// 0/1); every colour black; no term removed or merged. No value for a zero
// denominator or a part that does not fit (the least value over -1).
std::optional<Polynomial> reducedSide(const Polynomial& side);
std::optional<PolyEquation> reduceBothSides(const PolyEquation& equation);

struct CombinedSide {
    Polynomial side;
    bool changed = false;  // some terms were merged
};

struct CombinedEquation {
    PolyEquation equation;
    bool changed = false;  // some terms were merged on either side
};

// Each group of like terms collapses into the position of its first member
// (sum reduced and black, letter of the first member, black letter); a term
// that absorbed nothing keeps its coefficient as stored, with its colours.
// Terms with numerator 0 are then removed. changed reports merges only.
// No value when a sum overflows or adds a coefficient with denominator 0.
std::optional<CombinedSide> combineLikeTerms(bool simple, const Polynomial& side);
std::optional<CombinedEquation> combineLikeTermsBothSides(bool simple, const PolyEquation& equation);
std::optional<CombinedEquation> combineLikeTermsBothSides(const PolyEquation& equation);  // simple false

// Some coefficient has a denominator other than 1 (-1 and 0 included).
bool sideHasFractions(const Polynomial& side);
bool eitherSideHasFractions(const PolyEquation& equation);

// The lcm of the denominators: 1 for integer coefficients, 0 as soon as a
// denominator is 0, positive otherwise; no value when it does not fit.
std::optional<std::int64_t> lcmOfSideDenominators(const Polynomial& side);
std::optional<std::int64_t> lcmOfDenominators(const PolyEquation& equation);

// Every coefficient n/d becomes n·(L/d) over 1, L the lcm of the denominators
// (over both sides for the equation), all black; nothing dropped, merged or
// reduced further. No value for a zero denominator or on overflow.
std::optional<Polynomial> clearSideFractions(const Polynomial& side);
std::optional<PolyEquation> clearFractionsBothSides(const PolyEquation& equation);

// The denominator colour of every coefficient whose denominator is not 1.
Polynomial recolorDenominators(Color color, const Polynomial& side);
PolyEquation recolorDenominatorsBothSides(Color color, const PolyEquation& equation);

// Every colour of every term (numerator, denominator, bar, letter).
Polynomial recoloredSide(Color color, Polynomial side);
PolyEquation recoloredEquation(Color lhsColor, Color rhsColor, Color relationColor, PolyEquation equation);

// A non-zero numerator and an exponent of at least 1.
bool isNonzeroVariableTerm(const Monomial& term);

// 1/r in lowest terms with a positive denominator, black; no value when the
// numerator or the denominator is 0 (or the result does not fit).
std::optional<Rational> rationalReciprocal(const Rational& r);

}  // namespace duolinear

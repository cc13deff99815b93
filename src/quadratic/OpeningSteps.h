#pragma once
// The operations with which every quadratic method opens, after its
// simplifying steps: cancelling an equal square term on both sides, testing
// whether a term of degree two or more is left, and bringing the equation into
// the form "polynomial in descending powers = 0"; and the fold step that turns
// a list of equations into the lines of one step.
//
// All are pure functions of their arguments. Equations built here have a
// black relation colour and black new terms, and always carry the input
// relation: the sides may change places, the relation is never reversed (the
// quadratic methods read their input as an equation). Callers reject zero
// denominators before they call these.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "algebra/Outcome.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The zero side [0·v⁰] in the letter v.
Polynomial zeroSide(char letter);

// A zero side: one term of value 0 with exponent 0, whatever its letter and
// however its zero is written (0/5 counts); not an empty side, and not a list
// of two zero terms.
bool isZeroSide(const Polynomial& side);

// The letter of the equation: that of the first term, LHS then RHS, with a
// non-zero numerator and an exponent of at least 1; 'x' when there is none.
char equationLetter(const PolyEquation& equation);

// Whether every non-zero term of exponent 1 or more has one and the same letter.
bool isInOneLetter(const PolyEquation& equation);

// "same square term on both sides": when each side has a square term (exponent
// exactly 2) and the first square terms of the two sides have equal
// coefficients by value, every square term is removed from both sides; a side
// left without terms becomes [0·v⁰] in the letter of its first square term.
// No value when the step does not apply.
std::optional<PolyEquation> cancelSquareTerms(const PolyEquation& equation);

// A fold step: count, plus 1 when the term's exponent is greater than 1.
// Folded over LHS then RHS from 0 it counts the terms of degree two or more.
std::int64_t higherPowerTermCount(std::int64_t count, const Monomial& term);
// The fold over both sides.
std::int64_t higherPowerTermCount(const PolyEquation& equation);

// The equations of the "descending powers of v" step, the input first, and
// the message under them.
struct ExchangeSides {
    std::vector<PolyEquation> equations;
    std::optional<std::string> message;
};

// The step that leaves "polynomial in descending powers = 0", by three cases:
//   RHS a zero side      nothing when LHS is in descending powers, else
//                        [input, (LHS sorted) = RHS] without a message
//   LHS a zero side      [input, RHS = LHS], or when RHS is not in descending
//                        powers [input, LHS = (RHS sorted), (RHS sorted) = LHS],
//                        with "exchange sides for convenience"
//   neither              [input, every term on the left, sorted, like powers
//                        added and zero sums dropped = 0], with "left hand side
//                        for convenience"; the new terms take the letter of the
//                        first sorted term
// Sorting is by exponent, highest first, and keeps the order of equal
// exponents. Fails only when the sums of the last case overflow.
Outcome<ExchangeSides> exchangeSidesStep(const PolyEquation& equation);

// A fold step: lines followed by the equation's line in the style.
Layouts appendEquationLine(Style style, Layouts lines, const PolyEquation& equation);

}  // namespace duolinear

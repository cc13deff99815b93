#pragma once
// The factored form and the zero-product rule of the factoring method. The
// method does not search for factors: it takes the roots p1/q1 ≤ p2/q2 from
// quadraticRoots and writes one factor (q·v − p) per root, so the input is
// expected as the method leaves it: a polynomial against a zero side, integer
// coefficients without a common factor, a positive leading coefficient
// whenever there is a constant term.
//
// Which root is named first (the order flag): the one with the smaller
// denominator, then the one with the smaller magnitude, then the smaller one.
// So 2x² − 5x − 3 = 0 factors as (x − 3)(2x + 1) = 0. A zero root is always
// named first and its factor is v itself: 6x² − 4x = 0 gives 2x(3x − 2) = 0.
//
// The letter v: that of the first term, LHS then RHS, of exponent 1 with a
// non-zero numerator; failing that the first non-zero term of a higher power
// (so y² − 4 = 0 factors as (y + 2)(y − 2) = 0); 'x' when there is neither.
// A zero side is recognised whatever its letter (isZeroSide).

#include <optional>
#include <string>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/FactoredPolynomial.h"
#include "algebra/Monomial.h"
#include "algebra/Outcome.h"

namespace duolinear {

// A non-zero numerator and an exponent of exactly 1.
bool isNonzeroLinearTerm(const Monomial& term);

// The letter in which the factors and the solutions are written (above).
char factorLetter(const PolyEquation& equation);

// The equation with the non-zero side written as a product:
//   both roots non-zero    1·(q·v − p)(q′·v − p′), a repeated root twice
//   one root 0             k·v(q·v − p), k the leading coefficient ÷ q
// on the side that was not a zero side (LHS when RHS is one), against the
// zero side [[0·v⁰]]; relation as given. Nothing to do when the roots are not
// rational or the only root is 0. Fails when quadraticRoots forms no roots
// (no x² term, or overflow) or a coefficient does not fit 64 bits.
Outcome<Polynomial_Equation_XL> factoredForm(const PolyEquation& equation);

// The zero-product rule: either a message ("no solution" when there are no
// real roots, "factors but not over integers" when they are irrational), or
// one list of two equations per factor: the factor set to 0, marked (red with
// highlight, else black), then the solution v = p/q. The lists follow the
// order of the factors. A zero root's list is [v = 0 marked, v = 0]; a
// repeated root gives a single list, and a repeated root 0 the list
// [v = 0 marked, v = 0 in the colour clear] (the second line keeps its place
// unseen).
struct FactorabilityVerdict {
    std::optional<std::vector<PolyEquation>> first;
    std::optional<std::vector<PolyEquation>> second;
    std::optional<std::string> message;
};

// Fails when quadraticRoots forms no roots or a coefficient does not fit.
Outcome<FactorabilityVerdict> factorabilityVerdict(bool highlight, const PolyEquation& equation);

}  // namespace duolinear

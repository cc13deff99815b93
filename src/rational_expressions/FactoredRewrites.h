#pragma once
// Rewrites of a factored polynomial: zero terms removed, one-term factor
// groups absorbed into the coefficient, the gcd monomial divided out, the
// first group sorted or negated, and −1 factored out. Each takes its
// polynomial by value and returns a new one, black unless it says otherwise.
//
// A rewrite that does not apply answers none; so does one whose input breaks
// its shape (a missing group, a pointer that does not name an earlier group)
// or whose arithmetic would not fit 64 bits. Nothing is ever dropped
// silently: a rewrite of "the first group" applies only to a plain
// (one-group) polynomial, where that group is the whole.

#include <optional>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Outcome.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

// Terms with numerator 0 dropped from every group; then, pass by pass until
// a pass empties no group, terms dropped that multiply a group holding a
// single zero term. A group left empty becomes the zero term 0·v⁰ in the
// letter of the first term of group 0. The number of groups is kept. With
// recolor every colour is black. None when group 0 is empty or a pointer
// does not name an earlier group.
std::optional<Polynomial_XL> zeroTermsRemoved(bool recolor, const Polynomial_XL& polynomial);

// Absorbs the leading factors of a one-term factored root into its
// coefficient, while the group a factor names is a single term without
// factors: that term raised to the factor's exponent multiplies the
// coefficient and adds to the power of the letter (a constant root takes
// the letter of the first power it absorbs). With negate the
// coefficient is also negated. The absorbed groups stay, unreferenced.
// For any other root, negate gives −(root): a one-term root negated alone,
// a longer root kept as a group (with the groups it names) under a new root
// −1·(root). Nothing when there is nothing to absorb and negate is false;
// a failure for a missing or empty root, a pointer that does not name an
// earlier group, an undefined coefficient or 64-bit overflow.
Outcome<Polynomial_XL> monomialFactorsAbsorbed(bool negate, const Polynomial_XL& polynomial);

// Every term of a plain polynomial divided by gcdMonomial (numerators divided
// exactly, powers lowered), black, factors dropped; the polynomial unchanged
// when gcdMonomial gives nothing. None when the gcd is 0 (every numerator 0).
std::optional<Polynomial_XL> gcdMonomialDivided(const Polynomial_XL& polynomial);

// A plain polynomial's terms by ascending (descending) power, equal powers in
// their order, terms otherwise unchanged; none for several groups.
std::optional<Polynomial_XL> sortedAscending(const Polynomial_XL& polynomial);
std::optional<Polynomial_XL> sortedDescending(const Polynomial_XL& polynomial);

// −n/d·v^e from n/d·v^e, black, factors dropped; none when −n does not fit.
std::optional<Term_XL> negatedTerm(const Term_XL& term);
// Every term of a plain polynomial negated; none for several groups.
std::optional<Polynomial_XL> negatedTerms(const Polynomial_XL& polynomial);

// (−1)(−P) for a plain polynomial P: groups [−1], −P and the root 1·(0)(1),
// all black, letter x on the constants; none for several groups.
std::optional<Polynomial_XL> negativeOneFactoredOut(const Polynomial_XL& polynomial);

}  // namespace duolinear

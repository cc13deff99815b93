#pragma once
// The final-form check of a rational expression: whether no cancelling,
// factoring or sign change is left to do and, if so, the closing pictures
// of a worked simplification: the expression itself (with its own bar
// colour), possibly followed by one tidied form (black bar). Work left is
// answered with none. Builds values only.
//
// A part is settled when it is a sorted plain polynomial, its first
// coefficient is not negative, it has no common monomial factor and its
// focus group cannot be factored. By the number of terms of the two roots:
// - one over one (monomials or products): a numerator 0 closes with 0/1;
//   otherwise it is final only when the gcd of the two numerators (of the
//   coefficients in lowest terms) is 1 and
//   one power is 0, closing with both coefficients negated when the
//   denominator's numerator is negative;
// - one over several: final when the denominator is settled (a numerator 0
//   closes with 0/1);
// - several over one: final when the numerator is settled, closing with
//   −(N) over the denominator negated when its numerator is negative;
// - several over several: final when both are settled.
// Apart from a monomial over a monomial, an expression whose numerator and
// denominator share a factor as written, or whose monomials would split off
// a common one, is never final; nor, whatever its shape, is one whose parts
// share by value a factor with a power of the letter or a common constant,
// or for which that cannot be decided (sharesFactorOrConstant). Neither is
// one with an undefined coefficient, a denominator worth 0 (whatever its
// shape: 0, x − x) or a part that is not well formed; a tidied form that
// would not fit 64 bits answers none too. A negated coefficient keeps its denominator and a
// product keeps its factors. A final expression whose numerator is worth 0,
// whatever its shape (x·(1 − 1), x² + 1 − x² − 1), closes with 0/1.

#include <optional>
#include <vector>

#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

std::optional<std::vector<Rational_Expression>> finalFormPictures(const Rational_Expression& expression);

}  // namespace duolinear

#pragma once
// Questions asked of a factored polynomial: undefined coefficients, degree and
// classification of a plain polynomial, constant tests, order, sameness and
// the sign and gcd of the first group. None changes its argument.
//
// Two groups are meant: the first group (element 0), which the degree, order,
// sign and gcd questions read and which is the whole of a plain (one-group)
// polynomial; and the root group (the last), which the constant tests read.
// A question whose group is missing answers false or none, never fails.

#include <cstdint>
#include <optional>

#include "algebra/FactoredPolynomial.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "algebra/Rational.h"
#include "rational_expressions/FactoredValues.h"

namespace duolinear {

// Some term of some group has denominator 0 (an undefined value).
bool hasZeroDenominator(const Polynomial_XL& polynomial);

// The exponent of the highest non-zero term of a plain polynomial (a term is
// zero when its numerator is 0). None for several groups, an empty group or
// no non-zero term.
std::optional<std::uint64_t> degree(const Polynomial_XL& polynomial);

// Degree 1: monomial for one non-zero term, else binomial; otherwise none.
std::optional<Linear_Category> linearCategory(const Polynomial_XL& polynomial);

// Degree 2, by its non-zero terms: one is monomial_a; two are binomial_ab
// when the lower has exponent 1, else binomial_ac; more are trinomial.
std::optional<Quadratic_Category> quadraticCategory(const Polynomial_XL& polynomial);

// Degree 2, decided by the discriminant b² − 4ac of the coefficients summed
// by power (exactly, fractions included): a rational square (0 included)
// factors, a negative one does not factor, any other factors but not over
// the rationals. So a·x² and a·x² + b·x always factor. None for another
// degree, an undefined coefficient or a value that does not fit 64 bits.
std::optional<Quadratic_Factorabilty> quadraticFactorability(const Polynomial_XL& polynomial);

// The monomial of the first term of a plain polynomial; none otherwise.
std::optional<Monomial> leadingMonomial(const Polynomial_XL& polynomial);

// gcd of the numerators of a group (denominators not read): 0 when all are
// 0 or the group is empty; none when it is 2^63.
std::optional<std::int64_t> numeratorGcd(const TermGroup& group);
// The least exponent of a group (the first among equals); none when empty.
std::optional<std::uint64_t> smallestExponent(const TermGroup& group);

// For a plain polynomial of at least two terms: (±g)/1 · v^e with g the gcd of
// the numerators, e the least exponent, v the first term's letter and the
// sign that of the first numerator; all black. None otherwise.
std::optional<Monomial> gcdMonomial(const Polynomial_XL& polynomial);

// The root group is one term without factors equal to k/1·x⁰ (the letter x
// too); an undefined coefficient equals nothing.
bool isConstant(std::int64_t k, const Polynomial_XL& polynomial);
bool isConstantRational(const Rational& r, const Polynomial_XL& polynomial);

// One group, no factors, exponents never increasing from term to term.
bool isSortedPlainPolynomial(const Polynomial_XL& polynomial);

// Both plain, the same length, and the monomials at each position the same
// (sameMonomial: factors and colours ignored).
bool sameMonomials(const Polynomial_XL& p, const Polynomial_XL& q);

// The first term of the first group has a negative numerator; false when
// there is no such term.
bool hasNegativeLeadingCoefficient(const Polynomial_XL& polynomial);

}  // namespace duolinear

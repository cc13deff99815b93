#pragma once
// Whether the numerator and the denominator of a quotient still have
// something in common, decided on their values rather than on how they are
// written, factor by factor so that nothing large is multiplied out: the
// factors of a part are its own coefficient, its power of the letter and
// each group its root term names (with its power), or, for a root of
// several terms, the root group; each is multiplied out exactly over the
// rationals. The parts share a factor with a power of the letter when a
// factor of one and a factor of the other have a greatest common divisor
// that is not constant (shown not to when the gcd of their images modulo one
// of a few large primes is constant, else decided by their gcd, see
// PolynomialGcd.h), and a common constant when the
// numerators of their contents (the gcd of the numerators over the lcm of
// the denominators, in lowest terms; a product's content is that of its
// factors multiplied) have a common divisor above 1. The letters are not
// told apart: the parts of a quotient are in one letter, and a constant's
// letter is never drawn.
//
// Checked 64-bit arithmetic throughout: where a value does not fit, or a
// part has a degree above kMaxSharedDegree, the answer is none (undecided).

#include <cstdint>
#include <optional>
#include <vector>

#include "algebra/FactoredPolynomial.h"
#include "rational_expressions/DensePolynomials.h"

namespace duolinear {

// One factor of the value of a part: the group it stands for (the root group
// for the root's own coefficient and power of the letter), its value and
// its power.
struct ValueFactor {
    std::size_t group = 0;
    Dense value;
    std::uint64_t power = 1;
};

// The factors of a part, in the order above (factors of power 0 left out);
// none when the part is not well formed, a value does not fit or its degree
// exceeds kMaxSharedDegree.
std::optional<std::vector<ValueFactor>> valueFactors(const Polynomial_XL& part);

// True when the parts share a factor with a power of the letter or a
// common constant; none when that cannot be decided (a part not well formed,
// an undefined coefficient, a value that does not fit), and none for a
// denominator worth 0, which leaves the quotient without a value. A
// numerator worth 0 shares nothing.
std::optional<bool> sharesFactorOrConstant(const Polynomial_XL& numerator, const Polynomial_XL& denominator);

}  // namespace duolinear

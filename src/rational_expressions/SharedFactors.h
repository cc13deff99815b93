#pragma once
// Whether the numerator and the denominator of a quotient still have
// something in common, decided on their values rather than on how they are
// written: each part is multiplied out exactly over the rationals, and they
// share a factor when their greatest common divisor has a power of the
// letter (shown not to when the gcd of their images modulo one of a few
// large primes is constant, else decided by Euclid's algorithm on
// polynomials with rational coefficients), or a
// common constant when the numerators of their contents (the gcd of the
// numerators over the lcm of the denominators, in lowest terms) have a
// common divisor above 1. The letters are not told apart: the parts of a
// quotient are in one letter, and a constant's letter is never drawn.
//
// Checked 64-bit arithmetic throughout: where a value does not fit, or a
// part has a power above kMaxSharedDegree, the answer is none (undecided).

#include <cstdint>
#include <optional>

#include "algebra/FactoredPolynomial.h"

namespace duolinear {

inline constexpr std::uint64_t kMaxSharedDegree = 256;

// True when the parts share a factor with a power of the letter or a
// common constant; none when that cannot be decided (a part not well formed,
// an undefined coefficient, a value that does not fit). A part whose value
// is 0 shares nothing.
std::optional<bool> sharesFactorOrConstant(const Polynomial_XL& numerator, const Polynomial_XL& denominator);

}  // namespace duolinear

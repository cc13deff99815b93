#pragma once
// The greatest common divisor of two polynomials with rational coefficients,
// found from their images modulo large primes, so that no value on the way
// is larger than the inputs and the answer: the gcd of the remainders of
// Euclid's algorithm over the rationals can grow far past 64 bits when the
// divisor itself is small.
//
// Modulo a prime p that divides no leading coefficient and no denominator,
// the monic gcd of the images has at least the degree of the true gcd, and
// the same degree for all but a few primes (those dividing a resultant of
// the quotients). The image of lowest degree, scaled to the gcd of the two
// leading coefficients of the whole forms, is lifted from one prime or, by
// the Chinese remainder theorem, from two (an image of lower degree, or a
// third prime, starts the lift again), made whole without a common divisor
// and then checked by exact division of both whole forms: a divisor of both
// of the least degree seen is their gcd. Every prime is tried before the
// answer is none.

#include <cstdint>
#include <optional>
#include <vector>

#include "rational_expressions/DensePolynomials.h"

namespace duolinear {

// The monic gcd of the images of two non-zero polynomials modulo the prime p
// (below 2^63), the constant first; none when p divides a denominator or a
// leading coefficient.
std::optional<std::vector<std::uint64_t>> gcdModulo(const Dense& a, const Dense& b, std::uint64_t p);

// The gcd of two non-zero polynomials, made whole (times the lcm of its
// denominators, over the gcd of the numerators so made) with a positive
// leading coefficient ({1} when it is a constant). None when it is not
// constant and the whole form of either does not fit 128 bits or that of the
// gcd 64 bits, or the primes tried do not decide it.
std::optional<Dense> denseGcd(const Dense& a, const Dense& b);

}  // namespace duolinear

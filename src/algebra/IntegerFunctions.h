#pragma once
// Number functions on signed 64-bit integers: gcd and lcm (on which the
// reduction of every fraction and the clearing of fractions rest), powers,
// exact and simplified square roots and divisors. A result that does not fit
// in 64 bits, or an argument outside a function's domain, gives no value.

#include <cstdint>
#include <optional>
#include <vector>

namespace duolinear {

// Greatest common divisor of |a| and |b|; gcd(0, b) = |b|, gcd(0, 0) = 0.
// No value only when the divisor is 2^63 (both arguments 0 or the least value).
std::optional<std::int64_t> gcd(std::int64_t a, std::int64_t b);
// The same on magnitudes; total, never fails.
std::uint64_t gcdOfMagnitudes(std::uint64_t a, std::uint64_t b);

// 0 when a or b is 0; otherwise |a * (b / gcd(a, b))|, no value when it does not fit.
std::optional<std::int64_t> lcm(std::int64_t a, std::int64_t b);

// |n|; no value for the least value.
std::optional<std::int64_t> intAbs(std::int64_t n);

// base to the power exponent (1 for exponent 0, also for base 0); no value on overflow.
std::optional<std::int64_t> integerPower(std::int64_t base, std::uint64_t exponent);

// r with r * r = n for a perfect square n >= 0 (0 gives 0); no value otherwise.
std::optional<std::int64_t> exactSquareRoot(std::int64_t n);

// sqrt(n) = coefficient * sqrt(radicand), with coefficient^2 the largest square dividing n.
struct SimplifiedSquareRoot {
    std::int64_t coefficient = 0;
    std::int64_t radicand = 0;
    friend bool operator==(const SimplifiedSquareRoot&, const SimplifiedSquareRoot&) = default;
};
// 0 gives (0, 1); no value for n < 0.
std::optional<SimplifiedSquareRoot> simplifiedSquareRoot(std::int64_t n);

// All positive divisors of n in ascending order; empty for n <= 0.
std::vector<std::int64_t> divisors(std::int64_t n);

// Whether a and b have the same sign, zero agreeing with both.
bool sameSign(std::int64_t a, std::int64_t b);

// floor(sqrt(n)) for n >= 1; no value for n < 1.
std::optional<std::int64_t> integerSquareRootFloor(std::int64_t n);

// Number of decimal digits of |n|; 1 for 0 (19 for the least value).
int decimalDigitCount(std::int64_t n);

// 10 to the power n for 0 <= n <= 18; no value otherwise.
std::optional<std::int64_t> powerOfTen(std::int64_t n);

}  // namespace duolinear

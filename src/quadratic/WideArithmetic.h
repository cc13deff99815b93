#pragma once
// Signed 128-bit integers for the root computation, so that B², 4AC and the
// discriminant of coefficients that fit in 64 bits can be formed exactly.
// Checked operations as in algebra/Checked.h (an overflow is no value and an
// absent operand makes the result absent), the gcd, square roots, and the
// narrowing of a fraction back to a 64-bit Rational.

#include <cstdint>
#include <optional>

#include "algebra/Rational.h"
#include "algebra/WideFraction.h"

namespace duolinear {

using CheckedWide = std::optional<Wide>;

// Defined here so that the root computation, which makes a dozen of these
// calls per equation, has them inlined.
inline CheckedWide wideAdd(CheckedWide a, CheckedWide b) {
    Wide result = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

inline CheckedWide wideSubtract(CheckedWide a, CheckedWide b) {
    Wide result = 0;
    if (!a || !b || __builtin_sub_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

inline CheckedWide wideMultiply(CheckedWide a, CheckedWide b) {
    Wide result = 0;
    if (!a || !b || __builtin_mul_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

// a / b for b not 0 and a quotient that fits, worked in 64 bits when both
// fit there (a 128-bit division is a library call).
inline Wide wideQuotient(Wide a, Wide b) {
    const auto narrowA = static_cast<std::int64_t>(a);
    const auto narrowB = static_cast<std::int64_t>(b);
    if (narrowA == a && narrowB == b && narrowB != -1) return narrowA / narrowB;
    return a / b;
}

// gcd(|a|, |b|); 0 only for gcd(0, 0).
UWide wideGcd(Wide a, Wide b);

// r with r * r = n for a perfect square n >= 0; no value otherwise.
std::optional<Wide> wideExactSquareRoot(Wide n);

// sqrt(n) = coefficient * sqrt(radicand) for n > 0, the radicand square-free.
// No value when the square-free part could not be brought within 64 bits:
// the square factors of primes below 2^16 are taken out before the rest is
// factored in 64 bits.
struct WideSquareRoot {
    Wide coefficient = 0;
    std::int64_t radicand = 0;
};
std::optional<WideSquareRoot> wideSimplifiedSquareRoot(Wide n);

// numerator / denominator in lowest terms with a positive denominator, black;
// no value for a zero denominator or when a part does not fit in 64 bits.
std::optional<Rational> narrowedFraction(CheckedWide numerator, CheckedWide denominator);

}  // namespace duolinear

#pragma once
// Signed and unsigned 128-bit integers for work whose products of two 64-bit
// values must be exact (determinants, discriminants, cross products), and the
// way back from such a fraction to a 64-bit Rational.

#include <optional>

#include "algebra/Rational.h"

namespace duolinear {

using Wide = __int128;
using UWide = unsigned __int128;

// |n|, exact for the least value too.
UWide wideMagnitude(Wide n);
// gcd(a, b); 0 only for gcd(0, 0).
UWide wideGcdOfMagnitudes(UWide a, UWide b);

// sign · num / den with the parts already in lowest terms and den not 0,
// black; no value when a part does not fit in 64 bits.
std::optional<Rational> fittedFraction(bool negative, UWide num, UWide den);
// numerator / denominator in lowest terms with a positive denominator, black;
// no value for a zero denominator or when a part does not fit in 64 bits.
std::optional<Rational> wideFraction(Wide numerator, Wide denominator);

}  // namespace duolinear

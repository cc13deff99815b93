#include "algebra/WideFraction.h"

#include <cstdint>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

UWide wideMagnitude(Wide n) {
    return n < 0 ? UWide{0} - static_cast<UWide>(n) : static_cast<UWide>(n);
}

UWide wideGcdOfMagnitudes(UWide a, UWide b) {
    constexpr UWide kNarrow = UWide{1} << 64;
    // 64-bit remainders are many times cheaper than 128-bit ones.
    if (a < kNarrow && b < kNarrow)
        return gcdOfMagnitudes(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
    while (b != 0) {
        const UWide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

std::optional<Rational> fittedFraction(bool negative, UWide num, UWide den) {
    constexpr UWide kLimit = UWide{1} << 64;
    if (num >= kLimit || den >= kLimit) return std::nullopt;
    const CheckedInt numerator = signedFromMagnitude(negative && num != 0, static_cast<std::uint64_t>(num));
    const CheckedInt denominator = signedFromMagnitude(false, static_cast<std::uint64_t>(den));
    if (!numerator || !denominator) return std::nullopt;
    return Rational{*numerator, *denominator};
}

std::optional<Rational> wideFraction(Wide numerator, Wide denominator) {
    if (denominator == 0) return std::nullopt;
    const UWide num = wideMagnitude(numerator);
    const UWide den = wideMagnitude(denominator);
    const UWide g = wideGcdOfMagnitudes(num, den);  // not 0, as den is not
    return fittedFraction((numerator < 0) != (denominator < 0), num / g, den / g);
}

}  // namespace duolinear

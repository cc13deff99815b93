#include "quadratic/WideArithmetic.h"

#include <cmath>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

using UWide = unsigned __int128;

UWide wideMagnitude(Wide n) {
    return n < 0 ? UWide{0} - static_cast<UWide>(n) : static_cast<UWide>(n);
}

// floor(sqrt(n)): an extended-precision estimate, corrected in integers. The
// root of n < 2^127 is below 2^64, so no square formed here overflows.
UWide floorSquareRoot(UWide n) {
    constexpr UWide kLargestRoot = (UWide{1} << 64) - 1;
    UWide r = static_cast<UWide>(std::sqrt(static_cast<long double>(n)));
    if (r > kLargestRoot) r = kLargestRoot;
    while (r * r > n) --r;
    while ((r + 1) * (r + 1) <= n) ++r;
    return r;
}

}  // namespace

CheckedWide wideAdd(CheckedWide a, CheckedWide b) {
    Wide result = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

CheckedWide wideSubtract(CheckedWide a, CheckedWide b) {
    Wide result = 0;
    if (!a || !b || __builtin_sub_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

CheckedWide wideMultiply(CheckedWide a, CheckedWide b) {
    Wide result = 0;
    if (!a || !b || __builtin_mul_overflow(*a, *b, &result)) return std::nullopt;
    return result;
}

UWide wideGcd(Wide a, Wide b) {
    UWide x = wideMagnitude(a), y = wideMagnitude(b);
    while (y != 0) {
        const UWide rest = x % y;
        x = y;
        y = rest;
    }
    return x;
}

std::optional<Wide> wideExactSquareRoot(Wide n) {
    if (n < 0) return std::nullopt;
    const UWide r = floorSquareRoot(static_cast<UWide>(n));
    if (r * r != static_cast<UWide>(n)) return std::nullopt;
    return static_cast<Wide>(r);
}

std::optional<WideSquareRoot> wideSimplifiedSquareRoot(Wide n) {
    if (n <= 0) return std::nullopt;
    constexpr UWide kFits = static_cast<UWide>(INT64_MAX);
    constexpr std::uint64_t kTrialLimit = std::uint64_t{1} << 16;
    UWide rest = static_cast<UWide>(n);
    UWide outside = 1;
    for (std::uint64_t p = 2; rest > kFits && p < kTrialLimit; p += p == 2 ? 1 : 2) {
        const UWide square = UWide{p} * p;
        while (rest % square == 0) {
            rest /= square;
            outside *= p;
        }
    }
    if (rest > kFits) return std::nullopt;
    const std::optional<SimplifiedSquareRoot> inner = simplifiedSquareRoot(static_cast<std::int64_t>(rest));
    if (!inner) return std::nullopt;
    // outside² · coefficient² divides n < 2^127: the product fits.
    return WideSquareRoot{static_cast<Wide>(outside * static_cast<UWide>(inner->coefficient)), inner->radicand};
}

std::optional<Rational> narrowedFraction(CheckedWide numerator, CheckedWide denominator) {
    if (!numerator || !denominator || *denominator == 0) return std::nullopt;
    const bool negative = (*numerator < 0) != (*denominator < 0);
    UWide num = wideMagnitude(*numerator), den = wideMagnitude(*denominator);
    const UWide g = wideGcd(*numerator, *denominator);
    num /= g;
    den /= g;
    constexpr UWide kLimit = UWide{1} << 64;
    if (num >= kLimit || den >= kLimit) return std::nullopt;
    const CheckedInt n = signedFromMagnitude(negative && num != 0, static_cast<std::uint64_t>(num));
    const CheckedInt d = signedFromMagnitude(false, static_cast<std::uint64_t>(den));
    if (!n || !d) return std::nullopt;
    return Rational{*n, *d};
}

}  // namespace duolinear

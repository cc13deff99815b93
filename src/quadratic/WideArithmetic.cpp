#include "quadratic/WideArithmetic.h"

#include <cmath>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

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

UWide wideGcd(Wide a, Wide b) {
    return wideGcdOfMagnitudes(wideMagnitude(a), wideMagnitude(b));
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
    if (!numerator || !denominator) return std::nullopt;
    return wideFraction(*numerator, *denominator);
}

}  // namespace duolinear

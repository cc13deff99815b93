#include "algebra/IntegerFunctions.h"

#include <algorithm>
#include <cmath>

#include "algebra/Checked.h"
#include "algebra/PrimePowers.h"

namespace duolinear {

namespace {

// floor(sqrt(n)) exactly: a floating-point estimate, corrected in integers.
// Every square formed stays below 2^64 because the root is kept below 2^32.
std::uint64_t floorSquareRoot(std::uint64_t n) {
    constexpr std::uint64_t kLargestRoot = 0xFFFFFFFFu;
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    r = std::min(r, kLargestRoot);
    while (r * r > n) --r;
    while (r < kLargestRoot && (r + 1) * (r + 1) <= n) ++r;
    return r;
}

}  // namespace

std::uint64_t gcdOfMagnitudes(std::uint64_t a, std::uint64_t b) {
    // Euclid on the smaller and the larger value.
    if (b < a) std::swap(a, b);
    while (a != 0) {
        const std::uint64_t rest = b % a;
        b = a;
        a = rest;
    }
    return b;
}

std::optional<std::int64_t> gcd(std::int64_t a, std::int64_t b) {
    return signedFromMagnitude(false, gcdOfMagnitudes(magnitude(a), magnitude(b)));
}

std::optional<std::int64_t> lcm(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) return 0;
    const std::uint64_t g = gcdOfMagnitudes(magnitude(a), magnitude(b));
    return checkedMultiply(signedFromMagnitude(false, magnitude(a)), signedFromMagnitude(false, magnitude(b) / g));
}

std::optional<std::int64_t> intAbs(std::int64_t n) {
    return checkedAbs(n);
}

std::optional<std::int64_t> integerPower(std::int64_t base, std::uint64_t exponent) {
    // Bases 0, 1 and -1 never grow, so a huge exponent need not be walked.
    if (exponent == 0) return 1;
    if (base == 0 || base == 1) return base;
    if (base == -1) return exponent % 2 == 0 ? 1 : -1;
    CheckedInt result = 1;
    for (std::uint64_t i = 0; i < exponent && result; ++i) result = checkedMultiply(result, base);
    return result;
}

std::optional<std::int64_t> exactSquareRoot(std::int64_t n) {
    if (n < 0) return std::nullopt;
    const std::uint64_t r = floorSquareRoot(static_cast<std::uint64_t>(n));
    if (r * r != static_cast<std::uint64_t>(n)) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::optional<SimplifiedSquareRoot> simplifiedSquareRoot(std::int64_t n) {
    if (n < 0) return std::nullopt;
    if (n == 0) return SimplifiedSquareRoot{0, 1};
    // Every prime p^e contributes p^(e/2) outside the root and p^(e%2) inside.
    std::int64_t outside = 1;
    std::int64_t inside = 1;
    for (const detail::PrimePower& power : detail::primePowers(static_cast<std::uint64_t>(n))) {
        const auto p = static_cast<std::int64_t>(power.prime);
        for (unsigned i = 0; i < power.exponent / 2; ++i) outside *= p;  // divides sqrt(n): no overflow
        if (power.exponent % 2 == 1) inside *= p;                        // divides n: no overflow
    }
    return SimplifiedSquareRoot{outside, inside};
}

std::vector<std::int64_t> divisors(std::int64_t n) {
    if (n <= 0) return {};
    std::vector<std::int64_t> result{1};
    for (const detail::PrimePower& power : detail::primePowers(static_cast<std::uint64_t>(n))) {
        const std::size_t previous = result.size();
        std::int64_t factor = 1;
        for (unsigned e = 1; e <= power.exponent; ++e) {
            factor *= static_cast<std::int64_t>(power.prime);  // a divisor of n: no overflow
            for (std::size_t i = 0; i < previous; ++i) result.push_back(result[i] * factor);
        }
    }
    std::sort(result.begin(), result.end());
    return result;
}

bool sameSign(std::int64_t a, std::int64_t b) {
    return (a <= 0 && b <= 0) || (a >= 0 && b >= 0);
}

std::optional<std::int64_t> integerSquareRootFloor(std::int64_t n) {
    if (n < 1) return std::nullopt;
    return static_cast<std::int64_t>(floorSquareRoot(static_cast<std::uint64_t>(n)));
}

int decimalDigitCount(std::int64_t n) {
    std::uint64_t m = magnitude(n);
    int count = m == 0 ? 1 : 0;
    while (m > 0) {
        m /= 10;
        ++count;
    }
    return count;
}

std::optional<std::int64_t> powerOfTen(std::int64_t n) {
    if (n < 0) return std::nullopt;
    return integerPower(10, static_cast<std::uint64_t>(n));
}

}  // namespace duolinear

#include "algebra/Rational.h"

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/WideFraction.h"

namespace duolinear {

namespace {

int signOf(std::int64_t n) {
    return (n > 0) - (n < 0);
}

// sign * num / den in lowest terms with a positive denominator, black; no
// value when a part does not fit. den is not 0. Working on magnitudes lets
// the least 64-bit value be divided without overflow.
std::optional<Rational> lowestTerms(bool negative, std::uint64_t num, std::uint64_t den) {
    const std::uint64_t g = gcdOfMagnitudes(num, den);
    num /= g;
    den /= g;
    const CheckedInt numerator = signedFromMagnitude(negative && num != 0, num);
    const CheckedInt denominator = signedFromMagnitude(false, den);
    if (!numerator || !denominator) return std::nullopt;
    return Rational{*numerator, *denominator};
}

// A defined value as a sign and two magnitudes in lowest terms; the
// denominator is never 0. Any stored value has such parts (the least 64-bit
// value included), so working on them never overflows before the result.
struct Parts {
    bool negative = false;
    std::uint64_t num = 0;
    std::uint64_t den = 1;
};

std::optional<Parts> partsOf(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    const std::uint64_t num = magnitude(value.numerator);
    const std::uint64_t den = magnitude(value.denominator);
    const std::uint64_t g = gcdOfMagnitudes(num, den);
    return Parts{num != 0 && (value.numerator < 0) != (value.denominator < 0), num / g, den / g};
}

// a * b in lowest terms. Each numerator is first divided by its common factor
// with the other's denominator, so the products are the result's own parts.
std::optional<Rational> reducedProduct(const Parts& a, const Parts& b) {
    const std::uint64_t g1 = gcdOfMagnitudes(a.num, b.den);
    const std::uint64_t g2 = gcdOfMagnitudes(b.num, a.den);
    return fittedFraction(a.negative != b.negative, UWide{a.num / g1} * (b.num / g2), UWide{a.den / g2} * (b.den / g1));
}

// a + b in lowest terms, over the least common denominator: with g the gcd
// of the denominators, t = a.num·(b.den/g) ± b.num·(a.den/g), and the only
// factor t can still share with the denominator divides g.
std::optional<Rational> reducedSum(const Parts& a, const Parts& b) {
    const std::uint64_t g = gcdOfMagnitudes(a.den, b.den);
    const UWide left = UWide{a.num} * (b.den / g);
    const UWide right = UWide{b.num} * (a.den / g);
    // Each product is below 2^126, so their sum fits in 128 unsigned bits.
    bool negative = a.negative;
    UWide t = 0;
    if (a.negative == b.negative) {
        t = left + right;
    } else if (left >= right) {
        t = left - right;
    } else {
        t = right - left;
        negative = b.negative;
    }
    if (t == 0) return Rational{0, 1};
    const std::uint64_t g2 = gcdOfMagnitudes(static_cast<std::uint64_t>(t % g), g);
    return fittedFraction(negative, t / g2, UWide{a.den / g} * (b.den / g2));
}

// n / d in lowest terms; no value when d is 0 or a part is absent.
std::optional<Rational> reducedParts(CheckedInt n, CheckedInt d) {
    if (!n || !d || *d == 0) return std::nullopt;
    return lowestTerms((*n < 0) != (*d < 0), magnitude(*n), magnitude(*d));
}

}  // namespace

Rational recoloredRational(Color color, const Rational& value) {
    return Rational{value.numerator, value.denominator, color, color, color};
}

Rational rationalInBlack(const Rational& value) {
    return recoloredRational(Color::black, value);
}

bool equals(const Rational& a, const Rational& b) {
    return Wide{a.numerator} * b.denominator == Wide{b.numerator} * a.denominator;
}

bool rationalEquals(const Rational& a, const Rational& b, bool strict) {
    if (a.denominator == 0 || b.denominator == 0) return false;
    if (strict) return a.numerator == b.numerator && a.denominator == b.denominator;
    return equals(a, b);
}

bool operator<(const Rational& lhs, const Rational& rhs) {
    // Both products are below 2^126 in magnitude, so their difference fits.
    const Wide diff = Wide{lhs.numerator} * rhs.denominator - Wide{rhs.numerator} * lhs.denominator;
    const int denominatorSign = signOf(lhs.denominator) * signOf(rhs.denominator);
    return (diff < 0 && denominatorSign > 0) || (diff > 0 && denominatorSign < 0);
}

bool operator>(const Rational& lhs, const Rational& rhs) {
    return rhs < lhs;
}
bool operator<=(const Rational& lhs, const Rational& rhs) {
    return !(rhs < lhs);
}
bool operator>=(const Rational& lhs, const Rational& rhs) {
    return !(lhs < rhs);
}

std::optional<bool> rationalSignClass(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    return value.numerator != 0 && (value.numerator < 0) != (value.denominator < 0);
}

std::optional<bool> rationalIsPositive(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    return (value.numerator > 0 && value.denominator > 0) || (value.numerator < 0 && value.denominator < 0);
}

bool rationalIsInteger(bool reduced, const Rational& value) {
    if (value.denominator == 0) return false;
    if (!reduced) return value.denominator == 1;
    // Whether the denominator divides the numerator, on magnitudes: exact also
    // where the quotient has no 64-bit form (the least value over -1 is 2^63).
    return magnitude(value.numerator) % magnitude(value.denominator) == 0;
}

bool rationalIsPerfectSquare(const Rational& value) {
    const std::optional<Rational> lowest = reducedRational(value);
    if (!lowest || lowest->numerator < 0) return false;
    return exactSquareRoot(lowest->numerator) && exactSquareRoot(lowest->denominator);
}

std::optional<Rational> reducedRational(const Rational& value) {
    return reducedParts(value.numerator, value.denominator);
}

std::optional<Rational> negatedRational(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    const bool negative = (value.numerator < 0) != (value.denominator < 0);
    return lowestTerms(!negative, magnitude(value.numerator), magnitude(value.denominator));
}

std::optional<Rational> negativeReciprocal(const Rational& value) {
    if (value.numerator == 0 || value.denominator == 0) return std::nullopt;
    const bool negative = (value.numerator < 0) != (value.denominator < 0);
    return lowestTerms(!negative, magnitude(value.denominator), magnitude(value.numerator));
}

std::optional<Rational> rationalProduct(const Rational& a, const Rational& b, bool reduce) {
    if (reduce) {
        const std::optional<Parts> left = partsOf(a);
        const std::optional<Parts> right = partsOf(b);
        if (!left || !right) return std::nullopt;
        return reducedProduct(*left, *right);
    }
    // The plain products, worked in 128 bits so that moving the sign never
    // overflows on the way to a result that fits.
    if (a.denominator == 0 || b.denominator == 0) return std::nullopt;
    Wide n = Wide{a.numerator} * b.numerator;
    Wide d = Wide{a.denominator} * b.denominator;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    if (n < INT64_MIN || n > INT64_MAX || d > INT64_MAX) return std::nullopt;
    return Rational{static_cast<std::int64_t>(n), static_cast<std::int64_t>(d)};
}

std::optional<Rational> rationalQuotient(const Rational& dividend, const Rational& divisor, bool reduce) {
    if (divisor.denominator == 0) return std::nullopt;
    const Rational flipped{divisor.denominator, divisor.numerator};
    return rationalProduct(flipped, dividend, reduce);
}

std::optional<Rational> rationalSum(const Rational& a, const Rational& b) {
    const std::optional<Parts> left = partsOf(a);
    const std::optional<Parts> right = partsOf(b);
    if (!left || !right) return std::nullopt;
    return reducedSum(*left, *right);
}

std::optional<Rational> rationalDifference(const Rational& minuend, const Rational& subtrahend) {
    const std::optional<Parts> left = partsOf(minuend);
    std::optional<Parts> right = partsOf(subtrahend);
    if (!left || !right) return std::nullopt;
    right->negative = !right->negative && right->num != 0;
    return reducedSum(*left, *right);
}

std::optional<Rational> sumOfRationals(const std::vector<Rational>& values) {
    std::optional<Rational> sum = Rational{0, 1};
    for (const Rational& value : values) {
        sum = rationalSum(value, *sum);
        if (!sum) return std::nullopt;
    }
    return sum;
}

}  // namespace duolinear

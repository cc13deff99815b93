#include "algebra/Rational.h"

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

using Wide = __int128;

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
    if (a.denominator == 0 || b.denominator == 0) return std::nullopt;
    const CheckedInt n = checkedMultiply(a.numerator, b.numerator);
    const CheckedInt d = checkedMultiply(a.denominator, b.denominator);
    if (reduce) return reducedParts(n, d);
    if (!n || !d) return std::nullopt;
    if (*d > 0) return Rational{*n, *d};
    const CheckedInt flippedN = checkedNegate(n);
    const CheckedInt flippedD = checkedNegate(d);
    if (!flippedN || !flippedD) return std::nullopt;
    return Rational{*flippedN, *flippedD};
}

std::optional<Rational> rationalQuotient(const Rational& dividend, const Rational& divisor, bool reduce) {
    if (divisor.denominator == 0) return std::nullopt;
    const Rational flipped{divisor.denominator, divisor.numerator};
    return rationalProduct(flipped, dividend, reduce);
}

std::optional<Rational> rationalSum(const Rational& a, const Rational& b) {
    if (a.denominator == 0 || b.denominator == 0) return std::nullopt;
    const CheckedInt n =
        checkedAdd(checkedMultiply(b.numerator, a.denominator), checkedMultiply(a.numerator, b.denominator));
    return reducedParts(n, checkedMultiply(b.denominator, a.denominator));
}

std::optional<Rational> rationalDifference(const Rational& minuend, const Rational& subtrahend) {
    const CheckedInt negated = checkedNegate(subtrahend.numerator);
    if (!negated) return std::nullopt;
    return rationalSum(minuend, Rational{*negated, subtrahend.denominator});
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

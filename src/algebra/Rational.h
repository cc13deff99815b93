#pragma once
// Rational: the exact number type of every coefficient and constant. It carries
// the colours with which it is drawn (numerator, denominator, bar), which never
// take part in comparisons or arithmetic.
//
// A Rational is stored as built: not necessarily in lowest terms, the sign in
// either part. A denominator of 0 marks an undefined value. The arithmetic
// returns results in lowest terms with a positive denominator, all black, and
// no value when a denominator is 0 or when the result in lowest terms does not
// fit in 64 bits: sums, differences and reduced products and quotients are
// worked exactly, whatever their operands' stored form, so they never fail
// for an intermediate value alone.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "layout/Enumerations.h"

namespace duolinear {

// Built as Rational{numerator, denominator} (black, nothing reduced, a zero
// denominator accepted) or with all five fields.
struct Rational {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    Color numerator_color = Color::black;
    Color denominator_color = Color::black;
    Color bar_color = Color::black;
};

// The same value with all three colours set to color.
Rational recoloredRational(Color color, const Rational& value);
// The same value, black.
Rational rationalInBlack(const Rational& value);

// Equality by cross-multiplication (exact, never overflows), with no guard for
// zero denominators: 1/2 equals 2/4, 0/0 equals every value, two values with
// denominator 0 are always equal. Not an equivalence (0/0 breaks
// transitivity), hence a named function rather than operator==.
bool equals(const Rational& a, const Rational& b);

// False when either denominator is 0. strict: the stored parts must be the same
// (1/2 differs from 2/4); otherwise equality by cross-multiplication.
bool rationalEquals(const Rational& a, const Rational& b, bool strict = false);

// Order by the sign of the cross difference, correct whatever the signs of the
// stored denominators. An undefined value is neither less nor greater than
// anything, so <= and >= answer true for it.
bool operator<(const Rational& lhs, const Rational& rhs);
bool operator>(const Rational& lhs, const Rational& rhs);
bool operator<=(const Rational& lhs, const Rational& rhs);
bool operator>=(const Rational& lhs, const Rational& rhs);

// Whether the value is negative; no value for a zero denominator; 0 is not negative.
std::optional<bool> rationalSignClass(const Rational& value);
// Whether the value is positive; no value for a zero denominator; 0 is not positive.
std::optional<bool> rationalIsPositive(const Rational& value);
// reduced: whether the value in lowest terms has denominator 1, answered from
// the exact value even when that integer does not fit in 64 bits; otherwise
// whether the stored denominator is 1. False for a zero denominator.
bool rationalIsInteger(bool reduced, const Rational& value);
// Whether the value is a square of a rational (0 included); false when undefined or negative.
bool rationalIsPerfectSquare(const Rational& value);

std::optional<Rational> reducedRational(const Rational& value);
std::optional<Rational> negatedRational(const Rational& value);
// -1/value; no value when the value is 0 or undefined.
std::optional<Rational> negativeReciprocal(const Rational& value);
// a * b. With reduce the result is in lowest terms; without it the parts are
// the plain products with the sign moved into the numerator (no value when a
// plain product does not fit).
std::optional<Rational> rationalProduct(const Rational& a, const Rational& b, bool reduce = true);
// dividend / divisor, as the product of divisor's flipped parts and dividend.
std::optional<Rational> rationalQuotient(const Rational& dividend, const Rational& divisor, bool reduce = true);
std::optional<Rational> rationalSum(const Rational& a, const Rational& b);
std::optional<Rational> rationalDifference(const Rational& minuend, const Rational& subtrahend);
// The sum of the list (0/1 for an empty list); no value when an element is
// undefined or the running sum overflows.
std::optional<Rational> sumOfRationals(const std::vector<Rational>& values);

// A decimal numeral as an exact, unreduced fraction: "2.50" gives 25/10,
// "-12" gives -12/1. Text that is not a number gives 0/1. Text that reads as a
// floating-point number in another form (exponents, infinities, not-a-number,
// hexadecimal) or whose digits do not fit in 64 bits gives no value.
std::optional<Rational> rationalFromDecimalText(std::string_view text);

// The places the value shows as a decimal: the larger exponent of 2 and 5 in
// its denominator in lowest terms (6758/1000 and 67580/10000 both show 3). No
// value when the decimal does not end or the denominator is 0.
std::optional<int> decimalPlaces(const Rational& value);

}  // namespace duolinear

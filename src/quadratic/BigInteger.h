#pragma once
// Signed integers of any size, for the few exact comparisons whose products
// outgrow 128 bits: a decimal text of a root a + b·√c is checked against the
// root by squaring sums of 64-bit parts scaled by powers of ten.

#include <cstdint>
#include <vector>

#include "algebra/WideFraction.h"

namespace duolinear {

struct BigInteger {
    bool negative = false;              // never set for 0
    std::vector<std::uint32_t> digits;  // the magnitude base 2³², least significant first, no leading 0
};

BigInteger bigInteger(Wide n);
BigInteger bigPowerOfTen(unsigned exponent);

BigInteger operator+(const BigInteger& a, const BigInteger& b);
BigInteger operator-(const BigInteger& a, const BigInteger& b);
BigInteger operator*(const BigInteger& a, const BigInteger& b);

// -1, 0 or 1.
int bigSign(const BigInteger& n);
// -1, 0 or 1 as |a| is below, equal to or above |b|.
int compareMagnitudes(const BigInteger& a, const BigInteger& b);

// n rounded to the nearest long double.
long double bigToLongDouble(const BigInteger& n);

}  // namespace duolinear

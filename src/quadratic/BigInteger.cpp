#include "quadratic/BigInteger.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace duolinear {

namespace {

using Digits = std::vector<std::uint32_t>;

void trim(Digits& d) {
    while (!d.empty() && d.back() == 0) d.pop_back();
}

int compareDigits(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

Digits addDigits(const Digits& a, const Digits& b) {
    const Digits& longer = a.size() < b.size() ? b : a;
    const Digits& shorter = a.size() < b.size() ? a : b;
    Digits sum(longer.size() + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < longer.size(); ++i) {
        carry += std::uint64_t{longer[i]} + (i < shorter.size() ? shorter[i] : 0);
        sum[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    sum.back() = static_cast<std::uint32_t>(carry);
    trim(sum);
    return sum;
}

// a − b for a >= b.
Digits subtractDigits(const Digits& a, const Digits& b) {
    Digits difference(a.size(), 0);
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t d = std::int64_t{a[i]} - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        difference[i] = static_cast<std::uint32_t>(d + (borrow << 32));
    }
    trim(difference);
    return difference;
}

// The sum of two magnitudes with signs: the larger magnitude gives the sign.
BigInteger signedSum(bool aNegative, const Digits& a, bool bNegative, const Digits& b) {
    if (aNegative == bNegative) return BigInteger{aNegative, addDigits(a, b)};
    const int order = compareDigits(a, b);
    if (order == 0) return BigInteger{};
    if (order > 0) return BigInteger{aNegative, subtractDigits(a, b)};
    return BigInteger{bNegative, subtractDigits(b, a)};
}

}  // namespace

BigInteger bigInteger(Wide n) {
    const UWide magnitude = wideMagnitude(n);
    std::size_t count = 0;
    for (UWide rest = magnitude; rest != 0; rest >>= 32) ++count;
    BigInteger result{n < 0, Digits(count)};
    UWide rest = magnitude;
    for (std::uint32_t& digit : result.digits) digit = static_cast<std::uint32_t>(rest), rest >>= 32;
    return result;
}

BigInteger bigPowerOfTen(unsigned exponent) {
    BigInteger result = bigInteger(1);
    const BigInteger tenToTheEighteenth = bigInteger(1000000000000000000);
    for (; exponent >= 18; exponent -= 18) result = result * tenToTheEighteenth;
    Wide rest = 1;
    for (; exponent > 0; --exponent) rest *= 10;
    return result * bigInteger(rest);
}

BigInteger operator+(const BigInteger& a, const BigInteger& b) {
    return signedSum(a.negative, a.digits, b.negative, b.digits);
}

BigInteger operator-(const BigInteger& a, const BigInteger& b) {
    return signedSum(a.negative, a.digits, !b.negative, b.digits);
}

BigInteger operator*(const BigInteger& a, const BigInteger& b) {
    if (a.digits.empty() || b.digits.empty()) return BigInteger{};
    Digits product(a.digits.size() + b.digits.size(), 0);
    for (std::size_t i = 0; i < a.digits.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.digits.size(); ++j) {
            carry += std::uint64_t{a.digits[i]} * b.digits[j] + product[i + j];
            product[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        product[i + b.digits.size()] = static_cast<std::uint32_t>(carry);
    }
    trim(product);
    return BigInteger{a.negative != b.negative, std::move(product)};
}

int bigSign(const BigInteger& n) {
    if (n.digits.empty()) return 0;
    return n.negative ? -1 : 1;
}

int compareMagnitudes(const BigInteger& a, const BigInteger& b) {
    return compareDigits(a.digits, b.digits);
}

long double bigToLongDouble(const BigInteger& n) {
    // The top four digits with a sticky bit for every nonzero digit below:
    // 128 bits round to the 64-bit significand exactly as the whole would.
    const std::size_t below = n.digits.size() > 4 ? n.digits.size() - 4 : 0;
    UWide top = 0;
    for (std::size_t i = n.digits.size(); i-- > below;) top = (top << 32) | n.digits[i];
    for (std::size_t i = 0; i < below; ++i) {
        if (n.digits[i] != 0) {
            top |= 1;
            break;
        }
    }
    const long double magnitude = std::ldexp(static_cast<long double>(top), static_cast<int>(32 * below));
    return n.negative ? -magnitude : magnitude;
}

}  // namespace duolinear

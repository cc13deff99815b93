#include "quadratic/DecimalRoot.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "algebra/DecimalText.h"
#include "quadratic/BigInteger.h"

namespace duolinear {

namespace {

constexpr int kDigits = 8;
constexpr std::uint64_t kLeast = 10000000;    // the least eight-digit number
constexpr std::uint64_t kBeyond = 100000000;  // the least nine-digit number

// a + b·√c with the denominators made positive.
struct ExactRoot {
    Wide an, ad, bn, bd;
    std::int64_t c;
};

ExactRoot exactRoot(const Quadratic_solution& root) {
    const Wide aSign = root.a.denominator < 0 ? -1 : 1, bSign = root.b.denominator < 0 ? -1 : 1;
    return ExactRoot{aSign * root.a.numerator, aSign * root.a.denominator, bSign * root.b.numerator,
                     bSign * root.b.denominator, root.c};
}

// An eight-digit text: (negative ? −1 : 1) · digits · 10^exponent, digits in [10⁷, 10⁸).
struct Digits {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

// The digits of a "%.8g" text of a finite nonzero value.
std::optional<Digits> digitsOf(const std::string& text) {
    Digits d;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') d.negative = true, ++i;
    int significant = 0, afterPoint = 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        if (point) ++afterPoint;
        if (d.digits == 0 && text[i] == '0') continue;
        if (++significant > kDigits) return std::nullopt;
        d.digits = d.digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    const int written = i < text.size() ? std::atoi(text.c_str() + i + 1) : 0;
    if (d.digits == 0) return std::nullopt;
    d.exponent = written - afterPoint;
    for (; d.digits < kLeast; d.digits *= 10) --d.exponent;
    return d;
}

// The "%.8g" text of the digits, through the double nearest them.
std::string textOf(const Digits& d) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%llue%d", d.negative ? "-" : "", static_cast<unsigned long long>(d.digits),
                  d.exponent);
    return decimalText(std::strtod(buffer, nullptr), kDigits);
}

// The sign of root − x for x = numerator / denominator, denominator > 0:
// with p/q = a − x, the sign of p/q + b·√c.
int signAgainst(const ExactRoot& r, const BigInteger& numerator, const BigInteger& denominator) {
    const BigInteger p = bigInteger(r.an) * denominator - numerator * bigInteger(r.ad);
    const int pSign = bigSign(p);
    const int surdSign = r.c == 0 || r.bn == 0 ? 0 : (r.bn < 0 ? -1 : 1);
    if (surdSign == 0) return pSign;
    if (pSign == 0 || pSign == surdSign) return surdSign;
    // Opposite signs: the larger of p²·bd² and bn²·c·q² wins.
    const BigInteger q = bigInteger(r.ad) * denominator;
    const BigInteger bn = bigInteger(r.bn);
    const int order = compareMagnitudes(p * p * bigInteger(r.bd * r.bd), bn * bn * bigInteger(r.c) * q * q);
    return order > 0 ? pSign : order < 0 ? surdSign : 0;
}

// The sign of root − m, m halfway between the digits and their neighbour of
// the next larger or smaller magnitude (below 10⁷·10ᵉ that is 99999999·10ᵉ⁻¹),
// with the sign of the digits.
int signAgainstHalfway(const ExactRoot& r, const Digits& d, bool larger) {
    auto twice = static_cast<Wide>(2 * d.digits) + (larger ? 1 : -1);
    int exponent = d.exponent;
    if (!larger && d.digits == kLeast) twice = 2 * kBeyond - 1, --exponent;
    const BigInteger scale = bigPowerOfTen(static_cast<unsigned>(std::abs(exponent)));
    BigInteger numerator = bigInteger(d.negative ? -twice : twice);
    BigInteger denominator = bigInteger(2);
    if (exponent >= 0) {
        numerator = numerator * scale;
    } else {
        denominator = denominator * scale;
    }
    return signAgainst(r, numerator, denominator);
}

// The next eight digits in the direction of the sign, +1 upwards.
Digits neighbour(Digits d, int direction) {
    const bool larger = (direction > 0) != d.negative;  // a larger magnitude
    if (larger && ++d.digits == kBeyond) d.digits = kLeast, ++d.exponent;
    if (!larger && --d.digits < kLeast) d.digits = kBeyond - 1, --d.exponent;
    return d;
}

// a + b·√c in extended precision without cancellation, as the header describes.
long double approximateValue(const ExactRoot& r) {
    const long double a = static_cast<long double>(r.an) / static_cast<long double>(r.ad);
    const long double surd =
        static_cast<long double>(r.bn) / static_cast<long double>(r.bd) * std::sqrt(static_cast<long double>(r.c));
    if ((a < 0) == (surd < 0) || a == 0 || surd == 0) return a + surd;
    // a² − b²c = (an²·bd² − bn²·c·ad²) / (ad²·bd²)
    const BigInteger an = bigInteger(r.an), ad = bigInteger(r.ad), bn = bigInteger(r.bn), bd = bigInteger(r.bd);
    const BigInteger top = an * an * bd * bd - bn * bn * bigInteger(r.c) * ad * ad;
    const BigInteger bottom = ad * ad * bd * bd;
    return bigToLongDouble(top) / bigToLongDouble(bottom) / (a - surd);
}

}  // namespace

std::optional<std::string> decimalRootText(const Quadratic_solution& root) {
    if (root.a.denominator == 0 || root.b.denominator == 0 || root.c < 0) {
        const long double a = static_cast<long double>(root.a.numerator) / static_cast<long double>(root.a.denominator);
        const long double b = static_cast<long double>(root.b.numerator) / static_cast<long double>(root.b.denominator);
        return decimalText(static_cast<double>(a + b * std::sqrt(static_cast<long double>(root.c))), kDigits);
    }
    const ExactRoot r = exactRoot(root);
    std::string text = decimalText(static_cast<double>(approximateValue(r)), kDigits);
    std::optional<Digits> d = digitsOf(text);
    if (!d) {
        // Only a zero value writes no digits; it stands when the root is 0.
        if (signAgainst(r, bigInteger(0), bigInteger(1)) == 0) return text;
        return std::nullopt;
    }
    // The value is within a few parts in 10¹⁸ of the root, so the digits are
    // right or one step off; one more step is allowed for safety.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (signAgainstHalfway(r, *d, d->negative) < 0) {
            d = neighbour(*d, -1);
        } else if (signAgainstHalfway(r, *d, !d->negative) > 0) {
            d = neighbour(*d, 1);
        } else {
            return attempt == 0 ? text : textOf(*d);
        }
    }
    return std::nullopt;
}

}  // namespace duolinear

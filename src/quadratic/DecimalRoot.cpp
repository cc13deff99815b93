#include "quadratic/DecimalRoot.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "algebra/DecimalText.h"
#include "quadratic/BigInteger.h"
#include "quadratic/WideArithmetic.h"

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

// n rounded to a long double as bigToLongDouble rounds it: its magnitude
// converted unsigned (which valgrind converts right, unlike a negative one).
long double wideToLongDouble(Wide n) {
    const long double magnitude = static_cast<long double>(wideMagnitude(n));
    return n < 0 ? -magnitude : magnitude;
}

// a² − b²c over (a − b·√c) for a and b·√c of opposite signs: the numerator
// an²·bd² − bn²·c·ad² and the denominator ad²·bd² exact, in 128 bits when
// they fit there and else as BigIntegers (both round alike).
long double withoutCancellation(const ExactRoot& r, long double difference) {
    const CheckedWide top =
        wideSubtract(wideMultiply(wideMultiply(r.an, r.an), wideMultiply(r.bd, r.bd)),
                     wideMultiply(wideMultiply(wideMultiply(r.bn, r.bn), Wide{r.c}), wideMultiply(r.ad, r.ad)));
    const CheckedWide bottom = wideMultiply(wideMultiply(r.ad, r.ad), wideMultiply(r.bd, r.bd));
    if (top && bottom) return wideToLongDouble(*top) / wideToLongDouble(*bottom) / difference;
    const BigInteger an = bigInteger(r.an), ad = bigInteger(r.ad), bn = bigInteger(r.bn), bd = bigInteger(r.bd);
    const BigInteger exactTop = an * an * bd * bd - bn * bn * bigInteger(r.c) * ad * ad;
    const BigInteger exactBottom = ad * ad * bd * bd;
    return bigToLongDouble(exactTop) / bigToLongDouble(exactBottom) / difference;
}

// a + b·√c in extended precision without cancellation, as the header describes.
// a and b from the root's 64-bit parts, which convert exactly (and which
// valgrind converts at all: it reads a negative 128-bit integer as 0).
long double approximateValue(const Quadratic_solution& root, const ExactRoot& r) {
    const long double a = static_cast<long double>(root.a.numerator) / static_cast<long double>(root.a.denominator);
    const long double surd = static_cast<long double>(root.b.numerator) / static_cast<long double>(root.b.denominator) *
                             std::sqrt(static_cast<long double>(root.c));
    if ((a < 0) == (surd < 0) || a == 0 || surd == 0) return a + surd;
    return withoutCancellation(r, a - surd);
}

// The relative error of one long double operation at most: the gap between 1
// and the next long double, as the arithmetic at hand rounds. It is measured
// rather than read from the type, since an emulator (valgrind) may carry the
// 64-bit significand of the x87 format in double precision, with 2⁻⁵² for 2⁻⁶³.
long double operationError() {
    static const long double error = [] {
        volatile long double one = 1;  // each sum formed at run time
        long double gap = 1;
        while (one + gap / 2 != 1) gap /= 2;
        return gap;
    }();
    return error;
}

// 10⁰ ... 10²⁷, each exact in a 64-bit significand (5²⁷ < 2⁶³).
constexpr int kMostExactPower = 27;
constexpr std::array<long double, kMostExactPower + 1> kPowersOfTen = [] {
    std::array<long double, kMostExactPower + 1> powers{};
    long double power = 1;
    for (long double& p : powers) p = power, power *= 10;
    return powers;
}();

// Beyond this exponent the digits are confirmed exactly only; no root reaches it.
constexpr int kMostScaledExponent = 10 * kMostExactPower;

// Whether the digits are surely those of the root, from its approximate value
// alone: the value scaled to the digits, t = |value|·10⁻ᵉ, lies within
// 0.5 − margin of them, where the margin bounds the error of t. Not for the
// least digits 10⁷, whose smaller neighbour 99999999·10ᵉ⁻¹ is nearer.
//
// Every operation rounds with a relative error of at most ε
// (operationError). The value takes at most 11 of them: a takes 3 (two
// conversions and a division), b·√c 6 (three conversions, a division, the
// square root, which halves the error of its operand, and a product), and
// then either their sum of one sign, or a² − b²c (two conversions and a
// division, its parts exact) over a − b·√c (a sum of magnitudes) and the
// division. The power of ten takes at most 20 (the loads and products up to
// kMostScaledExponent), and the scaling one: t = x·(1 + θ) for the root
// scaled alike x, |θ| < 33ε. Accepted, t is below 10⁸ + 0.5 < 2²⁷, so
// |t − x| < 34ε·2²⁷ < 2³³·ε, the margin (2⁻³⁰ with a 64-bit significand). And
// t − digits is exact there (the two are within a factor 2). So x lies
// strictly within 0.5 of the digits: they are its eight digits rounded, as
// the exact check would confirm.
bool surelyTheDigits(long double value, const Digits& d) {
    int rest = std::abs(d.exponent);
    if (rest > kMostScaledExponent || d.digits == kLeast) return false;
    long double power = 1;
    for (; rest > kMostExactPower; rest -= kMostExactPower) power *= kPowersOfTen[kMostExactPower];
    power *= kPowersOfTen[static_cast<std::size_t>(rest)];
    const long double scaled = d.exponent < 0 ? std::fabs(value) * power : std::fabs(value) / power;
    const long double margin = operationError() * 0x1p33L;  // exact: a power of two
    return std::fabs(scaled - static_cast<long double>(d.digits)) < 0.5L - margin;
}

}  // namespace

std::optional<std::string> decimalRootText(const Quadratic_solution& root) {
    if (root.a.denominator == 0 || root.b.denominator == 0 || root.c < 0) {
        const long double a = static_cast<long double>(root.a.numerator) / static_cast<long double>(root.a.denominator);
        const long double b = static_cast<long double>(root.b.numerator) / static_cast<long double>(root.b.denominator);
        return decimalText(static_cast<double>(a + b * std::sqrt(static_cast<long double>(root.c))), kDigits);
    }
    const ExactRoot r = exactRoot(root);
    const long double value = approximateValue(root, r);
    std::string text = decimalText(static_cast<double>(value), kDigits);
    std::optional<Digits> d = digitsOf(text);
    if (!d) {
        // Only a zero value writes no digits; it stands when the root is 0,
        // as "0": a² − b²c = 0 over a negative a − b·√c is −0.
        if (signAgainst(r, bigInteger(0), bigInteger(1)) == 0) return decimalText(0.0, kDigits);
        return std::nullopt;
    }
    if (surelyTheDigits(value, *d)) return text;
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

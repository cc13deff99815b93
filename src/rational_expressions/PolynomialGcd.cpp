#include "rational_expressions/PolynomialGcd.h"

#include <limits>
#include <utility>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/WideFraction.h"

namespace duolinear {

namespace {

using Residues = std::vector<std::uint64_t>;
using WholeForm = std::vector<Wide>;  // the constant first

// Primes just below 2^62: a product of two of them fits 128 bits.
constexpr std::uint64_t kLiftPrimes[] = {4611686018427387847u, 4611686018427387817u, 4611686018427387787u,
                                         4611686018427387761u, 4611686018427387751u, 4611686018427387737u};

std::uint64_t times(std::uint64_t x, std::uint64_t y, std::uint64_t p) {
    if (p <= UINT32_MAX) return x * y % p;  // x, y < p: the product fits 64 bits
    return static_cast<std::uint64_t>(static_cast<UWide>(x) * y % p);
}

std::uint64_t residue(std::int64_t n, std::uint64_t p) {
    const std::int64_t r = n % static_cast<std::int64_t>(p);
    return static_cast<std::uint64_t>(r < 0 ? r + static_cast<std::int64_t>(p) : r);
}

// The inverse of x, not 0 modulo p, by the extended Euclidean algorithm
// (every value on the way is at most p in size).
std::uint64_t inverse(std::uint64_t x, std::uint64_t p) {
    std::int64_t t = 0;
    std::int64_t nextT = 1;
    auto r = static_cast<std::int64_t>(p);
    auto nextR = static_cast<std::int64_t>(x % p);
    while (nextR != 0) {
        const std::int64_t q = r / nextR;
        t = std::exchange(nextT, t - q * nextT);
        r = std::exchange(nextR, r - q * nextR);
    }
    return static_cast<std::uint64_t>(t < 0 ? t + static_cast<std::int64_t>(p) : t);
}

std::optional<Residues> image(const Dense& f, std::uint64_t p) {
    Residues result;
    for (const Rational& c : f) {
        const std::uint64_t d = residue(c.denominator, p);
        if (d == 0) return std::nullopt;
        const std::uint64_t n = residue(c.numerator, p);
        result.push_back(d == 1 ? n : times(n, inverse(d, p), p));
    }
    // The zero polynomial, or one whose leading coefficient p divides, has no
    // image of its degree.
    if (result.empty() || result.back() == 0) return std::nullopt;
    return result;
}

// The whole polynomial with the residues c (modulo m), each taken between
// −m/2 and m/2, over their gcd and with a positive leading coefficient; none
// when it does not fit 64 bits.
std::optional<Dense> lifted(const std::vector<UWide>& c, UWide m) {
    std::vector<Wide> values;
    UWide common = 0;
    for (const UWide r : c) {
        const Wide v = r > m / 2 ? -static_cast<Wide>(m - r) : static_cast<Wide>(r);
        values.push_back(v);
        common = wideGcdOfMagnitudes(common, wideMagnitude(v));
    }
    if (common == 0) return std::nullopt;
    const Wide divisor = values.back() < 0 ? -static_cast<Wide>(common) : static_cast<Wide>(common);
    Dense result;
    for (const Wide v : values) {
        const Wide q = v / divisor;
        if (q > std::numeric_limits<std::int64_t>::max() || q < -std::numeric_limits<std::int64_t>::max()) {
            return std::nullopt;
        }
        result.push_back(Rational{static_cast<std::int64_t>(q), 1});
    }
    return result;
}

// A non-zero polynomial times the lcm of its denominators, over the gcd of
// the numerators so made, with a positive leading coefficient: whole and
// without a common divisor, in 128 bits, so that fractions near 2^63 whose
// whole form just passes 64 bits still have one. None when it does not fit.
std::optional<WholeForm> wholeForm(const Dense& a) {
    // The content comes out before the scale goes in: (n / g)·(l / d) is no
    // larger than the answer, where n·l can be far larger.
    UWide scale = 1;
    std::uint64_t top = 0;
    for (const Rational& c : a) {
        if (c.denominator == 0) return std::nullopt;
        const UWide d = magnitude(c.denominator);
        if (__builtin_mul_overflow(scale / wideGcdOfMagnitudes(scale, d), d, &scale)) return std::nullopt;
        top = gcdOfMagnitudes(top, magnitude(c.numerator));
    }
    if (top == 0) return std::nullopt;
    WholeForm result;
    result.reserve(a.size());
    UWide common = 0;
    for (const Rational& c : a) {
        UWide size = 0;
        if (__builtin_mul_overflow(UWide{magnitude(c.numerator) / top}, scale / magnitude(c.denominator), &size) ||
            size > static_cast<UWide>(std::numeric_limits<Wide>::max())) {
            return std::nullopt;
        }
        result.push_back(static_cast<Wide>(size));
        common = wideGcdOfMagnitudes(common, size);  // 1 unless a fraction was not in lowest terms
    }
    const auto negative = [](const Rational& c) { return (c.numerator < 0) != (c.denominator < 0); };
    const bool flip = negative(a.back());
    for (std::size_t i = 0; i < a.size(); ++i) {
        result[i] /= static_cast<Wide>(common);
        if (negative(a[i]) != flip) result[i] = -result[i];
    }
    return result;
}

// The whole polynomial a divided by the whole g, with a positive leading
// coefficient, leaves no remainder; false also when a value on the way does
// not fit 128 bits.
bool dividesExactly(const Dense& g, const WholeForm& a) {
    WholeForm r = a;
    const Wide lead = g.back().numerator;
    while (r.size() >= g.size()) {
        if (r.back() % lead != 0) return false;
        const Wide q = r.back() / lead;
        const std::size_t shift = r.size() - g.size();
        for (std::size_t i = 0; i < g.size(); ++i) {
            Wide term = 0;
            if (__builtin_mul_overflow(q, static_cast<Wide>(g[i].numerator), &term) ||
                __builtin_sub_overflow(r[shift + i], term, &r[shift + i])) {
                return false;
            }
        }
        while (!r.empty() && r.back() == 0) r.pop_back();
    }
    return r.empty();
}

}  // namespace

std::optional<Residues> gcdModulo(const Dense& a, const Dense& b, std::uint64_t p) {
    std::optional<Residues> x = image(a, p);
    std::optional<Residues> y = image(b, p);
    if (!x || !y) return std::nullopt;
    while (!y->empty()) {
        const std::uint64_t lead = inverse(y->back(), p);
        while (x->size() >= y->size()) {
            const std::uint64_t factor = times(x->back(), lead, p);
            const std::size_t shift = x->size() - y->size();
            for (std::size_t i = 0; i < y->size(); ++i) {
                (*x)[shift + i] = ((*x)[shift + i] + p - times(factor, (*y)[i], p)) % p;
            }
            while (!x->empty() && x->back() == 0) x->pop_back();
        }
        std::swap(*x, *y);
    }
    const std::uint64_t lead = inverse(x->back(), p);
    for (std::uint64_t& c : *x) c = times(c, lead, p);
    return x;
}

std::optional<Dense> denseGcd(const Dense& a, const Dense& b) {
    if (a.size() == 1 || b.size() == 1) return Dense{Rational{1, 1}};
    // The whole forms, made only when the first image is not constant. When
    // one does not fit, only a later constant image can still decide.
    bool wholesMade = false;
    std::optional<WholeForm> wholeA;
    std::optional<WholeForm> wholeB;
    UWide scale = 0;  // the gcd's leading coefficient divides both leading ones
    std::vector<UWide> lift;
    UWide modulus = 0;
    int primesLifted = 0;
    for (const std::uint64_t p : kLiftPrimes) {
        const std::optional<Residues> h = gcdModulo(a, b, p);
        if (!h) continue;
        if (h->size() == 1) return Dense{Rational{1, 1}};
        if (!wholesMade) {
            wholesMade = true;
            wholeA = wholeForm(a);
            wholeB = wholeForm(b);
            if (wholeA && wholeB) scale = wideGcdOfMagnitudes(wholeA->back(), wholeB->back());
        }
        if (!wholeA || !wholeB) continue;
        if (primesLifted > 0 && h->size() > lift.size()) continue;  // p divides a resultant of the cofactors
        const auto s = static_cast<std::uint64_t>(scale % p);
        // An image of lower degree shows the primes before to be unlucky; a
        // third prime does not fit 128 bits, so it starts the lift again.
        if (primesLifted == 0 || primesLifted == 2 || h->size() < lift.size()) {
            lift.assign(h->size(), 0);
            for (std::size_t i = 0; i < h->size(); ++i) lift[i] = times((*h)[i], s, p);
            modulus = p;
            primesLifted = 1;
        } else {
            // The residue modulo m·p that is lift modulo m and s·h modulo p.
            const auto m = static_cast<std::uint64_t>(modulus);
            const std::uint64_t step = inverse(m % p, p);
            for (std::size_t i = 0; i < h->size(); ++i) {
                const std::uint64_t wanted = times((*h)[i], s, p);
                const auto have = static_cast<std::uint64_t>(lift[i] % p);
                lift[i] += modulus * times((wanted + p - have) % p, step, p);
            }
            modulus *= p;
            primesLifted = 2;
        }
        const std::optional<Dense> g = lifted(lift, modulus);
        if (g && dividesExactly(*g, *wholeA) && dividesExactly(*g, *wholeB)) return g;
    }
    return std::nullopt;
}

}  // namespace duolinear

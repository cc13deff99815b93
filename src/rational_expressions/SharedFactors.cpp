#include "rational_expressions/SharedFactors.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"
#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

namespace {

// Coefficients by power, the constant first, with no zero at the end (the
// zero polynomial is empty).
using Dense = std::vector<Rational>;

bool isZero(const Rational& r) {
    return r.numerator == 0;
}

void trim(Dense& p) {
    while (!p.empty() && isZero(p.back())) p.pop_back();
}

std::optional<Dense> sum(const Dense& a, const Dense& b) {
    Dense result(std::max(a.size(), b.size()), Rational{0, 1});
    for (std::size_t i = 0; i < result.size(); ++i) {
        const std::optional<Rational> s =
            rationalSum(i < a.size() ? a[i] : Rational{0, 1}, i < b.size() ? b[i] : Rational{0, 1});
        if (!s) return std::nullopt;
        result[i] = *s;
    }
    trim(result);
    return result;
}

std::optional<Dense> product(const Dense& a, const Dense& b) {
    if (a.empty() || b.empty()) return Dense{};
    if (a.size() + b.size() - 2 > kMaxSharedDegree) return std::nullopt;
    Dense result(a.size() + b.size() - 1, Rational{0, 1});
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::optional<Rational> term = rationalProduct(a[i], b[j]);
            const std::optional<Rational> s = term ? rationalSum(result[i + j], *term) : std::nullopt;
            if (!s) return std::nullopt;
            result[i + j] = *s;
        }
    }
    trim(result);
    return result;
}

// The value of one group, groups it names multiplied out first.
class Expander {
public:
    explicit Expander(const Polynomial_XL& part) : part_(part), done_(part.terms.size()) {}

    std::optional<Dense> group(std::size_t index) {
        if (done_[index]) return done_[index];
        Dense total;
        for (const Term_XL& t : part_.terms[index]) {
            const Monomial& m = t.monomial;
            const std::optional<Rational> c = reducedRational(m.coefficient);
            if (!c || m.exponent > kMaxSharedDegree) return std::nullopt;
            std::optional<Dense> term = Dense(m.exponent + 1, Rational{0, 1});
            term->back() = *c;
            trim(*term);
            for (const Factor& f : t.factors) {
                const std::optional<Dense> base = group(f.pointer);
                if (!base) return std::nullopt;
                if (!base->empty() && f.exponent > kMaxSharedDegree) return std::nullopt;
                for (std::uint64_t k = 0; k < f.exponent && term; ++k) term = product(*term, *base);
                if (!term) return std::nullopt;
            }
            const std::optional<Dense> next = sum(total, *term);
            if (!next) return std::nullopt;
            total = *next;
        }
        done_[index] = total;
        return total;
    }

private:
    const Polynomial_XL& part_;
    std::vector<std::optional<Dense>> done_;
};

std::optional<Dense> expanded(const Polynomial_XL& part) {
    if (!isWellFormedPart(part)) return std::nullopt;
    return Expander(part).group(part.terms.size() - 1);
}

// a with its highest coefficient made 1.
std::optional<Dense> monic(const Dense& a) {
    Dense result;
    for (const Rational& c : a) {
        const std::optional<Rational> q = rationalQuotient(c, a.back());
        if (!q) return std::nullopt;
        result.push_back(*q);
    }
    return result;
}

// The remainder of a divided by a monic b.
std::optional<Dense> remainder(Dense a, const Dense& b) {
    while (a.size() >= b.size()) {
        const Rational lead = a.back();
        const std::size_t shift = a.size() - b.size();
        for (std::size_t i = 0; i < b.size(); ++i) {
            const std::optional<Rational> term = rationalProduct(lead, b[i]);
            const std::optional<Rational> d = term ? rationalDifference(a[shift + i], *term) : std::nullopt;
            if (!d) return std::nullopt;
            a[shift + i] = *d;
        }
        trim(a);  // b is monic, so the highest coefficient is now 0
    }
    return a;
}

// The degree of the greatest common divisor of two non-zero polynomials.
std::optional<std::size_t> gcdDegree(Dense a, Dense b) {
    while (!b.empty()) {
        const std::optional<Dense> m = monic(b);
        const std::optional<Dense> r = m ? remainder(a, *m) : std::nullopt;
        if (!r) return std::nullopt;
        a = *m;
        b = *r;
    }
    return a.size() - 1;
}

// The degree of the gcd of the two polynomials' images modulo the prime p,
// which is at least that of their gcd over the rationals when p divides
// neither leading coefficient nor any denominator; none when it does.
std::optional<std::size_t> gcdDegreeModulo(const Dense& a, const Dense& b, std::uint64_t p) {
    using Residues = std::vector<std::uint64_t>;
    const auto residue = [p](std::int64_t n) {
        const std::int64_t r = n % static_cast<std::int64_t>(p);
        return static_cast<std::uint64_t>(r < 0 ? r + static_cast<std::int64_t>(p) : r);
    };
    const auto times = [p](std::uint64_t x, std::uint64_t y) {
        return static_cast<std::uint64_t>(static_cast<unsigned __int128>(x) * y % p);
    };
    const auto inverse = [&](std::uint64_t x) {  // x^(p − 2) by squaring
        std::uint64_t result = 1;
        for (std::uint64_t e = p - 2; e > 0; e >>= 1, x = times(x, x)) {
            if (e & 1) result = times(result, x);
        }
        return result;
    };
    const auto image = [&](const Dense& f) -> std::optional<Residues> {
        Residues result;
        for (const Rational& c : f) {
            const std::uint64_t d = residue(c.denominator);
            if (d == 0) return std::nullopt;
            result.push_back(times(residue(c.numerator), inverse(d)));
        }
        if (result.back() == 0) return std::nullopt;
        return result;
    };
    std::optional<Residues> x = image(a);
    std::optional<Residues> y = image(b);
    if (!x || !y) return std::nullopt;
    while (!y->empty()) {
        const std::uint64_t lead = inverse(y->back());
        while (x->size() >= y->size()) {
            const std::uint64_t factor = times(x->back(), lead);
            const std::size_t shift = x->size() - y->size();
            for (std::size_t i = 0; i < y->size(); ++i) {
                (*x)[shift + i] = ((*x)[shift + i] + p - times(factor, (*y)[i])) % p;
            }
            while (!x->empty() && x->back() == 0) x->pop_back();
        }
        std::swap(*x, *y);
    }
    return x->size() - 1;
}

// Whether the two non-zero polynomials have a common factor of degree 1 or
// more. A constant gcd modulo a prime proves there is none; otherwise the
// gcd over the rationals decides (none when it does not fit).
std::optional<bool> shareVariableFactor(const Dense& a, const Dense& b) {
    for (const std::uint64_t p : {2147483647u, 2147483629u, 2147483587u}) {
        if (gcdDegreeModulo(a, b, p) == 0u) return false;
    }
    const std::optional<std::size_t> common = gcdDegree(a, b);
    if (!common) return std::nullopt;
    return *common > 0;
}

// The numerator of the content: the gcd of the numerators (coefficients in
// lowest terms).
std::uint64_t contentNumerator(const Dense& a) {
    std::uint64_t g = 0;
    for (const Rational& c : a) g = gcdOfMagnitudes(g, magnitude(c.numerator));
    return g;
}

}  // namespace

std::optional<bool> sharesFactorOrConstant(const Polynomial_XL& numerator, const Polynomial_XL& denominator) {
    const std::optional<Dense> n = expanded(numerator);
    const std::optional<Dense> d = expanded(denominator);
    if (!n || !d) return std::nullopt;
    if (n->empty() || d->empty()) return false;
    if (gcdOfMagnitudes(contentNumerator(*n), contentNumerator(*d)) > 1) return true;
    return shareVariableFactor(*n, *d);
}

}  // namespace duolinear

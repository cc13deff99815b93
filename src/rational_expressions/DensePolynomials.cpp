#include "rational_expressions/DensePolynomials.h"

#include <algorithm>

namespace duolinear {

namespace {

void trim(Dense& p) {
    while (!p.empty() && p.back().numerator == 0) p.pop_back();
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

}  // namespace

std::optional<Dense> denseProduct(const Dense& a, const Dense& b) {
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

std::optional<Dense> GroupValues::group(std::size_t index) {
    if (done_[index]) return done_[index];
    Dense total;
    for (const Term_XL& t : part_.terms[index]) {
        const Monomial& m = t.monomial;
        const std::optional<Rational> c = reducedRational(m.coefficient);
        if (!c || m.exponent > kMaxSharedDegree) return std::nullopt;
        if (t.factors.empty()) {  // a monomial is added in place
            if (c->numerator == 0) continue;
            if (total.size() <= m.exponent) total.resize(m.exponent + 1, Rational{0, 1});
            const std::optional<Rational> s = rationalSum(total[m.exponent], *c);
            if (!s) return std::nullopt;
            total[m.exponent] = *s;
            continue;
        }
        std::optional<Dense> term = Dense(m.exponent + 1, Rational{0, 1});
        term->back() = *c;
        trim(*term);
        for (const Factor& f : t.factors) {
            const std::optional<Dense> base = group(f.pointer);
            if (!base) return std::nullopt;
            if (!base->empty() && f.exponent > kMaxSharedDegree) return std::nullopt;
            for (std::uint64_t k = 0; k < f.exponent && term; ++k) term = denseProduct(*term, *base);
            if (!term) return std::nullopt;
        }
        const std::optional<Dense> next = sum(total, *term);
        if (!next) return std::nullopt;
        total = *next;
    }
    trim(total);
    done_[index] = total;
    return total;
}

std::optional<DenseDivision> divided(const Dense& a, const Dense& b) {
    if (b.empty()) return std::nullopt;
    DenseDivision result{Dense(a.size() >= b.size() ? a.size() - b.size() + 1 : 0, Rational{0, 1}), a};
    Dense& r = result.remainder;
    while (r.size() >= b.size()) {
        const std::optional<Rational> lead = rationalQuotient(r.back(), b.back());
        if (!lead) return std::nullopt;
        const std::size_t shift = r.size() - b.size();
        result.quotient[shift] = *lead;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const std::optional<Rational> term = rationalProduct(*lead, b[i]);
            const std::optional<Rational> d = term ? rationalDifference(r[shift + i], *term) : std::nullopt;
            if (!d) return std::nullopt;
            r[shift + i] = *d;
        }
        r.pop_back();  // the highest coefficient is now 0
        trim(r);
    }
    trim(result.quotient);
    return result;
}

}  // namespace duolinear

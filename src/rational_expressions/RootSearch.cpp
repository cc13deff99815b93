#include "rational_expressions/RootSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <limits>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

using Real = long double;
using Coefficients = std::vector<Real>;  // highest power first

// The least relative width of the window around an estimated root: some
// units in the last place of a long double.
const Real kWindow = std::ldexp(Real{1}, -58);

// An estimated root and the relative width of the window in which the true
// root lies.
struct Estimate {
    Real root = 0;
    Real window = 0;
};

// Candidate roots in the order of the search.
bool comesBefore(const RationalRoot& a, const RationalRoot& b) {
    if (a.p != b.p) return a.p < b.p;
    const std::uint64_t qa = magnitude(a.s);
    const std::uint64_t qb = magnitude(b.s);
    if (qa != qb) return qa < qb;
    return a.s < b.s;
}

class Search {
public:
    explicit Search(const std::vector<std::int64_t>& digits) : digits_(digits) {}

    // Tries s/p and keeps it when it is a root that comes first.
    void tryCandidate(std::int64_t p, std::int64_t s) {
        ++result_.trials;
        const std::optional<bool> root = isRationalRoot(digits_, p, s);
        if (!root) {
            result_.undecided = true;
        } else if (*root && (!result_.root || comesBefore(RationalRoot{p, s}, *result_.root))) {
            result_.root = RationalRoot{p, s};
        }
    }

    RootSearch& result() { return result_; }

private:
    const std::vector<std::int64_t>& digits_;
    RootSearch result_;
};

Real valueAt(const Coefficients& c, Real x) {
    Real v = 0;
    for (const Real a : c) v = v * x + a;
    return v;
}

Coefficients derivative(const Coefficients& c) {
    const std::size_t n = c.size() - 1;
    Coefficients result(n);
    for (std::size_t i = 0; i < n; ++i) result[i] = c[i] * static_cast<Real>(n - i);
    return result;
}

bool negative(Real v) {
    return v < 0;
}

// A root of f between a and b, where f has opposite signs, by bisection
// until the two ends are neighbouring numbers.
Real bisected(const Coefficients& f, Real a, Real b) {
    const bool atA = negative(valueAt(f, a));
    for (int step = 0; step < 256; ++step) {
        const Real m = a + (b - a) / 2;
        if (m <= a || m >= b) break;
        const Real v = valueAt(f, m);
        if (v == 0) return m;
        (negative(v) == atA ? a : b) = m;
    }
    return a + (b - a) / 2;
}

// The roots of f that its sign shows between the ordered points: a point
// where f is 0, and one root in each interval over which f changes sign.
std::vector<Real> signChanges(const Coefficients& f, const std::vector<Real>& points) {
    std::vector<Real> roots;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Real v = valueAt(f, points[k]);
        if (v == 0) roots.push_back(points[k]);
        if (k + 1 == points.size() || v == 0) continue;
        const Real w = valueAt(f, points[k + 1]);
        if (w != 0 && negative(v) != negative(w)) roots.push_back(bisected(f, points[k], points[k + 1]));
    }
    return roots;
}

// The relative error of r as a root of f found in floating point: the
// rounding error of f's value near r (a few units in the last place of
// Σ|a_i|·|r|^i) over the slope there. Infinite where the slope is 0.
Real windowAt(const Coefficients& f, const Coefficients& slope, Real r) {
    Real size = 0;
    for (const Real a : f) size = size * std::fabs(r) + std::fabs(a);
    const Real error = 4 * static_cast<Real>(f.size()) * std::numeric_limits<Real>::epsilon() * size /
                       (std::fabs(valueAt(slope, r)) * std::fabs(r));
    return std::max(kWindow, error);
}

// Estimates of the real roots of the polynomial and of its derivatives,
// those of the polynomial first: between two neighbouring real roots of a
// derivative the function is monotone, so each sign change holds one root,
// and a root of even multiplicity is a root of odd multiplicity of some
// derivative. All lie within the Cauchy bound 1 + max |a_i / a_0|.
std::vector<Estimate> rootEstimates(const std::vector<std::int64_t>& digits) {
    std::vector<Coefficients> levels{Coefficients(digits.begin(), digits.end())};
    while (levels.back().size() > 2) levels.push_back(derivative(levels.back()));
    Real bound = 0;
    for (std::size_t i = 1; i < digits.size(); ++i) {
        bound = std::max(bound, std::fabs(static_cast<Real>(digits[i]) / static_cast<Real>(digits[0])));
    }
    bound += 1;
    std::vector<std::vector<Real>> found(levels.size());
    std::vector<Real> critical;
    for (std::size_t k = levels.size(); k-- > 0;) {
        std::vector<Real> points{-bound};
        points.insert(points.end(), critical.begin(), critical.end());
        points.push_back(bound);
        found[k] = signChanges(levels[k], points);
        critical = found[k];
    }
    std::vector<Estimate> all;
    for (std::size_t k = 0; k < found.size(); ++k) {
        const Coefficients slope = derivative(levels[k]);
        for (const Real r : found[k]) {
            if (r != 0) all.push_back(Estimate{r, windowAt(levels[k], slope, r)});
        }
    }
    // The narrowest first; a wider window around a narrower estimate (a
    // multiple root seen from a shallower level) adds nothing.
    std::stable_sort(all.begin(), all.end(), [](const Estimate& a, const Estimate& b) { return a.window < b.window; });
    std::vector<Estimate> estimates;
    for (const Estimate& e : all) {
        const bool explained = std::any_of(estimates.begin(), estimates.end(), [&e](const Estimate& narrower) {
            return std::fabs(narrower.root - e.root) <= std::fabs(e.root) * e.window;
        });
        if (!explained) estimates.push_back(e);
    }
    return estimates;
}

// The whole numbers from ceil(low) to floor(high), within [least, most].
struct Span {
    std::int64_t first = 1;
    std::int64_t last = 0;
};

Span span(Real low, Real high, std::int64_t least, std::int64_t most) {
    low = std::max(std::ceil(low), static_cast<Real>(least));
    high = std::min(std::floor(high), static_cast<Real>(most));
    if (low > high) return {};
    return Span{static_cast<std::int64_t>(low), static_cast<std::int64_t>(high)};
}

Real sumOf(const std::vector<std::int64_t>& values) {
    Real sum = 0;
    for (const std::int64_t v : values) sum += static_cast<Real>(v);
    return sum;
}

// Tries the fractions q/p of magnitude within the window around each
// estimate, with p a divisor of lead and q of constant: by denominator
// (q in a narrow span for each p) or by numerator (p in a narrow span for
// each q), whichever looks at fewer candidates.
void searchNearEstimates(Search& search, const std::vector<std::int64_t>& digits, const std::vector<std::int64_t>& ps,
                         const std::vector<std::int64_t>& qs) {
    const std::int64_t lead = ps.back();
    const std::int64_t constant = qs.back();
    const Real sumP = sumOf(ps);
    const Real sumQ = sumOf(qs);
    Real steps = 0;
    for (const Estimate& e : rootEstimates(digits)) {
        const std::int64_t sign = e.root < 0 ? -1 : 1;
        const Real low = std::fabs(e.root) * std::max(Real{0}, 1 - e.window);
        const Real high = std::fabs(e.root) * (1 + e.window);
        const Real byDenominator = static_cast<Real>(ps.size()) + (high - low) * sumP;
        const Real byNumerator = static_cast<Real>(qs.size()) + (1 / low - 1 / high) * sumQ;
        const Real cost = std::min(byDenominator, byNumerator);
        if (!(steps + cost <= static_cast<Real>(kMaxCandidateSteps))) {
            search.result().undecided = true;
            continue;
        }
        steps += cost;
        if (byDenominator <= byNumerator) {
            for (const std::int64_t p : ps) {
                const Span s = span(low * static_cast<Real>(p), high * static_cast<Real>(p), 1, constant);
                for (std::int64_t q = s.first; q <= s.last; ++q) {
                    if (constant % q == 0 && gcd(p, q) == 1) search.tryCandidate(p, sign * q);
                    if (q == s.last) break;  // the last may be the largest 64-bit value
                }
            }
        } else {
            for (const std::int64_t q : qs) {
                const Span s = span(static_cast<Real>(q) / high, static_cast<Real>(q) / low, 1, lead);
                for (std::int64_t p = s.first; p <= s.last; ++p) {
                    if (lead % p == 0 && gcd(p, q) == 1) search.tryCandidate(p, sign * q);
                    if (p == s.last) break;
                }
            }
        }
    }
}

}  // namespace

// A whole polynomial that has the root is p·v − s times a whole quotient, so
// a digit of the division that p does not divide rules the root out. Far
// smaller numbers than p^n·P(s/p).
std::optional<bool> isRationalRoot(const std::vector<std::int64_t>& digits, std::int64_t p, std::int64_t s) {
    CheckedInt r = digits[0];
    for (std::size_t i = 1; i < digits.size(); ++i) {
        if (*r % p != 0) return false;
        r = checkedAdd(digits[i], checkedMultiply(*r / p, s));
        if (!r) return std::nullopt;
    }
    return *r == 0;
}

RootSearch firstRationalRoot(const std::vector<std::int64_t>& digits, std::uint64_t pairLimit) {
    Search search(digits);
    const std::int64_t lead = digits.empty() ? 0 : digits.front();
    const CheckedInt constant = checkedAbs(digits.empty() ? 0 : digits.back());
    if (digits.size() < 2 || lead <= 0 || !constant || *constant == 0) {
        search.result().undecided = true;
        return search.result();
    }
    const std::vector<std::int64_t> ps = divisors(lead);
    const std::vector<std::int64_t> qs = divisors(*constant);
    if (static_cast<unsigned __int128>(ps.size()) * qs.size() <= pairLimit) {
        for (const std::int64_t p : ps) {
            for (const std::int64_t q : qs) {
                if (gcd(p, q) != 1) continue;
                search.tryCandidate(p, -q);
                if (search.result().root) return search.result();
                search.tryCandidate(p, q);
                if (search.result().root) return search.result();
            }
        }
        return search.result();
    }
    if (digits.size() - 1 > kMaxEstimatedDegree) {
        search.result().undecided = true;
        return search.result();
    }
    searchNearEstimates(search, digits, ps, qs);
    return search.result();
}

}  // namespace duolinear

#include "rational_expressions/SharedFactors.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/Rational.h"
#include "rational_expressions/PolynomialGcd.h"
#include "rational_expressions/RationalExpressionValue.h"

namespace duolinear {

namespace {

// Whether the two non-zero polynomials have a common factor of degree 1 or
// more. A constant gcd modulo a prime proves there is none; otherwise the
// gcd over the rationals decides (none when it does not fit).
std::optional<bool> shareVariableFactor(const Dense& a, const Dense& b) {
    for (const std::uint64_t p : {2147483647u, 2147483629u, 2147483587u}) {
        const std::optional<std::vector<std::uint64_t>> image = gcdModulo(a, b, p);
        if (image && image->size() == 1) return false;
    }
    const std::optional<Dense> common = denseGcd(a, b);
    if (!common) return std::nullopt;
    return common->size() > 1;
}

// The content of a non-zero polynomial: the gcd of the numerators of its
// coefficients (in lowest terms) over the lcm of their denominators.
std::optional<Rational> content(const Dense& a) {
    std::uint64_t top = 0;
    std::int64_t bottom = 1;
    for (const Rational& c : a) {
        top = gcdOfMagnitudes(top, magnitude(c.numerator));
        const std::optional<std::int64_t> l = lcm(bottom, c.denominator);
        if (!l) return std::nullopt;
        bottom = *l;
    }
    if (top > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return std::nullopt;
    return reducedRational(Rational{static_cast<std::int64_t>(top), bottom});
}

// The content of a part, the product of those of its factors (Gauss's
// lemma), in lowest terms.
std::optional<Rational> partContent(const std::vector<ValueFactor>& factors) {
    Rational total{1, 1};
    for (const ValueFactor& f : factors) {
        const std::optional<Rational> c = content(f.value);
        if (!c) return std::nullopt;
        for (std::uint64_t k = 0; k < f.power; ++k) {
            const std::optional<Rational> next = rationalProduct(total, *c);
            if (!next) return std::nullopt;
            total = *next;
        }
    }
    return total;
}

bool isZeroPart(const std::vector<ValueFactor>& factors) {
    return std::any_of(factors.begin(), factors.end(), [](const ValueFactor& f) { return f.value.empty(); });
}

}  // namespace

std::optional<std::vector<ValueFactor>> valueFactors(const Polynomial_XL& part) {
    if (!isWellFormedPart(part)) return std::nullopt;
    GroupValues values(part);
    const std::size_t root = part.terms.size() - 1;
    const TermGroup& rootGroup = part.terms[root];
    std::vector<ValueFactor> factors;
    std::uint64_t degree = 0;
    const auto add = [&](std::size_t group, std::optional<Dense> value, std::uint64_t power) {
        if (!value || power > kMaxSharedDegree) return false;
        if (power == 0) return true;
        const std::uint64_t d = value->empty() ? 0 : value->size() - 1;
        if (d * power > kMaxSharedDegree || (degree += d * power) > kMaxSharedDegree) return false;
        factors.push_back(ValueFactor{group, std::move(*value), power});
        return true;
    };
    if (rootGroup.size() > 1) {
        if (!add(root, values.group(root), 1)) return std::nullopt;
        return factors;
    }
    const Monomial& own = rootGroup.front().monomial;
    const std::optional<Rational> c = reducedRational(own.coefficient);
    if (!c || !add(root, c->numerator == 0 ? Dense{} : Dense{*c}, 1)) return std::nullopt;
    if (!add(root, Dense{Rational{0, 1}, Rational{1, 1}}, own.exponent)) return std::nullopt;
    for (const Factor& f : rootGroup.front().factors) {
        if (!add(f.pointer, values.group(f.pointer), f.exponent)) return std::nullopt;
    }
    return factors;
}

std::optional<bool> sharesFactorOrConstant(const Polynomial_XL& numerator, const Polynomial_XL& denominator) {
    const std::optional<std::vector<ValueFactor>> n = valueFactors(numerator);
    const std::optional<std::vector<ValueFactor>> d = valueFactors(denominator);
    if (!n || !d) return std::nullopt;
    // A denominator worth 0 leaves the quotient without a value.
    if (isZeroPart(*d)) return std::nullopt;
    if (isZeroPart(*n)) return false;
    bool undecided = false;
    const std::optional<Rational> top = partContent(*n);
    const std::optional<Rational> bottom = partContent(*d);
    if (top && bottom) {
        if (gcdOfMagnitudes(magnitude(top->numerator), magnitude(bottom->numerator)) > 1) return true;
    } else {
        undecided = true;
    }
    // Over the rationals a factor shared by two products divides a factor
    // of each.
    for (const ValueFactor& a : *n) {
        for (const ValueFactor& b : *d) {
            if (a.value.size() < 2 || b.value.size() < 2) continue;
            const std::optional<bool> shared = shareVariableFactor(a.value, b.value);
            if (shared == true) return true;
            undecided = undecided || !shared;
        }
    }
    if (undecided) return std::nullopt;
    return false;
}

}  // namespace duolinear

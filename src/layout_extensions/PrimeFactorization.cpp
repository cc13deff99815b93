#include "layout_extensions/PrimeFactorization.h"

#include "algebra/Checked.h"
#include "algebra/PrimePowers.h"

namespace duolinear {

namespace {

// The algebra core's factoriser tries small primes, then splits what is left
// (Miller–Rabin and Pollard's rho), so even a prime near 2^63 is quick.
std::vector<PrimeFactor> factorsOf(std::int64_t n) {
    std::vector<PrimeFactor> factors;
    for (const detail::PrimePower& power : detail::primePowers(static_cast<std::uint64_t>(n))) {
        factors.push_back({static_cast<std::int64_t>(power.prime), static_cast<std::int64_t>(power.exponent)});
    }
    return factors;
}

// Whether the prime powers of the list multiply to n, every prime at least 2
// and every exponent at least 0. The product is built one factor at a time
// and given up as soon as it passes n, so no exponent makes it loop long.
bool isFactorizationOf(std::int64_t n, const std::vector<PrimeFactor>& factors) {
    if (n < 2) return false;
    std::int64_t product = 1;
    for (const PrimeFactor& factor : factors) {
        if (factor.prime < 2 || factor.exponent < 0) return false;
        for (std::int64_t e = 0; e < factor.exponent; ++e) {
            const CheckedInt next = checkedMultiply(product, factor.prime);
            if (!next || *next > n) return false;
            product = *next;
        }
    }
    return product == n;
}

TagLayout primePowerLayout(const ColoredPrimeFactor& factor) {
    const TagLayout prime = integerLayout(factor.prime, factor.color);
    if (factor.exponent == 1) return prime;
    return joinLayouts("^", prime, integerLayout(factor.exponent, factor.color), factor.color);
}

}  // namespace

std::optional<std::vector<PrimeFactor>> primeFactorization(std::int64_t n) {
    if (n <= 1) return std::nullopt;
    return factorsOf(n);
}

std::optional<PrimeFactorCounts> primeFactorizationCounts(std::int64_t n, std::int64_t k) {
    if (n <= 1 || k == 0) return std::nullopt;
    PrimeFactorCounts counts{factorsOf(n)};
    for (const PrimeFactor& factor : counts.factors) {
        ++counts.distinct;
        if (factor.exponent >= k) ++counts.atLeastK;
        if (factor.exponent % k == 0) ++counts.divisibleByK;
    }
    return counts;
}

std::vector<PrimeTreeRow> primeTreePairs(std::int64_t n, const std::vector<PrimeFactor>& factors, bool alternate) {
    if (!isFactorizationOf(n, factors)) return {};
    std::vector<PrimeTreeRow> rows{{{1, Color::clear}, {n, Color::black}}};
    std::int64_t m = n;
    bool toggle = true;
    for (const PrimeFactor& factor : factors) {
        const Color color = !alternate ? Color::black : toggle ? Color::red : Color::blue;
        for (std::int64_t e = 0; e < factor.exponent; ++e) {
            m /= factor.prime;
            rows.push_back({{factor.prime, color}, {m, Color::black}});
        }
        toggle = !toggle;
    }
    // The last quotient is 1: its prime is the quotient of the row above.
    rows[rows.size() - 2].quotient.color = rows.back().divisor.color;
    rows.pop_back();
    return rows;
}

TagLayout coloredFactorsLayout(const std::vector<ColoredPrimeFactor>& factors) {
    if (factors.empty()) return {};
    TagLayout layout = primePowerLayout(factors.front());
    for (std::size_t i = 1; i < factors.size(); ++i) {
        layout = joinLayouts("\u2219", layout, primePowerLayout(factors[i]), Color::black);
    }
    return layout;
}

TagLayout factorizationLayout(const std::vector<PrimeFactor>& factors, Color color) {
    return alternatingFactorizationLayout(factors, color, color);
}

TagLayout alternatingFactorizationLayout(const std::vector<PrimeFactor>& factors, Color first, Color second) {
    std::vector<ColoredPrimeFactor> colored;
    colored.reserve(factors.size());
    for (std::size_t i = 0; i < factors.size(); ++i) {
        colored.push_back({factors[i].prime, factors[i].exponent, i % 2 == 0 ? first : second});
    }
    return coloredFactorsLayout(colored);
}

}  // namespace duolinear

// Prime factorisations, their counts, factor-tree rows and layouts.

#include <gtest/gtest.h>

#include "algebra/RandomSource.h"
#include "layout_extensions/PrimeFactorization.h"

namespace duolinear {
namespace {

using Factors = std::vector<PrimeFactor>;

TEST(PrimeFactorization, EdgeCases) {
    const std::pair<std::int64_t, std::optional<Factors>> cases[] = {
        {0, std::nullopt},
        {-12, std::nullopt},
        {1, std::nullopt},
        {2, Factors{{2, 1}}},
        {360, Factors{{2, 3}, {3, 2}, {5, 1}}},
        {999999999989, Factors{{999999999989, 1}}},  // a prime near 10^12
        {std::int64_t{1} << 62, Factors{{2, 62}}},
        {INT64_MAX, Factors{{7, 2}, {73, 1}, {127, 1}, {337, 1}, {92737, 1}, {649657, 1}}},
    };
    for (const auto& [n, factors] : cases) EXPECT_EQ(primeFactorization(n), factors) << n;
    EXPECT_EQ(primeFactorizationCounts(72, 2), (PrimeFactorCounts{{{2, 3}, {3, 2}}, 2, 2, 1}));
    EXPECT_EQ(primeFactorizationCounts(64, 3), (PrimeFactorCounts{{{2, 6}}, 1, 1, 1}));
    EXPECT_FALSE(primeFactorizationCounts(72, 0));
}

// The powers multiply back to n, the primes rise, and each is prime by trial
// division in the test.
TEST(PrimeFactorization, MultipliesBackRandomized) {
    SystemRandomSource random(22);
    const auto isPrime = [](std::int64_t p) {
        for (std::int64_t d = 2; d * d <= p; ++d) {
            if (p % d == 0) return false;
        }
        return p >= 2;
    };
    for (int trial = 0; trial < 2000; ++trial) {
        const std::int64_t n = random.uniformInt(2, trial % 2 == 0 ? 5000 : 2000000000);
        __int128 product = 1;
        std::int64_t previous = 1;
        for (const PrimeFactor& f : primeFactorization(n).value_or(Factors{})) {
            EXPECT_TRUE(f.prime > previous && isPrime(f.prime) && f.exponent >= 1) << n << ": " << f.prime;
            for (std::int64_t e = 0; e < f.exponent; ++e) product *= f.prime;
            previous = f.prime;
        }
        EXPECT_TRUE(product == n) << n;
    }
}

TEST(PrimeTreePairs, RowsAndRefusals) {
    const Color c = Color::clear, k = Color::black, r = Color::red, b = Color::blue;
    using Rows = std::vector<PrimeTreeRow>;
    const std::tuple<const char*, Rows, Rows> cases[] = {
        {"12", primeTreePairs(12, {{2, 2}, {3, 1}}, true), {{{1, c}, {12, k}}, {{2, r}, {6, k}}, {{2, r}, {3, b}}}},
        {"7", primeTreePairs(7, {{7, 1}}, true), {{{1, c}, {7, r}}}},
        {"an exponent 0 turns the colour",
         primeTreePairs(15, {{3, 1}, {4, 0}, {5, 1}}, true),
         {{{1, c}, {15, k}}, {{3, r}, {5, r}}}},
        {"no factors", primeTreePairs(12, {}, true), {}},
        {"a zero prime", primeTreePairs(12, {{0, 1}, {12, 1}}, true), {}},
        {"a negative exponent", primeTreePairs(12, {{2, 3}, {2, -1}, {3, 1}}, true), {}},
        {"no positive exponent", primeTreePairs(1, {{2, 0}}, true), {}},
        {"not the factors of n", primeTreePairs(12, {{5, 1}}, true), {}},
        {"an endless exponent", primeTreePairs(12, {{2, INT64_MAX}}, true), {}},
        {"-1 to a huge power", primeTreePairs(INT64_MIN, {{-1, INT64_MAX}}, true), {}},
    };
    for (const auto& [label, rows, expected] : cases) EXPECT_EQ(rows, expected) << label;
    EXPECT_EQ(primeTreePairs(12, {{2, 2}, {3, 1}}, false).back(), (PrimeTreeRow{{2, k}, {3, k}}));
}

// The kind, value and colour of each row that has them, in row order.
std::vector<std::string> items(const TagLayout& layout) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i + 1 < layout.size(); ++i) {
        if (layout[i][0] == "integer" || layout[i][0] == "join") {
            out.push_back(std::string(layout[i][1]) + " " +
                          std::string(layout[i + (layout[i][0] == "join" ? 2 : 1)][1]));
        }
    }
    return out;
}

TEST(PrimeFactorizationLayouts, PowersJoinedByBullets) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(items(alternatingFactorizationLayout({{2, 3}, {3, 2}, {5, 1}}, Color::red, Color::blue)),
              (Items{"2 red", "3 red", "^ red", "3 blue", "2 blue", "^ blue", "∙ black", "5 red", "∙ black"}));
    const TagLayout bullets = factorizationLayout({{2, 3}, {3, 2}, {5, 1}}, Color::blue);
    EXPECT_EQ(bullets[layoutRootIndex(bullets) + 1], (TagRow{"join_locator", "21", "25"}));  // nested to the left
    EXPECT_EQ(items(factorizationLayout({{97, 1}}, Color::blue)), Items{"97 blue"});
    EXPECT_TRUE(coloredFactorsLayout({}).empty());
}

}  // namespace
}  // namespace duolinear

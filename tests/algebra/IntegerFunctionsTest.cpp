#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/IntegerFunctions.h"

namespace duolinear {
namespace {

constexpr std::int64_t kMax = INT64_MAX;
constexpr std::int64_t kMin = INT64_MIN;
const std::optional<std::int64_t> kNone = std::nullopt;
constexpr std::int64_t kLargestRoot = 3037000499;            // floor(sqrt(kMax))
constexpr std::int64_t kLargestPrime = 9223372036854775783;  // the largest prime below 2^63
constexpr std::int64_t kPrimeNearRoot = 3037000493;          // a prime just below kLargestRoot

TEST(IntegerFunctions, GcdAndLcm) {
    struct Case {
        std::int64_t a, b;
        std::optional<std::int64_t> gcd, lcm;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {0, -7, 7, 0},
        {-12, 18, 6, 36},
        {-4, 6, 2, 12},
        {17, 5, 1, 85},
        {kMax, kMax, kMax, kMax},
        {kMin, 6, 2, kNone},  // the lcm 3 * 2^63 does not fit
        {kMin, 0, kNone, 0},  // the gcd 2^63 does not fit
        {kMin, kMin, kNone, kNone},
        {kMin, kMax, 1, kNone},
        {kLargestRoot, kLargestRoot - 1, 1, kLargestRoot * (kLargestRoot - 1)},
        {std::int64_t{1} << 62, 3, 1, kNone},
        {std::int64_t{1} << 62, -2, 2, std::int64_t{1} << 62},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gcd(c.a, c.b), c.gcd) << c.a << ", " << c.b;
        EXPECT_EQ(gcd(c.b, c.a), c.gcd) << c.b << ", " << c.a;
        EXPECT_EQ(lcm(c.a, c.b), c.lcm) << c.a << ", " << c.b;
        EXPECT_EQ(lcm(c.b, c.a), c.lcm) << c.b << ", " << c.a;
    }
    EXPECT_EQ(gcdOfMagnitudes(std::uint64_t{1} << 63, 0), std::uint64_t{1} << 63);
}

TEST(IntegerFunctions, AbsoluteValuesAndPowers) {
    EXPECT_EQ(intAbs(kMin), kNone);
    EXPECT_EQ(intAbs(-kMax), kMax);

    struct Case {
        std::int64_t base;
        std::uint64_t exponent;
        std::optional<std::int64_t> want;
    };
    const Case cases[] = {
        {0, 0, 1},      {-2, 3, -8},     {-2, 63, kMin},       {2, 63, kNone},     {3, 39, 4052555153018976267},
        {3, 40, kNone}, {10, 19, kNone}, {-1, UINT64_MAX, -1}, {0, UINT64_MAX, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(integerPower(c.base, c.exponent), c.want) << c.base << "^" << c.exponent;

    EXPECT_EQ(powerOfTen(18), 1000000000000000000);
    EXPECT_EQ(powerOfTen(19), kNone);
    EXPECT_EQ(powerOfTen(-1), kNone);
}

TEST(IntegerFunctions, SquareRootsAreExactUpToTheLimit) {
    struct Case {
        std::int64_t n;
        std::optional<std::int64_t> exact, floor;
    };
    const Case cases[] = {
        {0, 0, kNone},
        {1, 1, 1},
        {2, kNone, 1},
        {49, 7, 7},
        {50, kNone, 7},
        {-4, kNone, kNone},
        {kMin, kNone, kNone},
        {kMax, kNone, kLargestRoot},
        {kLargestRoot * kLargestRoot, kLargestRoot, kLargestRoot},
        {kLargestRoot * kLargestRoot - 1, kNone, kLargestRoot - 1},
        {kLargestRoot * kLargestRoot + 1, kNone, kLargestRoot},
        // Squares whose neighbours round to the same double.
        {(std::int64_t{1} << 31) * (std::int64_t{1} << 31), std::int64_t{1} << 31, std::int64_t{1} << 31},
        {(std::int64_t{1} << 62) - 1, kNone, (std::int64_t{1} << 31) - 1},
        {999999999999999999, kNone, 999999999},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exactSquareRoot(c.n), c.exact) << c.n;
        EXPECT_EQ(integerSquareRootFloor(c.n), c.floor) << c.n;
    }
}

TEST(IntegerFunctions, SimplifiedSquareRoots) {
    using Root = SimplifiedSquareRoot;
    struct Case {
        std::int64_t n;
        std::optional<Root> want;
    };
    const Case cases[] = {
        {0, Root{0, 1}},
        {-1, std::nullopt},  // 1 to 3000: see below
        {kMax, Root{7, kMax / 49}},
        {kLargestPrime, Root{1, kLargestPrime}},
        {kPrimeNearRoot * kPrimeNearRoot, Root{kPrimeNearRoot, 1}},
        {2 * 3037000493LL * 1500000001LL, Root{1, 2 * 3037000493LL * 1500000001LL}},
        {std::int64_t{1} << 62, Root{std::int64_t{1} << 31, 1}},
        {std::int64_t{3} << 61, Root{std::int64_t{1} << 30, 6}},
    };
    for (const Case& c : cases) EXPECT_EQ(simplifiedSquareRoot(c.n), c.want) << c.n;
}

// For small n (12, 16 and 1 among them), compare against the definitions walked out by hand.
TEST(IntegerFunctions, DivisorsAndRootsAgreeWithTheirDefinitionsForSmallNumbers) {
    for (std::int64_t n = 1; n <= 3000; ++n) {
        std::vector<std::int64_t> expected;
        for (std::int64_t d = 1; d <= n; ++d) {
            if (n % d == 0) expected.push_back(d);
        }
        ASSERT_EQ(divisors(n), expected) << n;

        std::int64_t k = 1;
        for (std::int64_t j = 1; j * j <= n; ++j) {
            if (n % (j * j) == 0) k = j;
        }
        ASSERT_EQ(simplifiedSquareRoot(n), (SimplifiedSquareRoot{k, n / (k * k)})) << n;
    }
}

TEST(IntegerFunctions, DivisorsOfLargeNumbers) {
    EXPECT_TRUE(divisors(0).empty());
    EXPECT_TRUE(divisors(kMin).empty());

    EXPECT_EQ(divisors(kLargestPrime), (std::vector<std::int64_t>{1, kLargestPrime}));
    EXPECT_EQ(divisors(kPrimeNearRoot * kPrimeNearRoot),
              (std::vector<std::int64_t>{1, kPrimeNearRoot, kPrimeNearRoot * kPrimeNearRoot}));
    EXPECT_EQ(divisors(std::int64_t{1} << 62).size(), 63u);

    // kMax = 7^2 * 73 * 127 * 337 * 92737 * 649657: 3 * 2^5 divisors, paired d and kMax / d.
    const std::vector<std::int64_t> all = divisors(kMax);
    ASSERT_EQ(all.size(), 96u);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(kMax % all[i], 0) << all[i];
        EXPECT_EQ(all[i] * all[all.size() - 1 - i], kMax) << all[i];
    }
}

TEST(IntegerFunctions, SignsAndDigitCounts) {
    EXPECT_TRUE(sameSign(0, -3) && sameSign(0, 3) && sameSign(3, 0) && sameSign(-3, 0));
    EXPECT_FALSE(sameSign(-1, 2) || sameSign(1, -1) || sameSign(-1, 1));
    EXPECT_EQ(decimalDigitCount(0), 1);
    EXPECT_EQ(decimalDigitCount(-100), 3);
    EXPECT_EQ(decimalDigitCount(kMin), 19);
}

}  // namespace
}  // namespace duolinear

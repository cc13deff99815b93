#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "algebra/Rational.h"

namespace duolinear {
namespace {

constexpr std::int64_t kMax = INT64_MAX;
constexpr std::int64_t kMin = INT64_MIN;

// "n/d" for a value, "none" for no value: compares the stored parts exactly.
std::string text(const std::optional<Rational>& r) {
    if (!r) return "none";
    return std::to_string(r->numerator) + "/" + std::to_string(r->denominator);
}

TEST(Rational, EqualityByCrossMultiplication) {
    struct Case {
        Rational a, b;
        bool cross, loose, strict;
    };
    const Case cases[] = {
        {{1, 2}, {2, 4}, true, true, false},
        {{-1, 2}, {1, -2}, true, true, false},
        {{1, 2}, {1, 2}, true, true, true},
        {{1, 2}, {1, 3}, false, false, false},
        // Zero denominators: equals() has no guard, rationalEquals() answers false.
        {{0, 0}, {0, 0}, true, false, false},
        {{0, 0}, {7, 3}, true, false, false},
        {{1, 0}, {2, 0}, true, false, false},
        {{1, 0}, {0, 5}, false, false, false},
        // Products beyond 64 bits compare exactly.
        {{kMax, kMax - 1}, {kMax - 1, kMax - 2}, false, false, false},
        {{kMin, 2}, {kMin / 2, 1}, true, true, false},
        {{kMin, kMin}, {kMax, kMax}, true, true, false},
    };
    for (const Case& c : cases) {
        const std::string what = text(c.a) + " vs " + text(c.b);
        EXPECT_EQ(equals(c.a, c.b), c.cross) << what;
        EXPECT_EQ(equals(c.b, c.a), c.cross) << what;
        EXPECT_EQ(rationalEquals(c.a, c.b), c.loose) << what;
        EXPECT_EQ(rationalEquals(c.a, c.b, true), c.strict) << what;
    }
    EXPECT_TRUE(rationalEquals(recoloredRational(Color::red, {1, 2}), Rational{1, 2}, true));  // colours ignored
}

TEST(Rational, OrderWhateverTheDenominatorSigns) {
    struct Case {
        Rational a, b;
        bool less, greater;
    };
    const Case cases[] = {
        {{1, -2}, {1, 3}, true, false},
        {{-1, -2}, {1, 3}, false, true},
        {{2, 4}, {1, 2}, false, false},
        {{-3, 4}, {-2, 3}, true, false},
        {{1, 2}, {1, 0}, false, false},
        {{1, 0}, {1, 2}, false, false},
        {{kMax - 1, kMax}, {kMax - 2, kMax - 1}, false, true},
        {{kMin, kMax}, {kMax, kMin}, true, false},
        {{kMin, -1}, {kMax, 1}, false, true},
    };
    for (const Case& c : cases) {
        const std::string what = text(c.a) + " vs " + text(c.b);
        EXPECT_EQ(c.a < c.b, c.less) << what;
        EXPECT_EQ(c.a > c.b, c.greater) << what;
        EXPECT_EQ(c.a <= c.b, !c.greater) << what;
        EXPECT_EQ(c.a >= c.b, !c.less) << what;
    }
}

TEST(Rational, SignAndKindPredicates) {
    struct Case {
        Rational r;
        std::optional<bool> negative, positive;
        bool integerReduced, integerStored, square;
    };
    const Case cases[] = {
        {{6, -4}, true, false, false, false, false},
        {{-3, -4}, false, true, false, false, false},
        {{0, -5}, false, false, true, false, true},
        {{-6, -3}, false, true, true, false, false},
        {{7, 1}, false, true, true, true, false},
        {{8, 18}, false, true, false, false, true},
        {{2, 9}, false, true, false, false, false},
        {{-4, 9}, true, false, false, false, false},
        {{1, 0}, std::nullopt, std::nullopt, false, false, false},
        {{3037000499LL * 3037000499LL, 1}, false, true, true, true, true},
        // In lowest terms this needs the denominator 2^63: no integer, no square.
        {{1, kMin}, true, false, false, false, false},
        {{kMin, kMin}, false, true, true, false, true},
        // 2^63: an integer, although it has no 64-bit form; not a square.
        {{kMin, -1}, false, true, true, false, false},
        {{kMin, 1}, true, false, true, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rationalSignClass(c.r), c.negative) << text(c.r);
        EXPECT_EQ(rationalIsPositive(c.r), c.positive) << text(c.r);
        EXPECT_EQ(rationalIsInteger(true, c.r), c.integerReduced) << text(c.r);
        EXPECT_EQ(rationalIsInteger(false, c.r), c.integerStored) << text(c.r);
        EXPECT_EQ(rationalIsPerfectSquare(c.r), c.square) << text(c.r);
    }
}

TEST(Rational, NormalForms) {
    struct Case {
        Rational r;
        const char* reduced;
        const char* negated;
        const char* negReciprocal;
    };
    const Case cases[] = {
        {{6, -4}, "-3/2", "3/2", "2/3"},
        {{0, -5}, "0/1", "0/1", "none"},
        {{0, 0}, "none", "none", "none"},
        {{-4, -6}, "2/3", "-2/3", "-3/2"},
        {{4, -6}, "-2/3", "2/3", "3/2"},
        {{5, 1}, "5/1", "-5/1", "-1/5"},
        {{1, -3}, "-1/3", "1/3", "3/1"},
        // The least value: exact where the result fits (2^63 never does).
        {{kMin, 1}, "-9223372036854775808/1", "none", "none"},
        {{kMin, -1}, "none", "-9223372036854775808/1", "none"},
        {{kMin, 2}, "-4611686018427387904/1", "4611686018427387904/1", "1/4611686018427387904"},
        {{kMin, kMin}, "1/1", "-1/1", "-1/1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(reducedRational(c.r)), c.reduced) << text(c.r);
        EXPECT_EQ(text(negatedRational(c.r)), c.negated) << text(c.r);
        EXPECT_EQ(text(negativeReciprocal(c.r)), c.negReciprocal) << text(c.r);
    }
}

TEST(Rational, ProductsAndQuotients) {
    struct Case {
        Rational a, b;
        const char *product, *productRaw, *quotient, *quotientRaw;
    };
    const Case cases[] = {
        {{2, 3}, {3, -4}, "-1/2", "-6/12", "-8/9", "-8/9"},
        {{3, 4}, {-3, 8}, "-9/32", "-9/32", "-2/1", "-24/12"},
        {{1, 2}, {0, 3}, "0/1", "0/6", "none", "none"},
        {{1, 0}, {2, 3}, "none", "none", "none", "none"},
        {{0, 5}, {7, 0}, "none", "none", "none", "none"},  // numerators multiply to 0, denominators too
        {{kMax, 1}, {1, 2}, "9223372036854775807/2", "9223372036854775807/2", "none", "none"},
        {{kMin, 1}, {1, -1}, "none", "none", "none", "none"},  // moving the sign of the least value
        // Reduced products cross-reduce first: only a result that does not fit
        // fails; the plain products are the parts themselves.
        {{kMax, 3}, {3, kMax}, "1/1", "none", "none", "none"},
        {{kMin, 2}, {1, -1}, "4611686018427387904/1", "none", "4611686018427387904/1", "none"},
    };
    for (const Case& c : cases) {
        const std::string what = text(c.a) + " and " + text(c.b);
        EXPECT_EQ(text(rationalProduct(c.a, c.b)), c.product) << what;
        EXPECT_EQ(text(rationalProduct(c.a, c.b, false)), c.productRaw) << what;
        EXPECT_EQ(text(rationalQuotient(c.a, c.b)), c.quotient) << what;
        EXPECT_EQ(text(rationalQuotient(c.a, c.b, false)), c.quotientRaw) << what;
    }
}

TEST(Rational, SumsAndDifferences) {
    struct Case {
        Rational a, b;
        const char *sum, *difference;
    };
    const Case cases[] = {
        {{1, 2}, {-1, 2}, "0/1", "1/1"},
        {{1, 6}, {1, 3}, "1/2", "-1/6"},
        {{1, 3}, {1, 3}, "2/3", "0/1"},
        {{1, -2}, {1, -3}, "-5/6", "-1/6"},
        {{1, 0}, {1, 2}, "none", "none"},
        {{1, 2}, {0, 0}, "none", "none"},
        {{kMax, 1}, {1, 1}, "none", "9223372036854775806/1"},
        {{kMin, 1}, {1, 1}, "-9223372036854775807/1", "none"},
        {{kMin, 1}, {kMin, 1}, "none", "0/1"},
        {{kMin, -1}, {-1, 1}, "9223372036854775807/1", "none"},  // 2^63 stored, the sum fits
        {{1, kMax}, {1, kMax - 1}, "none", "none"},
        // Over the least common denominator: only the result has to fit.
        {{1, 3298534883328}, {1, 5497558138880}, "1/2061584302080", "1/8246337208320"},  // 3·2^40, 5·2^40
        {{kMax, kMax - 1}, {1, kMax - 1}, "4611686018427387904/4611686018427387903", "1/1"},
    };
    for (const Case& c : cases) {
        const std::string what = text(c.a) + " and " + text(c.b);
        EXPECT_EQ(text(rationalSum(c.a, c.b)), c.sum) << what;
        EXPECT_EQ(text(rationalDifference(c.a, c.b)), c.difference) << what;
    }
}

// The exact result n/d (d not 0) worked out here in 128 bits: lowest terms,
// positive denominator, "none" when a part leaves 64 bits.
using Wide = __int128;

Wide wideGcd(Wide a, Wide b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

std::string exact(Wide n, Wide d) {
    if (d < 0) n = -n, d = -d;
    const Wide g = wideGcd(n, d);
    n /= g, d /= g;
    if (n < kMin || n > kMax || d > kMax) return "none";
    return std::to_string(static_cast<std::int64_t>(n)) + "/" + std::to_string(static_cast<std::int64_t>(d));
}

// Parts near the limits, small parts and parts with large common factors, so
// that sums need the least common denominator and products cross-reduce.
TEST(Rational, ArithmeticAgreesWithExactWideResults) {
    std::mt19937_64 engine(20261207);
    auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    auto part = [&](bool nonzero) -> std::int64_t {
        std::int64_t v = 0;
        switch (pick(0, 4)) {
            case 0:
                v = pick(kMin, kMax);
                break;
            case 1:
                v = pick(0, 1) ? kMax - pick(0, 3) : kMin + pick(0, 3);
                break;
            case 2:
                v = pick(-30, 30);
                break;
            case 3:
                v = pick(-3, 3) * (std::int64_t{1} << pick(40, 61));
                break;
            default:
                v = pick(-2000000, 2000000) * pick(-4000000000, 4000000000);
                break;
        }
        return v == 0 && nonzero ? 1 : v;
    };
    int fitting = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const Rational a{part(false), part(true)}, b{part(false), part(true)};
        const Wide an = a.numerator, ad = a.denominator, bn = b.numerator, bd = b.denominator;
        const std::string what = text(a) + " and " + text(b);
        Wide sum = 0, difference = 0;
        // Both cross products at 2^126 is the one case beyond 127 bits.
        if (!__builtin_add_overflow(an * bd, bn * ad, &sum)) {
            EXPECT_EQ(text(rationalSum(a, b)), exact(sum, ad * bd)) << what;
            fitting += text(rationalSum(a, b)) != "none";
        }
        if (!__builtin_sub_overflow(an * bd, bn * ad, &difference)) {
            EXPECT_EQ(text(rationalDifference(a, b)), exact(difference, ad * bd)) << what;
        }
        EXPECT_EQ(text(rationalProduct(a, b)), exact(an * bn, ad * bd)) << what;
        if (bn != 0) {
            EXPECT_EQ(text(rationalQuotient(a, b)), exact(an * bd, ad * bn)) << what;
        }
        // Unreduced: the plain products, the sign moved into the numerator.
        const Wide sign = ad * bd < 0 ? -1 : 1, rawN = an * bn * sign, rawD = ad * bd * sign;
        const bool rawFits = rawN >= kMin && rawN <= kMax && rawD <= kMax;
        EXPECT_EQ(text(rationalProduct(a, b, false)), rawFits ? std::to_string(static_cast<std::int64_t>(rawN)) + "/" +
                                                                    std::to_string(static_cast<std::int64_t>(rawD))
                                                              : "none")
            << what;
    }
    EXPECT_GT(fitting, 2000);  // the draws reach both outcomes
}

TEST(Rational, SumOfList) {
    EXPECT_EQ(text(sumOfRationals({})), "0/1");
    EXPECT_EQ(text(sumOfRationals({{1, 2}, {1, 3}, {1, 6}})), "1/1");
    EXPECT_EQ(text(sumOfRationals({{1, 2}, {1, 0}, {1, 3}})), "none");
    // A running sum that overflows fails even if a later term would bring it back.
    EXPECT_EQ(text(sumOfRationals({{kMax, 1}, {1, 1}, {-1, 1}})), "none");
    EXPECT_EQ(text(sumOfRationals({{kMax, 1}, {-1, 1}, {1, 1}})), "9223372036854775807/1");
}

TEST(Rational, ResultsAreBlackAndRecolouringKeepsTheValue) {
    const Rational red = recoloredRational(Color::red, {2, 4});
    EXPECT_EQ(red.numerator, 2);
    EXPECT_EQ(red.denominator, 4);
    const Rational blue = recoloredRational(Color::blue, {3, 5});
    for (const std::optional<Rational>& r :
         {reducedRational(red), negatedRational(red), negativeReciprocal(red), rationalProduct(red, blue),
          rationalProduct(red, blue, false), rationalQuotient(red, blue), rationalSum(red, blue),
          rationalDifference(red, blue), std::optional<Rational>(rationalInBlack(red))}) {
        ASSERT_TRUE(r);
        EXPECT_EQ(r->numerator_color, Color::black);
        EXPECT_EQ(r->denominator_color, Color::black);
        EXPECT_EQ(r->bar_color, Color::black);
    }
}

TEST(RationalFromDecimalText, PlainNumeralsStayUnreduced) {
    struct Case {
        const char* input;
        const char* want;
    };
    const Case cases[] = {
        {"2.50", "25/10"},
        {"-0.125", "-125/1000"},
        {"3.000", "3/1"},
        {"100.00", "100/1"},
        {"10.10", "101/10"},
        {"0.0", "0/1"},
        {"7", "7/1"},
        {"-12", "-12/1"},
        {"+5", "5/1"},
        {".5", "5/10"},
        {"5.", "5/1"},
        {"-.25", "-25/100"},
        {"007", "7/1"},
        {"-9223372036854775808", "-9223372036854775808/1"},
        {"0.000000000000000001", "1/1000000000000000000"},  // 18 places: 10^18 still fits
    };
    for (const Case& c : cases) EXPECT_EQ(text(rationalFromDecimalText(c.input)), c.want) << c.input;
}

TEST(RationalFromDecimalText, NoNumberGivesZeroAndOtherFormsGiveNoValue) {
    for (const char* input : {"", "abc", ".", "-", "+", "1.2.3", " 1", "1 ", "1,5", "--1", "+-1", "1e", "0x", "0x1g",
                              "½", "−3" /* U+2212 is not a minus sign here */}) {
        EXPECT_EQ(text(rationalFromDecimalText(input)), "0/1") << input;
    }
    for (const char* input :
         {"1e3", "1.5e3", "-2E-2", "inf", "-Infinity", "nan", "0x1p3", "0x10", "1e400", "9223372036854775808",
          "12345678901234567890.5", "0.0000000000000000001" /* 19 places: 10^19 does not fit */}) {
        EXPECT_EQ(text(rationalFromDecimalText(input)), "none") << input;
    }
}

}  // namespace
}  // namespace duolinear

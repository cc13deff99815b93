#include <cstdint>
#include <optional>
#include <string>

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
        // An intermediate product that overflows counts, even where the reduced value would fit.
        {{kMax, 3}, {3, kMax}, "none", "none", "none", "none"},
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
        {{kMin, 1}, {kMin, 1}, "none", "none"},  // negating the least subtrahend overflows
        {{1, kMax}, {1, kMax - 1}, "none", "none"},
    };
    for (const Case& c : cases) {
        const std::string what = text(c.a) + " and " + text(c.b);
        EXPECT_EQ(text(rationalSum(c.a, c.b)), c.sum) << what;
        EXPECT_EQ(text(rationalDifference(c.a, c.b)), c.difference) << what;
    }
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

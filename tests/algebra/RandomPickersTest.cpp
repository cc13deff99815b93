#include <limits>
#include <set>

#include <gtest/gtest.h>

#include "algebra/IntegerFunctions.h"
#include "algebra/RandomPickers.h"
#include "support/ConstantRandom.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using testing::ScopedDefaultRandom;
using testing::ScriptedRandom;
using Request = ScriptedRandom::Request;
using Kind = ScriptedRandom::Kind;

constexpr ClosedIntRange kDigits{-9, 9};

TEST(RandomPickers, SingleDrawsAgainWhileExcluded) {
    ScriptedRandom random{0, 0, -7};
    EXPECT_EQ(randomIntText(kDigits, {0}, random), "-7");
    EXPECT_EQ(random.requests(), (std::vector<Request>(3, Request{Kind::integer, -9, 9})));

    ScriptedRandom last{2, 3};  // one value left
    EXPECT_EQ(randomIntNotIn({1, 3}, {1, 2}, last), 3);

    ScriptedRandom wide{INT64_MIN};
    EXPECT_EQ(randomIntNotIn({INT64_MIN, INT64_MAX}, {0}, wide), INT64_MIN);
}

TEST(RandomPickers, SingleGivesNoValueWhenEveryValueIsExcluded) {
    struct Case {
        ClosedIntRange range;
        std::vector<std::int64_t> excluded;
    };
    const Case cases[] = {
        {{3, 3}, {3}},
        {{1, 3}, {3, 1, 2, 2}},
        {{5, 1}, {}},  // an empty range
        {{INT64_MIN, INT64_MIN + 1}, {INT64_MIN + 1, INT64_MIN}},
    };
    for (const Case& c : cases) {
        ScriptedRandom random;  // any draw would fail the test
        EXPECT_EQ(randomIntNotIn(c.range, c.excluded, random), std::nullopt) << c.range.low << ".." << c.range.high;
        EXPECT_EQ(randomIntText(c.range, c.excluded, random), std::nullopt);
        EXPECT_TRUE(random.requests().empty());
    }
}

TEST(RandomPickers, ABrokenSourceThatOnlyGivesRejectedValuesEndsTheDraw) {
    // A draw that passes with probability p gets 64/p attempts: a fair source
    // fails them all with odds below e^−64.
    testing::ConstantRandom zero(0);
    EXPECT_EQ(randomIntText(kDigits, {0}, zero), std::nullopt);
    EXPECT_EQ(zero.requestCount(), 68u);                                                  // p = 18/19
    EXPECT_EQ(randomIntPair(kDigits, {}, kDigits, {}, false, true, zero), std::nullopt);  // never distinct
    EXPECT_EQ(zero.requestCount(), 68u + 2 * 68u);  // p = 19·18/19², two draws an attempt
    // A fair source gets through however small p: one value in 400, one pair in 10000.
    std::vector<std::int64_t> allBut7;
    for (std::int64_t v = 0; v < 400; ++v) {
        if (v != 7) allBut7.push_back(v);
    }
    SystemRandomSource fair(3);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(randomIntNotIn({0, 399}, allBut7, fair), 7);
        EXPECT_EQ(randomIntPairValues({0, 99}, allBut7, {0, 99}, allBut7, false, false, fair), (IntPair{7, 7}));
    }
    // An answer outside the range asked for ends the draw at once.
    for (std::int64_t outside : {std::int64_t{10}, std::int64_t{-10}, std::numeric_limits<std::int64_t>::min()}) {
        testing::ConstantRandom broken(outside);
        EXPECT_EQ(randomIntNotIn(kDigits, {}, broken), std::nullopt) << outside;
        EXPECT_EQ(randomIntPairValues(kDigits, {}, {-20, 20}, {}, false, true, broken), std::nullopt) << outside;
        EXPECT_EQ(broken.requestCount(), 3u) << outside;  // one single draw, one pair
    }
}

TEST(RandomPickers, PairsAreDrawnAgainTogether) {
    // (0, 3) excluded first, (5, 5) not distinct, (4, 6) not coprime, then (4, -9).
    ScriptedRandom random{0, 3, 5, 5, 4, 6, 4, -9};
    EXPECT_EQ(randomIntPair({0, 9}, {0}, kDigits, {0}, true, true, random), (IntTextPair{"4", "-9"}));
    ASSERT_EQ(random.requests().size(), 8u);
    for (std::size_t i = 0; i < 8; i += 2) {
        EXPECT_EQ(random.requests()[i], (Request{Kind::integer, 0, 9}));
        EXPECT_EQ(random.requests()[i + 1], (Request{Kind::integer, -9, 9}));
    }
}

TEST(RandomPickers, ZerosPassTheCoprimeTestOnlyForTexts) {
    ScriptedRandom texts{0, 4};
    EXPECT_EQ(randomIntPair({0, 9}, {}, {0, 9}, {}, true, true, texts), (IntTextPair{"0", "4"}));

    ScriptedRandom values{0, 4, 0, 5, 6, 0, 0, 1};
    EXPECT_EQ(randomIntPairValues({0, 9}, {}, {0, 9}, {}, true, true, values), (IntPair{0, 1}));
    EXPECT_EQ(values.remaining(), 0u);

    ScriptedRandom equal{3, 3};
    EXPECT_EQ(randomIntPairValues({3, 3}, {}, {3, 3}, {}, false, false, equal), (IntPair{3, 3}));
}

TEST(RandomPickers, PairsGiveNoValueWhenNoPairIsAcceptable) {
    struct Case {
        ClosedIntRange first, second;
        std::vector<std::int64_t> firstExcluded;
        bool coprime, distinct;
        bool textPossible, valuePossible;
    };
    const Case cases[] = {
        {{2, 2}, {4, 4}, {}, true, false, false, false},  // gcd 2
        {{0, 0}, {6, 6}, {}, true, true, true, false},    // zero passes only the text test
        {{0, 0}, {0, 0}, {}, true, false, true, false},   // gcd(0, 0) = 0
        {{0, 0}, {0, 0}, {}, true, true, false, false},   // not distinct
        {{1, 3}, {1, 3}, {1, 2, 3}, false, false, false, false},
        {{4, 2}, {1, 3}, {}, false, false, false, false},  // an empty range
        {{7, 7}, {7, 7}, {}, false, true, false, false},
        {{-4, 4}, {2, 2}, {-3, -1, 1, 3}, true, true, true, false},  // only (0, 2) is left
    };
    for (const Case& c : cases) {
        // Impossible cases must decide without drawing: a scripted source with
        // no values fails the test on any draw.
        ScriptedRandom noDraws;
        SystemRandomSource system;
        RandomSource& forText = c.textPossible ? static_cast<RandomSource&>(system) : noDraws;
        RandomSource& forValue = c.valuePossible ? static_cast<RandomSource&>(system) : noDraws;
        const auto text = randomIntPair(c.first, c.firstExcluded, c.second, {}, c.coprime, c.distinct, forText);
        const auto value = randomIntPairValues(c.first, c.firstExcluded, c.second, {}, c.coprime, c.distinct, forValue);
        EXPECT_EQ(text.has_value(), c.textPossible) << c.first.low << ".." << c.first.high;
        EXPECT_EQ(value.has_value(), c.valuePossible) << c.first.low << ".." << c.first.high;
        EXPECT_TRUE(noDraws.requests().empty());
    }
}

TEST(RandomPickers, LargeRangesDraw) {
    ScriptedRandom random{6, 4, 3, 4};
    EXPECT_EQ(randomIntPairValues({INT64_MIN, INT64_MAX}, {0}, {INT64_MIN, INT64_MAX}, {0}, true, true, random),
              (IntPair{3, 4}));
}

TEST(RandomPickers, SystemDrawsKeepTheRulesAndReachEveryValue) {
    std::set<std::int64_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const std::optional<IntPair> pair = randomIntPairValues({1, 9}, {0}, kDigits, {0}, true, true);
        ASSERT_TRUE(pair);
        const auto [a, b] = *pair;
        EXPECT_TRUE(a >= 1 && a <= 9 && b >= -9 && b <= 9 && b != 0 && a != b && gcd(a, b) == 1) << a << ", " << b;
        seen.insert(b);
    }
    EXPECT_EQ(seen.size(), 18u);  // every allowed second value turns up

    SystemRandomSource source;
    std::set<std::int64_t> ints;
    for (int i = 0; i < 500; ++i) ints.insert(source.uniformInt(-2, 2));
    EXPECT_EQ(ints, (std::set<std::int64_t>{-2, -1, 0, 1, 2}));
    EXPECT_EQ(source.uniformInt(INT64_MAX, INT64_MAX), INT64_MAX);
    EXPECT_EQ(source.uniformIndex(1), 0u);
}

TEST(RandomSource, DefaultSourceCanBeReplacedAndRestored) {
    RandomSource* system = &defaultRandomSource();
    {
        ScriptedRandom random{8};
        ScopedDefaultRandom installed(random);
        EXPECT_EQ(&defaultRandomSource(), &random);
        EXPECT_EQ(randomIntText(kDigits, {0}), "8");
    }
    EXPECT_EQ(&defaultRandomSource(), system);
    ScriptedRandom other;
    setDefaultRandomSource(&other);
    setDefaultRandomSource(nullptr);
    EXPECT_EQ(&defaultRandomSource(), system);
}

}  // namespace
}  // namespace duolinear

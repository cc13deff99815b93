#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "linear_steps/ExtendedEquationOps.h"
#include "linear_steps/ExtendedPolynomialOps.h"
#include "support/ExtendedBuilders.h"

namespace duolinear {
namespace {

using namespace testing;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// What a rewrite gave, read: the side after it, "nothing" or "failed".
std::string readRewrite(const Outcome<ExtSidePair>& r) {
    return r.failed ? "failed" : r.applies() ? readGroups(r.value->after) : "nothing";
}
std::string readRewrite(const Outcome<Ext_polynomial>& r) {
    return r.failed ? "failed" : r.applies() ? readGroups(*r.value) : "nothing";
}
std::string readRewrite(const std::optional<Ext_polynomial>& r) {
    return r ? readGroups(*r) : "nothing";
}

struct RewriteCase {
    const char* name;
    std::function<std::string(const Ext_polynomial&)> rewrite;
    Ext_polynomial input;
    std::string expected;
};

const auto distribute = [](const Ext_polynomial& s) { return readRewrite(distributeFirstBracket(false, s)); };
const auto absorb = [](const Ext_polynomial& s) { return readRewrite(absorbSingleTermGroups(s)); };
const auto unwrap = [](const Ext_polynomial& s) { return readRewrite(unwrapUnitBracket(s)); };
const auto reduce = [](const Ext_polynomial& s) { return readRewrite(reduceExtCoefficients(s)); };
const auto combineSimple = [](const Ext_polynomial& s) { return readRewrite(combineExtLikeTerms(true, s)); };
const auto combineAll = [](const Ext_polynomial& s) { return readRewrite(combineExtLikeTerms(false, s)); };
const auto prune = [](const Ext_polynomial& s) { return readGroups(pruneExtSide(true, s)); };

TEST(ExtendedPolynomialOps, RewritesOneSide) {
    const std::vector<RewriteCase> cases{
        {"distribute 2(x + 3)", distribute, side({{x(1), c(3)}, {times(2, 0)}}), "[[0], [2x, 6]]"},
        {"distribute innermost first", distribute, side({{x(1), c(1)}, {x(3), times(4, 0)}, {times(2, 1)}}),
         "[[0], [3x, 4x, 4], [2·(1)]]"},
        {"distribute reduces", distribute, side({{x(3, 4), c(1, -2)}, {c(1), times(2, 0, 3)}}),
         "[[0], [1, 1/2x, -1/3]]"},
        {"distribute none", distribute, side({{x(2), c(1)}}), "nothing"},
        {"distribute overflow", distribute, side({{x(kMax)}, {times(2, 0)}}), "failed"},
        {"distribute -2^63/-2^63: no 64-bit gcd", distribute, side({{x(kMin)}, {times(1, 0, kMin)}}), "failed"},
        {"absorb 3(5)", absorb, side({{c(5)}, {x(1), times(3, 0)}}), "[[0], [x, 15]]"},
        {"absorb repeats", absorb, side({{c(5)}, {c(4)}, {times(3, 0), times(1, 1, 2)}}), "[[0], [0], [15, 2]]"},
        {"absorb overflow", absorb, side({{c(kMax)}, {times(2, 0)}}), "failed"},
        {"absorb leaves 3(5x)", absorb, side({{x(5)}, {times(3, 0)}}), "nothing"},
        {"absorb leaves x(5)", absorb, side({{c(5)}, {[] {
                                                 Term t = x(1);
                                                 t.sub_exp = {true, 0};
                                                 return t;
                                             }()}}),
         "nothing"},
        {"absorb leaves a bracket of a bracket", absorb, side({{x(1), c(1)}, {times(2, 0)}, {times(3, 1)}}), "nothing"},
        {"unwrap 1(x + 2)", unwrap, side({{x(1), c(2)}, {c(4), times(1, 0)}}), "[[0], [4, x, 2]]"},
        {"unwrap 2/2(x + 2)", unwrap, side({{x(1), c(2)}, {times(2, 0, 2)}}), "[[0], [x, 2]]"},
        {"unwrap leaves -1(x + 2)", unwrap, side({{x(1), c(2)}, {times(-1, 0)}}), "nothing"},
        {"reduce 4/-6 x", reduce, side({{x(4, -6), c(0, 5)}}), "[[-2/3x, 0]]"},
        {"reduce opens a bracket that became 1", reduce, side({{x(1), c(2)}, {times(3, 0, 3)}}), "[[0], [x, 2]]"},
        {"reduce n/0 to 1/0", reduce, side({{c(-5, 0)}}), "[[-1/0]]"},
        {"reduce in lowest terms", reduce, side({{x(2, 3), c(1, 0)}}), "nothing"},
        {"combine simple", combineSimple, side({{c(1)}, {x(2), x(3), times(3, 0), c(5)}}), "[[1], [5x, 3·(0), 5]]"},
        {"combine simple leaves fractions", combineSimple, side({{x(1, 2), x(3)}}), "nothing"},
        {"combine all adds fractions", combineAll, side({{x(1, 2), x(3)}}), "[[7/2x]]"},
        {"combine to a constant", combineSimple, side({{x(2), x(-2), c(1)}}), "[[1]]"},
        {"combine to nothing", combineSimple, side({{x(1), x(-1)}}), "[[0]]"},
        {"combine overflow", combineSimple, side({{c(kMax), c(1)}}), "failed"},
        {"prune a bracket of 0", prune, side({{c(0)}, {times(2, 0), c(4)}}), "[[0], [4]]"},
        {"prune to the zero term", prune, side({{c(0)}, {times(2, 0)}}), "[[0], [0]]"},
        {"prune in passes", prune, side({{x(0)}, {times(2, 0)}, {x(1), times(3, 1)}}), "[[0], [0], [x]]"},
    };
    for (const RewriteCase& test : cases) EXPECT_EQ(test.rewrite(test.input), test.expected) << test.name;
}

TEST(ExtendedPolynomialOps, DistributingMarksTheMultiplierItsGroupAndTheProducts) {
    const Outcome<ExtSidePair> r = distributeFirstBracket(true, side({{x(1), c(3)}, {times(2, 0), c(1)}}));
    ASSERT_TRUE(r.applies());
    EXPECT_EQ(readGroups(r.value->before), "[[*x*, *3*], [*2·(0)*, 1]]");
    EXPECT_EQ(readGroups(r.value->after), "[[0], [*2x*, *6*, 1]]");
    EXPECT_EQ(r.value->before.terms[0][0].sub_exp_parenthesis_color, Color::black);
}

TEST(ExtendedPolynomialOps, ClearingPieces) {
    EXPECT_EQ(denominatorLcmStep(4, c(1, -6)), 12);
    EXPECT_EQ(denominatorLcmStep(kMax, c(1, 2)), std::nullopt);
    EXPECT_EQ(readTerm(*clearedTerm(times(5, 0, -2), 6)), "-15·(0)");
    EXPECT_EQ(clearedTerm(c(kMax, 2), 4), std::nullopt);
    const Term marked = markedDenominatorTerm(x(1, 2), true);
    EXPECT_EQ(marked.monomial.coefficient.denominator_color, Color::red);
    EXPECT_EQ(marked.monomial.coefficient.numerator_color, Color::black);
    EXPECT_EQ(markedDenominatorTerm(x(1, 2), false).monomial.coefficient.denominator_color, Color::black);
}

TEST(ExtendedPolynomialOps, Queries) {
    EXPECT_TRUE(extSideHasZeroDenominator(side({{c(1, 0)}, {c(2)}})));  // in a dead group
    EXPECT_TRUE(extSideHasBrackets(side({{c(1)}, {times(2, 0)}})));
    EXPECT_FALSE(extSideHasBrackets(side({{c(1), times(2, 0)}, {c(2)}})));  // only the top level counts
    EXPECT_FALSE(extSideHasBrackets(side({})));
    EXPECT_TRUE(equals(extSideToPolynomial(side({{x(1), c(3)}, {times(2, 0), c(1)}})),
                       Polynomial{c(2).monomial, c(1).monomial}));
    EXPECT_TRUE(equals(extSideToPolynomial(side({})), Polynomial{}));
    EXPECT_TRUE(isWellFormedExtSide(side({{c(1)}, {times(2, 0)}})));
    EXPECT_FALSE(isWellFormedExtSide(side({})));
    EXPECT_FALSE(isWellFormedExtSide(side({{times(2, 0)}})));                       // names itself
    EXPECT_FALSE(isWellFormedExtSide(side({{c(1)}, {times(2, 0), times(3, 0)}})));  // named twice
    EXPECT_FALSE(isWellFormedExtSide(side({{c(1)}, {times(2, 5)}})));               // names no group

    // Either side failing fails both.
    const Ext_polynomial big = side({{c(kMax)}, {times(2, 0)}}), one = side({{c(1)}});
    EXPECT_TRUE(absorbSingleTermGroupsBothSides(Ext_polyEquation{big, one}).failed);
    EXPECT_TRUE(absorbSingleTermGroupsBothSides(Ext_polyEquation{one, big}).failed);
}

}  // namespace
}  // namespace duolinear

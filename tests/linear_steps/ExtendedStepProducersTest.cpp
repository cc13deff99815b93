#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "linear_steps/ExtendedPolynomialOps.h"
#include "linear_steps/ExtendedStepProducers.h"
#include "support/ExtendedBuilders.h"

namespace duolinear {
namespace {

using namespace testing;

std::string readAfter(const Outcome<ExtEquationPair>& r) {
    return r.failed ? "failed" : r.applies() ? readGroups(r.value->after) : "nothing";
}

TEST(ExtendedStepProducers, SimplifyAndCombineWorkOnEachSide) {
    EXPECT_EQ(readAfter(simplifyStep(extEquation(side({{x(2, 3)}}), side({{c(1, 2)}})))), "nothing");
    EXPECT_EQ(readAfter(simplifyStep(extEquation(side({{x(2, -4)}}), side({{c(0, 5)}})))), "[[-1/2x]] = [[0]]");
    EXPECT_EQ(readAfter(combineSimpleLikeTermsStep(true, extEquation(side({{x(1)}}), side({{c(1), c(2)}})))),
              "[[x]] = [[3]]");
    EXPECT_EQ(
        readAfter(simplifyStep(extEquation(side({{c(std::numeric_limits<std::int64_t>::min(), -1)}}), side({{c(1)}})))),
        "failed");
}

TEST(ExtendedStepProducers, DistributesTheLeftSideFirst) {
    Ext_polyEquation e = extEquation(side({{x(1), c(1)}, {times(2, 0)}}), side({{x(1)}, {times(3, 0)}}));
    const Outcome<ExtEquationPair> first = distributeStep(false, e);
    EXPECT_EQ(readAfter(first), "[[0], [2x, 2]] = [[x], [3·(0)]]");
    EXPECT_EQ(readAfter(distributeStep(false, first.value->after)), "[[0], [2x, 2]] = [[0], [3x]]");
    EXPECT_EQ(readAfter(distributeStep(false, extEquation(side({{x(1)}}), side({{c(1)}})))), "nothing");
}

TEST(ExtendedStepProducers, ClearsTopLevelFractions) {
    // 5/2 + 1/3·(x + 1/7) = 1/-3: the 7 sits inside a bracket and does not count.
    const Ext_polyEquation e =
        extEquation(side({{x(1), c(1, 7)}, {c(5, 2), times(1, 0, 3)}}), side({{c(1, -3)}}), Relation::less_than);
    const Outcome<ClearedFractions> r = clearFractionsStep(true, e);
    ASSERT_TRUE(r.applies());
    EXPECT_EQ(r.value->factor, 6);
    EXPECT_EQ(readExt(r.value->first), "*[5/2]* + *[1/3]*(x + [1/7]) < *-[1/3]*");
    EXPECT_EQ(readExt(r.value->second), "*6*([5/2] + [1/3](x + [1/7])) < *6*(-[1/3])");
    EXPECT_EQ(readGroups(r.value->third), "[[x, 1/7], [15, 2·(0)]] < [[-2]]");
    EXPECT_EQ(r.value->first.relation_color, Color::black);

    const Outcome<ClearedFractions> quiet = clearFractionsStep(false, e);
    EXPECT_EQ(readExt(quiet.value->first) + " " + readExt(quiet.value->second),
              "[5/2] + [1/3](x + [1/7]) < -[1/3] 6([5/2] + [1/3](x + [1/7])) < 6(-[1/3])");
    // 1/2·(x) = 1 becomes 1·(x) = 2, whose unit bracket is opened at once.
    EXPECT_EQ(
        readGroups(
            clearFractionsStep(false, extEquation(side({{x(1)}, {times(1, 0, 2)}}), side({{c(1)}}))).value->third),
        "[[0], [x]] = [[2]]");
    EXPECT_FALSE(clearFractionsStep(true, extEquation(side({{x(1, 2)}, {times(2, 0)}}), side({{c(1)}}))).applies());
    // In decimals: 10 to the places shown where every top-level number is
    // written as a decimal; the lcm where one is drawn over a fraction bar.
    const struct {
        Ext_polyEquation e;
        std::int64_t factor;
        std::int64_t lcm;
        bool decimals;
    } inDecimals[] = {
        {extEquation(side({{x(1), c(1)}, {times(2, 0)}}), side({{c(1, 4)}})), 100, 4, true},
        {extEquation(side({{x(1), c(1)}, {times(5, 0, 2)}}), side({{c(3)}})), 2, 2, false},
        {extEquation(side({{x(1), c(1)}, {times(1, 0, 8)}}), side({{x(3, 4)}})), 8, 8, false},
        {extEquation(side({{x(1), c(1)}, {times(1, 0, 10)}}), side({{c(3)}})), 10, 10, false},
    };
    for (const auto& c : inDecimals) {
        const Outcome<ClearedFractions> cleared = clearFractionsStep(false, c.e, true);
        ASSERT_TRUE(cleared.applies()) << readExt(c.e);
        EXPECT_EQ(cleared.value->factor, c.factor) << readExt(c.e);
        EXPECT_EQ(cleared.value->lcm, c.lcm) << readExt(c.e);
        EXPECT_EQ(cleared.value->decimals, c.decimals) << readExt(c.e);
    }
    // A side without terms is no equation to clear.
    EXPECT_TRUE(clearFractionsStep(true, extEquation(side({{x(1, 2)}}), side({}))).failed);
    EXPECT_TRUE(clearFractionsStep(true, extEquation(side({}), side({{x(1, 2)}}))).failed);
}

TEST(ExtendedStepProducers, RecolouringKeepsTheValues) {
    Ext_polyEquation e = extEquation(side({{x(1), c(3)}, {times(2, 0)}}), side({{c(5)}}), Relation::greater_than);
    const Ext_polyEquation red = recolorExtEquation(Color::red, Color::black, Color::red, e);
    EXPECT_EQ(readExt(red), "*2*(*x* *+* *3*) *>* 5");
    EXPECT_EQ(readGroups(recolorExtEquation(Color::black, Color::black, Color::black, red)), readGroups(e));
    // Coefficients only: letters, brackets and the relation stay black.
    const Ext_polyEquation turned = extEquation(e.RHS, e.LHS, Relation::less_than);
    const Ext_polyEquation marked = recolorExtCoefficients(Color::black, Color::red, turned);
    EXPECT_EQ(readExt(marked), "5 < *2*(x *+* *3*)");  // the sign takes the colour of its term
    EXPECT_EQ(readGroups(recolorExtCoefficients(Color::black, Color::black, marked)), readGroups(turned));
}

}  // namespace
}  // namespace duolinear

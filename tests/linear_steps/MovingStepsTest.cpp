#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "linear_steps/ConstantTermsOpposite.h"
#include "linear_steps/TermEdits.h"
#include "linear_steps/TransposeAdvice.h"
#include "support/EquationBuilders.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using testing::constant;
using testing::equation;
using testing::readEquation;
using testing::readEquations;
using testing::ScriptedRandom;
using testing::xTerm;
using Lines = std::vector<std::string>;

const PolyEquation k2x3_5x7 = equation({xTerm(2), constant(3)}, {xTerm(5), constant(7)});

struct AdviceCase {
    const char* name;
    Technique technique;
    Method method;
    PolyEquation equation;
    Lines shows;
    std::string advice;
};

TEST(TransposeAdvice, CollectsVariableTermsWithoutDrawing) {
    const Technique tr = Technique::transpose;
    const Method std_ = Method::standard;
    const Method smart = Method::smart;
    const AdviceCase cases[] = {
        {"5x + 3 = 2x + 7",
         tr,
         std_,
         equation({xTerm(5), constant(3)}, {xTerm(2), constant(7)}),
         {"5x + 3 = 2x + 7", "5x − 2x + 3 = 7", "3x + 3 = 7"},
         ""},
        {"balance writes both sides",
         Technique::balance,
         smart,
         equation({xTerm(5), constant(3)}, {xTerm(2), constant(7)}),
         {"5x + 3 = 2x + 7", "5x − 2x + 3 = 2x − 2x + 7", "3x + 3 = 7"},
         ""},
        {"standard keeps the left side",
         tr,
         std_,
         k2x3_5x7,
         {"2x + 3 = 5x + 7", "2x − 5x + 3 = 7", "-3x + 3 = 7"},
         "\nconsider taking x-terms\nto the right hand side\nto get (positive)x\n\nor exchange sides"},
        {"no constant on the left",
         tr,
         std_,
         equation({xTerm(3)}, {xTerm(1), constant(4)}),
         {"3x = x + 4", "3x − x = 4", "2x = 4"},
         ""},
        {"no constants: the emptied side reads 0",
         tr,
         std_,
         equation({xTerm(3)}, {xTerm(1)}),
         {"3x = x", "3x − x = 0", "2x = 0"},
         ""},
        {"constant on the left",
         tr,
         std_,
         equation({xTerm(1), constant(4)}, {xTerm(3)}),
         {"x + 4 = 3x", "4 = 3x − x", "4 = 2x"},
         ""},
        {"smart takes -2x to the left",
         tr,
         smart,
         equation({constant(5)}, {xTerm(-2), constant(3)}),
         {"5 = -2x + 3", "2x + 5 = 3"},
         "\ntaking x-term to the\nleft hand side to get a\n(positive)x"},
        {"smart with balance writes -2x + 2x",
         Technique::balance,
         smart,
         equation({constant(5)}, {xTerm(-2), constant(3)}),
         {"5 = -2x + 3", "2x + 5 = -2x + 2x + 3", "2x + 5 = 3"},
         "\ntaking x-term to the\nleft hand side to get a\n(positive)x"},
        {"zero left side", tr, std_, equation({constant(0)}, {xTerm(-2), constant(3)}), {"0 = -2x + 3", "2x = 3"}, ""},
    };
    for (const AdviceCase& c : cases) {
        ScriptedRandom random;
        const std::optional<TransposeAdvice> result = transposeAdvice(c.technique, false, c.method, c.equation, random);
        ASSERT_TRUE(result && result->moved) << c.name;
        EXPECT_EQ(readEquations(result->equations), c.shows) << c.name;
        EXPECT_EQ(result->advice, c.advice) << c.name;
        EXPECT_EQ(random.remaining(), 0u) << c.name;
    }
}

// Highlighted, the term that crosses is marked with its letter on both sides.
TEST(TransposeAdvice, MarksTheTermThatCrosses) {
    const PolyEquation e = equation({constant(5)}, {xTerm(-2), constant(3)});
    const std::pair<Technique, Lines> cases[] = {
        {Technique::transpose, {"5 = *-2**x* + 3", "*2**x* + 5 = 3"}},
        {Technique::balance, {"5 = *-2**x* + 3", "*2**x* + 5 = -2x *+* *2**x* + 3", "2x + 5 = 3"}},
    };
    for (const auto& [technique, shows] : cases) {
        ScriptedRandom random;
        const std::optional<TransposeAdvice> result = transposeAdvice(technique, true, Method::smart, e, random);
        ASSERT_TRUE(result);
        EXPECT_EQ(readEquations(result->equations, true), shows);
    }
    // Taking out a term past the end leaves the side; taking out the last leaves 0.
    const Terms two{xTerm(2), constant(3)};
    EXPECT_EQ(readEquation(equation(withoutTerm(two, 2), withoutTerm({constant(3)}, 0))), "2x + 3 = 0");
}

TEST(TransposeAdvice, LeavesAloneWhatNeedsNoMove) {
    struct Case {
        Method method;
        PolyEquation e;
    };
    for (const Case& c : {Case{Method::smart, equation({xTerm(2), constant(3)}, {constant(5)})},
                          Case{Method::smart, equation({constant(5)}, {xTerm(2), constant(3)})},
                          Case{Method::smart, equation({constant(5)}, {xTerm(-2)})},
                          Case{Method::smart, equation({constant(5)}, {xTerm(0), constant(3)})},
                          Case{Method::standard, equation({constant(5)}, {xTerm(-2), constant(3)})}}) {
        ScriptedRandom random;
        const std::optional<TransposeAdvice> result =
            transposeAdvice(Technique::transpose, false, c.method, c.e, random);
        ASSERT_TRUE(result);
        EXPECT_FALSE(result->moved) << readEquation(c.e);
    }
}

TEST(TransposeAdvice, SmartDrawOfOneExchangesSides) {
    ScriptedRandom one{1};
    const PolyEquation below = equation(k2x3_5x7.LHS.terms, k2x3_5x7.RHS.terms, Relation::less_than);
    const std::optional<TransposeAdvice> exchanged =
        transposeAdvice(Technique::transpose, true, Method::smart, below, one);
    ASSERT_TRUE(exchanged);
    EXPECT_EQ(readEquations(exchanged->equations, true),
              (Lines{"2x + 3 < 5x + 7", "5x + 7 *>* *2**x* + 3", "5x *−* *2**x* + 7 > 3", "3x + 7 > 3"}));
    EXPECT_EQ(exchanged->advice,
              "\nexchanging sides first as\nan alternative to taking\nx-terms to the right\nhand side");
    EXPECT_EQ(one.requests().front(), (ScriptedRandom::Request{ScriptedRandom::Kind::integer, 1, 5}));
}

TEST(MoveConstantTermsOpposite, MovesTheConstantBesideTheVariable) {
    const PolyEquation e = equation({xTerm(2), constant(3)}, {constant(7)});
    const std::optional<ConstantMove> moved = moveConstantTermsOpposite(Technique::transpose, true, e);
    ASSERT_TRUE(moved && moved->didMove);
    EXPECT_EQ(readEquation(moved->marked, true), "2x *+* *3* = 7");
    EXPECT_EQ(readEquation(moved->moved, true), "2x = 7 *−* *3*");
    EXPECT_EQ(readEquation(moved->plainMoved, true), "2x = 7 − 3");

    const std::optional<ConstantMove> balanced = moveConstantTermsOpposite(Technique::balance, false, e);
    ASSERT_TRUE(balanced);
    EXPECT_EQ(readEquation(balanced->moved), "2x + 3 − 3 = 7 − 3");

    const std::optional<ConstantMove> fromRight =
        moveConstantTermsOpposite(Technique::transpose, false, equation({constant(7)}, {xTerm(2), constant(3)}));
    ASSERT_TRUE(fromRight);
    EXPECT_EQ(readEquation(fromRight->moved), "7 − 3 = 2x");

    for (const PolyEquation& still : {equation({xTerm(2)}, {constant(7)}), equation({constant(3)}, {xTerm(2)})}) {
        const std::optional<ConstantMove> none = moveConstantTermsOpposite(Technique::transpose, true, still);
        ASSERT_TRUE(none);
        EXPECT_FALSE(none->didMove);
        EXPECT_EQ(readEquation(none->moved, true), readEquation(still));
    }
}

TEST(MovingSteps, GiveNoValueWhenNegationOverflows) {
    ScriptedRandom random;
    EXPECT_FALSE(transposeAdvice(Technique::transpose, false, Method::smart,
                                 equation({constant(5)}, {xTerm(INT64_MIN), constant(3)}), random));
    EXPECT_FALSE(moveConstantTermsOpposite(Technique::transpose, false,
                                           equation({xTerm(2), constant(INT64_MIN)}, {constant(7)})));
}

}  // namespace
}  // namespace duolinear

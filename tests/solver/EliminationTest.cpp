// Addition and elimination: the multipliers, the commentary that explains
// them, the combined equations and the method's steps.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/LinearEquationSteps.h"
#include "solver/AlignedEquationPair.h"
#include "solver/EliminationCommentary.h"
#include "solver/EliminationMultipliers.h"
#include "solver/MethodSteps.h"

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::row;
using M = Duolinear_method;
using V = Duolinear_variable;
using Mode = Duolinear_LCM;
using Pieces = std::vector<std::string>;

TEST(EliminationMultipliers, TableOfTheEliminatedCoefficients) {
    const struct {
        std::int64_t c1, c2;
        Mode mode;
        M method;
        std::int64_t k1, k2;
        bool sameSign;
    } cases[] = {
        {3, 6, Mode::LCM, M::elimination, 2, 1, true},     {3, 6, Mode::smart, M::elimination, 2, 1, true},
        {3, 6, Mode::LCM, M::addition, -2, 1, true},       {3, 6, Mode::smart, M::addition, -2, 1, true},
        {4, 6, Mode::LCM, M::elimination, 3, 2, true},     {4, 6, Mode::smart, M::elimination, 6, 4, true},
        {4, 6, Mode::LCM, M::addition, 3, -2, true},       {3, 3, Mode::LCM, M::addition, 1, -1, true},
        {3, 3, Mode::smart, M::addition, 1, -1, true},     {3, -3, Mode::LCM, M::addition, 1, 1, false},
        {3, -3, Mode::smart, M::elimination, 1, 1, false}, {-4, -6, Mode::LCM, M::addition, 3, -2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.c1 << ", " << c.c2 << " " << rawValue(c.mode) << " " << rawValue(c.method));
        // Eliminating x reads a1 and a2, eliminating y reads b1 and b2.
        for (const auto& m : {eliminationMultipliers({.a1 = c.c1, .b1 = 7, .a2 = c.c2, .b2 = -11},
                                                     {.variable = V::x, .use_LCM = c.mode, .method = c.method}),
                              eliminationMultipliers({.a1 = 5, .b1 = c.c1, .a2 = 13, .b2 = c.c2},
                                                     {.variable = V::y, .use_LCM = c.mode, .method = c.method})}) {
            ASSERT_TRUE(m.has_value());
            EXPECT_EQ(m->k1, c.k1);
            EXPECT_EQ(m->k2, c.k2);
            EXPECT_EQ(m->sameSign, c.sameSign);
        }
    }
    // No value for a zero coefficient or a target beyond 64 bits.
    const std::int64_t big = std::int64_t{1} << 40;
    EXPECT_FALSE(eliminationMultipliers({.a1 = 0, .b1 = 1, .a2 = 3, .b2 = 1}, {.use_LCM = Mode::LCM}));
    EXPECT_FALSE(eliminationMultipliers({.a1 = big + 1, .b1 = 1, .a2 = big - 1, .b2 = 1}, {.use_LCM = Mode::LCM}));
    EXPECT_FALSE(eliminationMultipliers({.a1 = INT64_MIN, .b1 = 1, .a2 = 3, .b2 = 1}, {.use_LCM = Mode::smart}));
}

// The commentary's messages (the lines after the two equations), "text|colour".
Pieces commentaryMessages(const Duolinear& system, V variable, Mode mode, M method) {
    const Outcome<SolverFrame> outcome =
        eliminationCommentary(testing::factsOf(system, {.variable = variable, .use_LCM = mode, .method = method}));
    if (!outcome.value) return {};
    EXPECT_EQ(outcome.value->comments, Pieces{"commentary"});
    Pieces pieces;
    for (std::size_t i = 2; i < outcome.value->lines.size(); ++i) {
        for (const std::string& piece : testing::messagePieces(outcome.value->lines[i])) pieces.push_back(piece);
    }
    return pieces;
}

TEST(EliminationCommentary, TextsByMultipliers) {
    const Duolinear example = integerSystem(3, 2, 7, 6, -5, 4);
    const std::string lcmLine = "eliminate x to find y\nusing the LCM\n|black";
    const std::string lcmCompare = "x-coefficients: 3 and 6\ndifferent absolute values\nsame sign, LCM is 6\n|black";
    const struct {
        Duolinear system;
        V variable;
        Mode mode;
        M method;
        Pieces expected;
    } cases[] = {
        {example,
         V::x,
         Mode::LCM,
         M::elimination,
         {lcmLine, lcmCompare, "multiply 1st equation by 2|red", "2nd equation is fine|blue",
          "\nx-coefficients: 6 and 6\nSAME ABSOLUTE VALUES\nSAME SIGN\n\nSUBTRACT THE EQUATIONS|black"}},
        {example,
         V::x,
         Mode::LCM,
         M::addition,
         {lcmLine, lcmCompare, "multiply 1st equation by -2|red", "2nd equation is fine|blue",
          "\nx-coefficients: -6 and 6\nSAME ABSOLUTE VALUES\nOPPOSITE SIGN\n\nADD THE EQUATIONS|black"}},
        {integerSystem(3, 2, 7, 3, -5, 4),
         V::x,
         Mode::LCM,
         M::elimination,
         {lcmLine, "x-coefficients: 3 and 3\nsame absolute values\nsame sign, LCM is 3\n|black",
          "both equations are fine\n\nSUBTRACT THE EQUATIONS|black"}},
        {integerSystem(3, 2, 7, -3, -5, 4),
         V::x,
         Mode::LCM,
         M::addition,
         {lcmLine, "x-coefficients: 3 and -3\nsame absolute values\nopposite sign, LCM is 3\n|black",
          "both equations are fine\n\nADD THE EQUATIONS|black"}},
        // Elimination adds as well when the signs are opposite.
        {integerSystem(3, 2, 7, -3, -5, 4),
         V::x,
         Mode::LCM,
         M::elimination,
         {lcmLine, "x-coefficients: 3 and -3\nsame absolute values\nopposite sign, LCM is 3\n|black",
          "both equations are fine\n\nADD THE EQUATIONS|black"}},
        {integerSystem(3, 2, 7, 3, -5, 4),
         V::x,
         Mode::smart,
         M::addition,
         {"eliminate x to find y\nusing smart multiply\n|black",
          "x-coefficients: 3 and 3\nsame absolute values\nsame sign\n|black", "1st equation is fine|red",
          "multiply 2nd equation by -1|blue",
          "\nx-coefficients: 3 and -3\nSAME ABSOLUTE VALUES\nOPPOSITE SIGN\n\nADD THE EQUATIONS|black"}},
        {integerSystem(1, 4, 7, 2, -6, 4),
         V::y,
         Mode::smart,
         M::elimination,
         {"eliminate y to find x\nusing smart multiply\n|black",
          "y-coefficients: 4 and -6\ndifferent absolute values\nopposite sign\n|black",
          "multiply 1st equation by 6|red", "multiply 2nd equation by 4|blue",
          "\ny-coefficients: 24 and -24\nSAME ABSOLUTE VALUES\nOPPOSITE SIGN\n\nADD THE EQUATIONS|black"}},
        {example, V::x, Mode::LCM, M::substitution, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(commentaryMessages(c.system, c.variable, c.mode, c.method), c.expected);

    // The equations in gray, but the eliminated coefficient's numerator black.
    const Duolinear system = integerSystem(1, 4, 7, 2, -6, 4);
    for (V variable : {V::x, V::y}) {
        const auto outcome = eliminationCommentary(
            testing::factsOf(system, {.variable = variable, .use_LCM = Mode::LCM, .method = M::elimination}));
        ASSERT_TRUE(outcome.value.has_value());
        for (std::size_t i = 0; i < 2; ++i) {
            PolyEquation expected = recoloredEquation(Color::gray, Color::gray, Color::gray, system.equations[i]);
            expected.LHS.terms[variable == V::x ? 0 : 1].coefficient.numerator_color = Color::black;
            EXPECT_EQ(outcome.value->lines[i], equationLayout(expected, Style::fraction));
        }
    }
}

TEST(EliminationSteps, SubtractTheScaledEquationsThenSubstituteBack) {
    const Duolinear system = integerSystem(2, 3, 7, 1, -1, 1);
    const std::optional<WorkedSteps> steps = buildMethodSteps(testing::factsOf(system, {.method = M::elimination}));
    ASSERT_TRUE(steps.has_value());
    EXPECT_EQ(steps->comments, (StepComments{{"solve equations for y"}, {"solve first for x"}}));
    ASSERT_EQ(steps->steps.size(), 2u);

    StepLines expected{messageLayout("first equation is fine", Color::red),
                       messageLayout("multiply second by 2", Color::blue), messageLayout("subtract the equations")};
    const StepLines blanks = blankLayouts(2);
    for (const StepLines& part :
         {blanks,
          alignedEquationPairTags({row(2, 3, 7), row(1, -1, 1), row(2, 3, 7)}, {.firstColor = Color::red,
                                                                               .secondColor = Color::blue,
                                                                               .resultColor = Color::clear,
                                                                               .prefix = "  ",
                                                                               .suffix = "     "}),
          alignedEquationPairTags({row(2, 3, 7), row(2, -2, 2), row(0, 5, 5)}, {.firstColor = Color::red,
                                                                               .secondColor = Color::blue,
                                                                               .prefix = "− ",
                                                                               .suffix = " care",
                                                                               .suffixColor = Color::blue}),
          blanks,
          linearEquationSteps(row(0, 5, 5), {.skipOpeningFrame = true, .style = Style::rational_fraction})
              .steps.front()}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(steps->steps[0], expected);

    // 2x + 3y = 7 with its y in red " and " y = 1 in red.
    const StepLines& back = steps->steps[1];
    ASSERT_GE(back.size(), 3u);
    EXPECT_EQ(testing::messageText(back[0]), "substitute y into first");
    EXPECT_EQ(testing::messagePieces(back[1]),
              (Pieces{"2|black", "x|black", "3|black", "y|red", "7|black", " and |black", "y|red", "1|red"}));
    EXPECT_TRUE(testing::isBlankLine(back[2]));

    // Multipliers 1 and 1: no unscaled table, so one table of four lines.
    const auto single =
        buildMethodSteps(testing::factsOf(integerSystem(2, 3, 7, 2, -1, 3), {.method = M::elimination}));
    ASSERT_TRUE(single.has_value());
    const StepLines& first = single->steps.front();
    ASSERT_GE(first.size(), 11u);
    EXPECT_EQ(testing::messageText(first[1]), "second equation is fine");
    EXPECT_TRUE(testing::isBlankLine(first[9]) && testing::isBlankLine(first[10]));

    // Opposite coefficients are added, by either method.
    for (M method : {M::addition, M::elimination}) {
        const auto added = buildMethodSteps(testing::factsOf(integerSystem(2, 3, 7, -2, -1, 3), {.method = method}));
        ASSERT_TRUE(added.has_value());
        EXPECT_EQ(testing::messageText(added->steps.front().at(2)), "add the equations") << rawValue(method);
    }
}

}  // namespace
}  // namespace duolinear

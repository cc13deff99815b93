#include "solver/EliminationCommentary.h"

#include "StepReading.h"
#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duolinear {
namespace {

using testing::integerSystem;
using V = Duolinear_variable;
using M = Duolinear_method;
using Pieces = std::vector<std::string>;

// The commentary's messages (the lines after the two equations), "text|colour".
Pieces commentaryMessages(const Duolinear& system, V variable, Duolinear_LCM mode, M method) {
    const StepOutcome<SolverFrame> outcome = eliminationCommentary(system, variable, mode, method);
    if (!outcome.result) return {};
    EXPECT_EQ(outcome.result->comments, std::vector<std::string>{"commentary"});
    Pieces pieces;
    for (std::size_t i = 2; i < outcome.result->lines.size(); ++i) {
        for (const std::string& piece : testing::messagePieces(outcome.result->lines[i])) pieces.push_back(piece);
    }
    return pieces;
}

TEST(EliminationCommentary, TextsByMultipliers) {
    const Duolinear example = integerSystem(3, 2, 7, 6, -5, 4);
    const std::string lcmLine = "eliminate x to find y\nusing the LCM\n|black";
    const std::string smartLine = "eliminate x to find y\nusing smart multiply\n|black";
    const struct {
        Duolinear system;
        V variable;
        Duolinear_LCM mode;
        M method;
        Pieces expected;
    } cases[] = {
        {example, V::x, Duolinear_LCM::LCM, M::elimination,
         {lcmLine, "x-coefficients: 3 and 6\ndifferent absolute values\nsame sign, LCM is 6\n|black",
          "multiply 1st equation by 2|red", "2nd equation is fine|blue",
          "\nx-coefficients: 6 and 6\nSAME ABSOLUTE VALUES\nSAME SIGN\n\nSUBTRACT THE EQUATIONS|black"}},
        {example, V::x, Duolinear_LCM::LCM, M::addition,
         {lcmLine, "x-coefficients: 3 and 6\ndifferent absolute values\nsame sign, LCM is 6\n|black",
          "multiply 1st equation by -2|red", "2nd equation is fine|blue",
          "\nx-coefficients: -6 and 6\nSAME ABSOLUTE VALUES\nOPPOSITE SIGN\n\nADD THE EQUATIONS|black"}},
        {integerSystem(3, 2, 7, 3, -5, 4), V::x, Duolinear_LCM::LCM, M::elimination,
         {lcmLine, "x-coefficients: 3 and 3\nsame absolute values\nsame sign, LCM is 3\n|black",
          "both equations are fine\n\nSUBTRACT THE EQUATIONS|black"}},
        {integerSystem(3, 2, 7, -3, -5, 4), V::x, Duolinear_LCM::LCM, M::addition,
         {lcmLine, "x-coefficients: 3 and -3\nsame absolute values\nopposite sign, LCM is 3\n|black",
          "both equations are fine\n\nADD THE EQUATIONS|black"}},
        {integerSystem(3, 2, 7, 3, -5, 4), V::x, Duolinear_LCM::smart, M::addition,
         {smartLine, "x-coefficients: 3 and 3\nsame absolute values\nsame sign\n|black", "1st equation is fine|red",
          "multiply 2nd equation by -1|blue",
          "\nx-coefficients: 3 and -3\nSAME ABSOLUTE VALUES\nOPPOSITE SIGN\n\nADD THE EQUATIONS|black"}},
        {integerSystem(1, 4, 7, 2, -6, 4), V::y, Duolinear_LCM::smart, M::elimination,
         {"eliminate y to find x\nusing smart multiply\n|black",
          "y-coefficients: 4 and -6\ndifferent absolute values\nopposite sign\n|black",
          "multiply 1st equation by 6|red", "multiply 2nd equation by 4|blue",
          "\ny-coefficients: 24 and -24\nSAME ABSOLUTE VALUES\nOPPOSITE SIGN\n\nADD THE EQUATIONS|black"}},
        {example, V::x, Duolinear_LCM::LCM, M::substitution, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(commentaryMessages(c.system, c.variable, c.mode, c.method), c.expected);
}

TEST(EliminationCommentary, EquationsGrayButTheEliminatedNumerator) {
    const Duolinear system = integerSystem(1, 4, 7, 2, -6, 4);
    for (V variable : {V::x, V::y}) {
        const auto outcome = eliminationCommentary(system, variable, Duolinear_LCM::LCM, M::elimination);
        ASSERT_TRUE(outcome.result.has_value());
        for (std::size_t i = 0; i < 2; ++i) {
            PolyEquation expected = recoloredEquation(Color::gray, Color::gray, Color::gray, system.equations[i]);
            expected.LHS.terms[variable == V::x ? 0 : 1].coefficient.numerator_color = Color::black;
            EXPECT_EQ(outcome.result->lines[i], equationLayout(expected, Style::fraction));
        }
    }
}

}  // namespace
}  // namespace duolinear

#include "solver/CombineEquations.h"
#include "solver/MethodSteps.h"

#include "StepReading.h"
#include "linear_steps/LinearEquationSteps.h"
#include "solver/AlignedEquationPair.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::isBlankLine;
using testing::row;

TEST(CombineEquations, ScalesAndAddsOrSubtracts) {
    const Duolinear system = integerSystem(2, 3, 7, 1, -1, 1);
    using M = Duolinear_method;
    using V = Duolinear_variable;
    const struct {
        M method;
        V variable;
        bool unscaled;
        std::vector<PolyEquation> rows;
        const char* operatorText;
    } cases[] = {
        {M::elimination, V::x, false, {row(2, 3, 7), row(2, -2, 2), row(0, 5, 5)}, "−"},
        {M::addition, V::x, false, {row(2, 3, 7), row(-2, 2, -2), row(0, 5, 5)}, "+"},
        {M::elimination, V::y, false, {row(2, 3, 7), row(3, -3, 3), row(5, 0, 10)}, "+"},  // opposite signs add
        {M::elimination, V::x, true, {row(2, 3, 7), row(1, -1, 1), row(2, 3, 7)}, "−"},
    };
    for (const auto& c : cases) {
        const auto combination = combineEquations(system, c.method, c.variable, Duolinear_LCM::LCM, c.unscaled);
        ASSERT_TRUE(combination.has_value());
        EXPECT_EQ(combination->operatorText, c.operatorText);
        ASSERT_EQ(combination->equations.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(equals(combination->equations[i], c.rows[i])) << i;
            EXPECT_EQ(combination->equations[i].LHS.terms.size(), 2u);  // a zero coefficient stays a term
        }
    }
    EXPECT_FALSE(combineEquations(integerSystem(1, 3, std::int64_t{1} << 62, 3, 1, 1), Duolinear_method::elimination,
                                  Duolinear_variable::x, Duolinear_LCM::LCM, false));
}

TEST(EliminationSteps, SubtractTheScaledEquationsThenSubstituteBack) {
    const Duolinear system = integerSystem(2, 3, 7, 1, -1, 1);
    const std::optional<WorkedSteps> steps = buildMethodSteps(system, Duolinear_variable::x, Duolinear_equation::first,
                                                              Duolinear_LCM::LCM, Duolinear_method::elimination);
    ASSERT_TRUE(steps.has_value());
    EXPECT_EQ(steps->comments, (StepComments{{"solve equations for y"}, {"solve first for x"}}));
    ASSERT_EQ(steps->steps.size(), 2u);

    StepLines expected{messageLayout("first equation is fine", Color::red),
                       messageLayout("multiply second by 2", Color::blue), messageLayout("subtract the equations")};
    const StepLines blanks = blankLayouts(2);
    for (const StepLines& part :
         {blanks,
          alignedEquationPairTags(Color::red, Color::blue, Color::clear, "  ", Color::black, "     ", Color::black,
                                  {row(2, 3, 7), row(1, -1, 1), row(2, 3, 7)}),
          alignedEquationPairTags(Color::red, Color::blue, Color::black, "− ", Color::black, " care", Color::blue,
                                  {row(2, 3, 7), row(2, -2, 2), row(0, 5, 5)}),
          blanks,
          linearEquationSteps(Technique::transpose, false, true, Style::rational_fraction, Method::smart, true,
                              row(0, 5, 5))
              .steps.front()}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    EXPECT_EQ(steps->steps[0], expected);

    // 2x + 3y = 7 with its y in red " and " y = 1 in red.
    const StepLines& back = steps->steps[1];
    ASSERT_GE(back.size(), 3u);
    EXPECT_EQ(testing::messageText(back[0]), "substitute y into first");
    EXPECT_EQ(testing::messagePieces(back[1]), (std::vector<std::string>{"2|black", "x|black", "3|black", "y|red",
                                                                         "7|black", " and |black", "y|red", "1|red"}));
    EXPECT_TRUE(isBlankLine(back[2]));
}

}  // namespace
}  // namespace duolinear

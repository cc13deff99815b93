// The opening shared by the formula and completing-the-square methods: the
// hand-over of a quadratic, and the linear finish of what is not one.

#include <gtest/gtest.h>

#include "QuadraticTestSupport.h"
#include "quadratic/QuadraticOpening.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

TEST(QuadraticOpening, HandsOverAQuadraticInDescendingPowers) {
    const OpeningResult result = quadraticOpening(parseEquation("2/4x^2 + x + x = 3"), {});
    const OpeningState* state = std::get_if<OpeningState>(&result);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(readSteps(state->worked),
              (std::vector<std::string>{
                  "🤔: [2/4]x² + x + x = 3",
                  "simplify: [2/4]x² + x + x = 3 | [1/2]x² + x + x = 3",
                  "combine like terms: [2/4]x² + x + x = 3 | [1/2]x² + x + x = 3 | [1/2]x² + 2x = 3",
                  "descending powers of x: [2/4]x² + x + x = 3 | [1/2]x² + x + x = 3 | [1/2]x² + 2x = 3 | [1/2]x² + "
                  "2x − 3 = 0 | left hand side for convenience",
              }));
    EXPECT_EQ(readLines(state->carriedLines),
              (std::vector<std::string>{"[2/4]x² + x + x = 3", "[1/2]x² + x + x = 3", "[1/2]x² + 2x = 3"}));
    EXPECT_EQ(readLine(state->openingLine), "[2/4]x² + x + x = 3");
    EXPECT_EQ(readLine(equationLayout(state->equation, Style::fraction)), "[1/2]x² + 2x − 3 = 0");
    EXPECT_EQ(state->variable, 'x');
    EXPECT_EQ(state->roots.status, Quadratic_status::irrational_distinct);
}

TEST(QuadraticOpening, FinishesWhatIsLinear) {
    const struct {
        std::string equation;
        bool skip;
        std::vector<std::string> steps;
    } cases[] = {
        {"0x^2 + x = 2", false, {"🤔: x = 2", "😎: x = 2 | x = 2"}},
        {"x = 5", true, {}},
        {"2x < 6", false, concat({{"🤔: 2x < 6"}, linearEngineSteps("", "2x < 6"), {"😎: 2x < 6 | x < 3"}})},
        {"x^2 + 3 = x^2 + x", true,
         concat({{"same square term on both sides: x² + 3 = x² + x | 3 = x"},
                 linearEngineSteps("x² + 3 = x² + x", "3 = x")})},
    };
    for (const auto& c : cases) {
        const OpeningResult result = quadraticOpening(parseEquation(c.equation), {.skipOpeningFrame = c.skip});
        const WorkedSteps* finished = std::get_if<WorkedSteps>(&result);
        ASSERT_NE(finished, nullptr) << c.equation;
        EXPECT_EQ(readSteps(*finished, true), c.steps) << c.equation;
    }
}

// A power of ten in the decimal style counts decimal places (a two-digit count
// shows no superscript); any other factor is the LCM of the denominators.
TEST(QuadraticOpening, ClearingMessages) {
    EXPECT_EQ(clearingStepMessage(Style::decimal, 100),
              "\nhighest decimal place count\nis 2, multiply both sides\nby 10² = 100");
    EXPECT_EQ(clearingStepMessage(Style::decimal, 10000000000),
              "\nhighest decimal place count\nis 10, multiply both sides\nby 10... = 10000000000");
    for (Style style : {Style::decimal, Style::fraction}) {
        EXPECT_EQ(clearingStepMessage(style, 6),
                  "6 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions");
    }
}

}  // namespace
}  // namespace duolinear

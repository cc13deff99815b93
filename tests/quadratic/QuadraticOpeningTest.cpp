// The opening shared by the formula and completing-the-square methods: the
// hand-over of a quadratic, and the linear finish of what is not one.

#include <gtest/gtest.h>

#include "QuadraticTestSupport.h"
#include "quadratic/DecimalClearing.h"
#include "quadratic/QuadraticOpening.h"
#include "quadratic/QuadraticSteps.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

TEST(QuadraticOpening, HandsOverAQuadraticInDescendingPowers) {
    const struct {
        std::string equation;
        Style style;
        std::vector<std::string> steps, carried;
        std::string prepared;  // in the fraction style
        OpeningTidying tidying = OpeningTidying::simplify;
    } cases[] = {
        {"2/4x^2 + x + x = 3",
         Style::fraction,
         {"🤔: [2/4]x² + x + x = 3", "simplify: [2/4]x² + x + x = 3 | [1/2]x² + x + x = 3",
          "combine like terms: [2/4]x² + x + x = 3 | [1/2]x² + x + x = 3 | [1/2]x² + 2x = 3",
          "descending powers of x: [2/4]x² + x + x = 3 | [1/2]x² + x + x = 3 | [1/2]x² + 2x = 3 | [1/2]x² + 2x − 3 = 0 "
          "| left hand side for convenience"},
         {"[2/4]x² + x + x = 3", "[1/2]x² + x + x = 3", "[1/2]x² + 2x = 3"},
         "[1/2]x² + 2x − 3 = 0"},
        // 2/4 and 1/2 both read 0.5: no "simplify" step, nothing carried twice.
        {"2/4x^2 + 0.5x^2 = 4.5",
         Style::decimal,
         {"🤔: 0.5x² + 0.5x² = 4.5", "combine like terms: 0.5x² + 0.5x² = 4.5 | x² = 4.5",
          "descending powers of x: 0.5x² + 0.5x² = 4.5 | x² = 4.5 | x² − 4.5 = 0 | left hand side for convenience"},
         {"0.5x² + 0.5x² = 4.5", "x² = 4.5"},
         "x² − [9/2] = 0"},
        {"0.5x^2 - 4.5 = 0", Style::decimal, {"🤔: 0.5x² − 4.5 = 0"}, {}, "[1/2]x² − [9/2] = 0"},
        // Denominators of -1 are cleared by 1, which takes no clearing step;
        // the numbers then read otherwise, which shows as "simplify".
        {"39/-1x^2 + 82/-1x = 7",
         Style::decimal,
         {"🤔: -39x² + -82x = 7", "simplify: -39x² + -82x = 7 | -39x² − 82x = 7",
          "descending powers of x: -39x² + -82x = 7 | -39x² − 82x = 7 | -39x² − 82x − 7 = 0 | left hand side for "
          "convenience"},
         {"-39x² + -82x = 7", "-39x² − 82x = 7"},
         "-39x² − 82x − 7 = 0",
         OpeningTidying::clear_fractions},
        {"39/-1x^2 + 82/-1x = 7",
         Style::fraction,
         {"🤔: -[39/1]x² + -[82/1]x = 7", "simplify: -[39/1]x² + -[82/1]x = 7 | -39x² − 82x = 7",
          "descending powers of x: -[39/1]x² + -[82/1]x = 7 | -39x² − 82x = 7 | -39x² − 82x − 7 = 0 | left hand side "
          "for convenience"},
         {"-[39/1]x² + -[82/1]x = 7", "-39x² − 82x = 7"},
         "-39x² − 82x − 7 = 0",
         OpeningTidying::clear_fractions},
        // Only sorted: no message, a blank line in its place.
        {"x + x^2 = 0", Style::fraction, {"🤔: x + x² = 0", "descending powers of x: x + x² = 0 | x² + x = 0 | "},
         {"x + x² = 0"}, "x² + x = 0"},
    };
    for (const auto& c : cases) {
        const OpeningResult result = quadraticOpening(parseEquation(c.equation), {.style = c.style}, c.tidying);
        const OpeningState* state = std::get_if<OpeningState>(&result);
        ASSERT_NE(state, nullptr) << c.equation;
        EXPECT_EQ(readSteps(state->worked), c.steps) << c.equation;
        EXPECT_EQ(readLines(state->carriedLines), c.carried) << c.equation;
        EXPECT_EQ(readLine(state->openingLine), c.steps.front().substr(std::string("🤔: ").size())) << c.equation;
        EXPECT_EQ(readLine(equationLayout(state->equation, Style::fraction)), c.prepared) << c.equation;
        EXPECT_EQ(state->variable, 'x');
    }
    const OpeningResult first = quadraticOpening(parseEquation("2/4x^2 + x + x = 3"), {});
    EXPECT_EQ(std::get<OpeningState>(first).roots.status, Quadratic_status::irrational_distinct);
}

TEST(QuadraticOpening, FinishesWhatIsLinear) {
    const struct {
        std::string equation;
        bool skip;
        std::vector<std::string> steps;
        Style style = Style::fraction;
    } cases[] = {
        {"0x^2 + x = 2", false, {"🤔: x = 2", "😎: x = 2 | x = 2"}},
        // Already solved: without the frame the answer is still given.
        {"x = 5", true, {"😎: x = 5 | x = 5"}},
        {"x = 5", false, {"🤔: x = 5", "😎: x = 5 | x = 5"}},
        {"2x < 6", false, concat({{"🤔: 2x < 6"}, linearEngineSteps("", "2x < 6"), {"😎: 2x < 6 | x < 3"}})},
        // The answer is a fraction, or a decimal in the decimal style.
        {"2x = 1", false, concat({{"🤔: 2x = 1"}, linearEngineSteps("", "2x = 1"), {"😎: 2x = 1 | x = [1/2]"}})},
        {"2x = 1", false,
         concat({{"🤔: 2x = 1"}, linearEngineSteps("", "2x = 1", Style::decimal), {"😎: 2x = 1 | x = 0.5"}}),
         Style::decimal},
        {"x^2 + 3 = x^2 + x", true,
         concat({{"same square term on both sides: x² + 3 = x² + x | 3 = x"},
                 linearEngineSteps("x² + 3 = x² + x", "3 = x")})},
        // No single answer: the closing states the status.
        {"x^2 + 1 = x^2 + 2", false,
         concat({{"🤔: x² + 1 = x² + 2", "same square term on both sides: x² + 1 = x² + 2 | 1 = 2"},
                 linearEngineSteps("x² + 1 = x² + 2", "1 = 2"),
                 {"😎: x² + 1 = x² + 2 | FALSE, no solution"}})},
        {"x^2 + x = x^2 + x", false,
         concat({{"🤔: x² + x = x² + x", "same square term on both sides: x² + x = x² + x | x = x"},
                 linearEngineSteps("x² + x = x² + x", "x = x"),
                 {"😎: x² + x = x² + x | TRUE, solution is all values of variable"}})},
    };
    for (const auto& c : cases) {
        const OpeningResult result =
            quadraticOpening(parseEquation(c.equation), {.skipOpeningFrame = c.skip, .style = c.style});
        const WorkedSteps* finished = std::get_if<WorkedSteps>(&result);
        ASSERT_NE(finished, nullptr) << c.equation;
        EXPECT_EQ(readSteps(*finished, true), c.steps) << c.equation;
        // Every method finishes a linear equation through the opening.
        for (const auto method :
             {Quadratic_method::formula, Quadratic_method::complete_the_square, Quadratic_method::factor}) {
            EXPECT_EQ(readSteps(quadraticSteps(method, parseEquation(c.equation),
                                               {.skipOpeningFrame = c.skip, .style = c.style}),
                                true),
                      c.steps)
                << rawValue(method) << ": " << c.equation;
        }
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

// Decimals cleared by the places their values show; none for a value without
// a terminating decimal, or with more places than a 64-bit power of ten.
TEST(QuadraticOpening, ClearsDecimalsByThePlacesShown) {
    const std::optional<DecimalClearing> shown = clearShownDecimals(parseEquation("67580/10000x^2 = 0.5x + 3"));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->factor, 1000);
    EXPECT_EQ(readLine(equationLayout(shown->cleared, Style::fraction)), "6758x² = 500x + 3000");
    EXPECT_FALSE(clearShownDecimals(parseEquation("1/3x = 1")));
    EXPECT_FALSE(clearShownDecimals(parseEquation("1/4611686018427387904x = 1")));
}

}  // namespace
}  // namespace duolinear

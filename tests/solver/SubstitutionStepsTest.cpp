#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "solver/RearrangeForVariable.h"
#include "solver/SubstituteExpression.h"
#include "solver/SubstituteValue.h"
#include "support/LayoutReading.h"

namespace duolinear {
namespace {

using testing::row;
using Lines = std::vector<std::string>;

// Every line as read text, red items starred.
Lines readLines(const StepLines& lines) {
    Lines out;
    for (const TagLayout& line : lines) out.push_back(testing::readLayout(line, true));
    return out;
}

// letter = constant + slope·other, all black.
PolyEquation solvedFor(char letter, Rational constant, Rational slope, char other) {
    return PolyEquation{{Monomial{Rational{1, 1}, 1, letter}}, {Monomial{constant, 0}, Monomial{slope, 1, other}}};
}

TEST(RearrangeForVariable, DividesOnlyWhenTheCoefficientIsNotOne) {
    // The bracket form multiplies by 1/a, drawn over a; left out for -1.
    const struct {
        PolyEquation equation;
        Var v;
        Lines lines;
        PolyEquation solved;
    } cases[] = {
        {row(3, 2, 12),
         Var::x,
         {"3x + 2y = 12", "3x = 12 − 2y", "x = {12 − 2y/3}", "x = 4 − [2/3]y"},
         solvedFor('x', Rational{4, 1}, Rational{-2, 3}, 'y')},
        {row(1, 2, 8), Var::x, {"x + 2y = 8", "x = 8 − 2y"}, solvedFor('x', Rational{8, 1}, Rational{-2, 1}, 'y')},
        {row(-1, 2, 8),
         Var::x,
         {"-x + 2y = 8", "-x = 8 − 2y", "x = -8 + 2y"},
         solvedFor('x', Rational{-8, 1}, Rational{2, 1}, 'y')},
        {row(3, -4, 6),
         Var::y,
         {"3x − 4y = 6", "-4y = 6 − 3x", "y = {6 − 3x/-4}", "y = -[3/2] + [3/4]x"},
         solvedFor('y', Rational{-3, 2}, Rational{3, 4}, 'x')},
        {row(2, 6, 0),
         Var::x,
         {"2x + 6y = 0", "2x = -6y", "x = {-6y/2}", "x = -3y"},
         PolyEquation{{Monomial{Rational{1, 1}, 1, 'x'}}, {Monomial{Rational{-3, 1}, 1, 'y'}}}},  // constant 0 dropped
    };
    for (const auto& c : cases) {
        const std::optional<Rearrangement> r = rearrangeForVariable(c.equation, c.v);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(readLines(r->lines), c.lines);
        EXPECT_TRUE(equals(r->solved, c.solved)) << testing::lineText(equationLayout(r->solved));
    }
    const std::optional<Rearrangement> r = rearrangeForVariable(row(3, 2, 12), Var::x);
    ASSERT_TRUE(r.has_value());
    const PolyEquation isolated{{Monomial{Rational{3, 1}, 1, 'x'}},
                                {Monomial{Rational{12, 1}, 0}, Monomial{Rational{-2, 1}, 1, 'y'}}};
    EXPECT_EQ(r->lines[1], equationLayout(isolated, Style::rational_fraction));
    EXPECT_FALSE(rearrangeForVariable(row(0, 2, 12), Var::x).has_value());

    // Every line is black whatever colours the equation came with.
    const PolyEquation red = recoloredEquation(Color::red, Color::red, Color::red, row(3, 2, 12));
    const std::optional<Rearrangement> black = rearrangeForVariable(red, Var::x);
    ASSERT_TRUE(black.has_value());
    EXPECT_EQ(readLines(black->lines), cases[0].lines);
}

TEST(SubstituteExpressionStep, MarksTheLetterAndTheExpressionThenWorksTheBracket) {
    // The other equation with its x red, " and ", the expression all red, a
    // blank line, then the last step of the working with the expression in
    // brackets in place of the letter.
    const std::optional<StepLines> intoY =
        substituteExpressionStep(row(3, 4, 5), Var::y, solvedFor('y', Rational{1, 1}, Rational{-1, 1}, 'x'));
    ASSERT_TRUE(intoY.has_value());
    EXPECT_EQ(readLines(*intoY), (Lines{"3x + 4*y* = 5 and *y* *=* *1* *−* *x*", "", "3x + 4(1 − x) = 5",
                                        "3x + 4 − 4x = 5", "-x + 4 = 5", "-x = 5 − 4", "-x = 1", "x = -1"}));
    const std::optional<StepLines> intoX =
        substituteExpressionStep(row(1, 2, 8), Var::x, solvedFor('x', Rational{4, 1}, Rational{-2, 3}, 'y'));
    ASSERT_TRUE(intoX.has_value());
    EXPECT_EQ(readLines(*intoX), (Lines{"*x* + 2y = 8 and *x* *=* *4* *−* *[2/3]**y*", "", "4 − [2/3]y + 2y = 8",
                                        "3(4 − [2/3]y + 2y) = 3(8)", "12 − 2y + 6y = 24", "12 + 4y = 24",
                                        "4y = 24 − 12", "4y = 12", "y = {12/4}", "y = 3"}));
}

TEST(SubstituteValueAndSolve, RearrangedFormSolvesForTheOtherLetter) {
    // 3x + 2y = 12 rewritten as x = 4 − (2/3)y, with y = 3 substituted.
    const std::optional<StepLines> lines = substituteValueAndSolve(row(3, 2, 12), Var::y, Rational{3, 1}, false);
    ASSERT_TRUE(lines.has_value());
    const PolyEquation shown{{Monomial{Rational{1, 1}, 1, 'x'}},
                             {Monomial{Rational{4, 1}, 0}, Monomial{Rational{-2, 3}, 1, 'y', Color::red}}};
    const PolyEquation known{{Monomial{Rational{1, 1}, 1, 'y'}}, {Monomial{Rational{3, 1}, 0}}};
    const TagLayout left = joinLayouts("🖇", equationLayout(shown, Style::fraction), messageLayout(" and "));
    const PolyEquation redKnown = recoloredEquation(Color::red, Color::red, Color::red, known);
    EXPECT_EQ((*lines)[0], joinLayouts("🖇", left, equationLayout(redKnown, Style::fraction)));
    EXPECT_TRUE(testing::isBlankLine((*lines)[1]));
    EXPECT_EQ(readLines(*lines),
              (Lines{"x = 4 − [2/3]*y* and *y* *=* *3*", "", "x = 4 − [2/3](3)", "x = 4 − 2", "x = 2"}));
    // 2x + 6y = 0 with y = 1: the slope -6/2 reduced, the zero constant left out.
    const std::optional<StepLines> reduced = substituteValueAndSolve(row(2, 6, 0), Var::y, Rational{1, 1}, false);
    ASSERT_TRUE(reduced.has_value());
    EXPECT_EQ(readLines(*reduced), (Lines{"x = -3*y* and *y* *=* *1*", "", "x = -3(1)", "x = -3"}));
    // -x − 2³¹y = 1 with x = -1/(2³¹ + 1): the sum of the last line but one
    // needs only the least common denominator, 2³¹(2³¹ + 1).
    const std::optional<StepLines> extreme =
        substituteValueAndSolve(row(-1, -2147483648, 1), Var::x, Rational{-1, 2147483649}, false);
    ASSERT_TRUE(extreme.has_value());
    EXPECT_EQ(readLines(*extreme), (Lines{"y = -[1/2147483648] − [1/2147483648]*x* and *x* *=* *-[1/2147483649]*", "",
                                          "y = -[1/2147483648] − [1/2147483648](-[1/2147483649])",
                                          "y = -[1/2147483648] + [1/4611686020574871552]", "y = -[1/2147483649]"}));
    EXPECT_FALSE(substituteValueAndSolve(row(0, 2, 12), Var::y, Rational{6, 1}, false).has_value());
}

}  // namespace
}  // namespace duolinear

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "solver/RearrangeForVariable.h"
#include "solver/SubstituteValue.h"

namespace duolinear {
namespace {

using testing::row;

// letter = constant + slope·other, all black.
PolyEquation solvedFor(char letter, Rational constant, Rational slope, char other) {
    return PolyEquation{{Monomial{Rational{1, 1}, 1, letter}}, {Monomial{constant, 0}, Monomial{slope, 1, other}}};
}

TEST(RearrangeForVariable, DividesOnlyWhenTheCoefficientIsNotOne) {
    const struct {
        PolyEquation equation;
        Var v;
        std::size_t lineCount;
        PolyEquation solved;
    } cases[] = {
        {row(3, 2, 12), Var::x, 4, solvedFor('x', Rational{4, 1}, Rational{-2, 3}, 'y')},
        {row(1, 2, 8), Var::x, 2, solvedFor('x', Rational{8, 1}, Rational{-2, 1}, 'y')},
        {row(-1, 2, 8), Var::x, 3, solvedFor('x', Rational{-8, 1}, Rational{2, 1}, 'y')},
        {row(3, -4, 6), Var::y, 4, solvedFor('y', Rational{-3, 2}, Rational{3, 4}, 'x')},
        {row(2, 6, 0), Var::x, 4,
         PolyEquation{{Monomial{Rational{1, 1}, 1, 'x'}}, {Monomial{Rational{-3, 1}, 1, 'y'}}}},  // constant 0 dropped
    };
    for (const auto& c : cases) {
        const std::optional<Rearrangement> r = rearrangeForVariable(c.equation, c.v);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->lines.size(), c.lineCount);
        EXPECT_TRUE(equals(r->solved, c.solved)) << testing::lineText(equationLayout(r->solved));
    }
    const std::optional<Rearrangement> r = rearrangeForVariable(row(3, 2, 12), Var::x);
    ASSERT_TRUE(r.has_value());
    const PolyEquation isolated{{Monomial{Rational{3, 1}, 1, 'x'}},
                                {Monomial{Rational{12, 1}, 0}, Monomial{Rational{-2, 1}, 1, 'y'}}};
    EXPECT_EQ(r->lines[1], equationLayout(isolated, Style::rational_fraction));
    EXPECT_FALSE(rearrangeForVariable(row(0, 2, 12), Var::x).has_value());
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
    EXPECT_FALSE(substituteValueAndSolve(row(0, 2, 12), Var::y, Rational{6, 1}, false).has_value());
}

}  // namespace
}  // namespace duolinear

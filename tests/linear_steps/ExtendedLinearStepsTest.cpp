#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "linear_steps/ExtendedEquationOps.h"
#include "linear_steps/ExtendedLinearSteps.h"
#include "linear_steps/ExtendedPolynomialOps.h"
#include "linear_steps/ExtendedStepProducers.h"
#include "linear_steps/LinearEquationSteps.h"
#include "support/ExtendedBuilders.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

struct Run {
    Style style = Style::fraction;
    bool skip = false;
    bool clearExt = true;
};

// Standard advice draws nothing: an empty script proves it.
WorkedSteps solve(const Ext_polyEquation& e, Run o = {}) {
    ScriptedRandom random;
    const WorkedSteps worked = extendedLinearEquationSteps(e, {.highlight = true,
                                                               .skipOpeningFrame = o.skip,
                                                               .style = o.style,
                                                               .method = Method::standard,
                                                               .clearExtFractions = o.clearExt,
                                                               .random = &random});
    EXPECT_EQ(worked.steps.size(), worked.comments.size());
    return worked;
}

Lines comments(const WorkedSteps& worked) {
    Lines out;
    for (const std::vector<std::string>& c : worked.comments) out.push_back(c.size() == 1 ? c.front() : "?");
    return out;
}

const Ext_polyEquation kThreeTimes = extEquation(side({{x(1), c(1)}, {times(3, 0)}}), side({{x(2)}}));
// 2(3x + 4(x + 1)) = 5/2
const Ext_polyEquation kNested =
    extEquation(side({{x(1), c(1)}, {x(3), times(4, 0)}, {times(2, 1)}}), side({{c(5, 2)}}));

TEST(ExtendedLinearSteps, DistributesThenHandsOverBelowTheWorkedLines) {
    const WorkedSteps worked = solve(kThreeTimes);
    EXPECT_EQ(comments(worked),
              (Lines{"🤔", "distribute to remove (  )", "x terms to one side", "solve for x", "😎"}));
    EXPECT_EQ(readLines(worked.steps[1], true), (Lines{"*3*(*x* *+* *1*) = 2x", "*3**x* *+* *3* = 2x"}));
    EXPECT_EQ(readLines(worked.steps[4]), (Lines{"3(x + 1) = 2x", "x = -3"}));

    ScriptedRandom random;
    const WorkedSteps linear = linearEquationSteps(
        extToPolyEquation(extEquation(side({{x(3), c(3)}}), side({{x(2)}}))),
        {.highlight = true, .skipOpeningFrame = true, .method = Method::standard, .random = &random});
    ASSERT_EQ(linear.steps.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(worked.steps[i + 2], prependLayoutRows(linear.steps[i], {worked.steps[0][0]}));
        EXPECT_EQ(worked.comments[i + 2], linear.comments[i]);
    }
    // The colours of the equation as given play no part.
    EXPECT_EQ(solve(recolorExtEquation(Color::red, Color::red, Color::red, kThreeTimes)).steps, worked.steps);
    EXPECT_EQ(comments(solve(kThreeTimes, {.skip = true})),
              (Lines{"distribute to remove (  )", "x terms to one side", "solve for x"}));
}

TEST(ExtendedLinearSteps, OpensNestedBracketsInnermostFirst) {
    const WorkedSteps worked = solve(kNested);
    EXPECT_EQ(comments(worked),
              (Lines{"🤔", "clear fractions", "distribute to remove (  )", "combine simple like terms",
                     "distribute to remove (  )", "constant terms opposite to x", "solve for x", "😎"}));
    EXPECT_EQ(readLines(worked.steps[1], true),
              (Lines{"2(3x + 4(x + 1)) = *[5/2]*", "*2*(2(3x + 4(x + 1))) = *2*([5/2])", "4(3x + 4(x + 1)) = 5",
                     "\n2 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions"}));
    EXPECT_EQ(readLines(worked.steps[4]),
              (Lines{"2(3x + 4(x + 1)) = [5/2]", "2(2(3x + 4(x + 1))) = 2([5/2])", "4(3x + 4(x + 1)) = 5",
                     "4(3x + 4x + 4) = 5", "4(7x + 4) = 5", "28x + 16 = 5"}));
    EXPECT_EQ(readLayout(worked.steps.back().back()), "x = -[11/28]");
    EXPECT_EQ(comments(solve(kNested, {.clearExt = false}))[1], "distribute to remove (  )");
}

// The decimal style clears by 10 to the places that its decimals show and
// names the step by it; the lcm clears fractions, where a number has no
// decimal that ends or where a number is drawn over a fraction bar.
TEST(ExtendedLinearSteps, NamesItsClearingStepByTheFactor) {
    const struct {
        Ext_polyEquation e;
        Style style;
        Lines step;  // the clearing step's comment, then its lines
    } cases[] = {
        // 2(x + 1) = 0.25, simplified to 1/4: by 10², not by the lcm 4.
        {extEquation(side({{x(1), c(1)}, {times(2, 0)}}), side({{c(25, 100)}})),
         Style::decimal,
         {"clear decimals", "2(x + 1) = 0.25", "2(x + 1) = 0.25", "*100*(2(x + 1)) = *100*(0.25)", "200(x + 1) = 25",
          "\nhighest decimal place count\nis 2, multiply both sides\nby 10² = 100"}},
        {extEquation(side({{x(1), c(1)}, {times(2, 0)}}), side({{c(25, 100)}})),
         Style::fraction,
         {"clear fractions", "2(x + 1) = [25/100]", "2(x + 1) = *[1/4]*", "*4*(2(x + 1)) = *4*([1/4])", "8(x + 1) = 1",
          "\n4 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions"}},
        // A third has no decimal that ends: its lcm clears it.
        {extEquation(side({{x(1), c(1)}, {times(2, 0)}}), side({{c(1, 3)}})),
         Style::decimal,
         {"clear fractions", "2(x + 1) = 0.33333333", "*3*(2(x + 1)) = *3*(0.33333333)", "6(x + 1) = 1",
          "\n3 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions"}},
        // A bracket's multiplier that is not whole is drawn over a fraction
        // bar, not as a decimal: the lcm clears the line, whatever places the
        // multiplier would have as a decimal. (5/2)(x + 1) = 3, (1/8)(x + 1) =
        // (3/4)x and (1/10)(x + 1) = 3, whose lcm is a power of ten.
        {extEquation(side({{x(1), c(1)}, {times(5, 0, 2)}}), side({{c(3)}})),
         Style::decimal,
         {"clear fractions", "{5(x + 1)/*2*} = 3", "*2*({5(x + 1)/2}) = *2*(3)", "5(x + 1) = 6",
          "\n2 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions"}},
        {extEquation(side({{x(1), c(1)}, {times(1, 0, 8)}}), side({{x(3, 4)}})),
         Style::decimal,
         {"clear fractions", "{x + 1/*8*} = 0.75x", "*8*({x + 1/8}) = *8*(0.75x)", "x + 1 = 6x",
          "\n8 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions"}},
        {extEquation(side({{x(1), c(1)}, {times(1, 0, 10)}}), side({{c(3)}})),
         Style::decimal,
         {"clear fractions", "{x + 1/*10*} = 3", "*10*({x + 1/10}) = *10*(3)", "x + 1 = 30",
          "\n10 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions"}},
    };
    for (const auto& c : cases) {
        const WorkedSteps worked = solve(c.e, {.style = c.style, .skip = true});
        const Lines said = comments(worked);
        const auto at =
            std::find_if(said.begin(), said.end(), [](const std::string& s) { return s.starts_with("clear"); });
        ASSERT_NE(at, said.end()) << readExt(c.e);
        Lines step = readLines(worked.steps[at - said.begin()], true);
        step.insert(step.begin(), *at);
        EXPECT_EQ(step, c.step) << readExt(c.e);
    }
}

TEST(ExtendedLinearSteps, WithoutBracketsItIsTheLinearEngine) {
    // 1(x + 2) + 0(x) = 4: the unit bracket is opened and the zero one dropped before any step.
    const Ext_polyEquation e = extEquation(side({{x(1), c(2)}, {x(5)}, {times(1, 0), times(0, 1)}}), side({{c(4)}}));
    for (bool skip : {false, true}) {
        ScriptedRandom random;
        const WorkedSteps linear = linearEquationSteps(
            extToPolyEquation(extEquation(side({{x(1), c(2)}}), side({{c(4)}}))),
            {.highlight = true, .skipOpeningFrame = skip, .method = Method::standard, .random = &random});
        const WorkedSteps worked = solve(e, {.skip = skip});
        EXPECT_EQ(worked.steps, linear.steps);
        EXPECT_EQ(worked.comments, linear.comments);
    }
}

TEST(ExtendedLinearSteps, ShortRoadsAndClosingAnswers) {
    // Absorbing 3(5) leaves no bracket: the linear steps follow below the opening line.
    const WorkedSteps absorbed = solve(extEquation(side({{c(5)}, {x(1), times(3, 0)}}), side({{c(2)}})));
    EXPECT_EQ(comments(absorbed), (Lines{"🤔", "constant terms opposite to x", "😎"}));
    EXPECT_EQ(readLines(absorbed.steps[1]).front(), "x + 3(5) = 2");
    // 3(5) + 2(x + 1) = 0: absorbing leaves a bracket, and the opening line heads the worked lines.
    const WorkedSteps partly =
        solve(extEquation(side({{c(5)}, {x(1), c(1)}, {times(3, 0), times(2, 1)}}), side({{c(0)}})));
    EXPECT_EQ(readLines(partly.steps[1]), (Lines{"3(5) + 2(x + 1) = 0", "15 + 2(x + 1) = 0", "15 + 2x + 2 = 0"}));
    EXPECT_EQ(comments(partly)[2], "combine simple like terms");
    EXPECT_EQ(readLines(partly.steps[3]).at(2), "15 + 2x + 2 = 0");
    // Solved once the bracket is gone: no linear steps at all.
    const Ext_polyEquation half = extEquation(side({{x(1, 2)}, {times(2, 0)}}), side({{c(3)}}));
    EXPECT_EQ(comments(solve(half)), (Lines{"🤔", "distribute to remove (  )", "😎"}));
    EXPECT_EQ(comments(solve(half, {.skip = true})), (Lines{"distribute to remove (  )"}));

    const Ext_polyEquation four = extEquation(side({{x(1), c(1)}, {times(4, 0)}}), side({{c(2)}}));
    EXPECT_EQ(readLayout(solve(four, {.style = Style::decimal}).steps.back()[1]), "x = -0.5");
    EXPECT_EQ(readLayout(solve(four, {.style = Style::rational_fraction}).steps.back()[1]), "x = -[1/2]");
    const Ext_polyEquation always = extEquation(side({{x(1), c(1)}, {times(2, 0)}}), side({{x(2), c(2)}}));
    EXPECT_EQ(readLayout(solve(always).steps.back()[1]), "TRUE, solution is all values of variable");
    // The answer is in the equation's letter, which a zero term does not name.
    const Term y = ungrouped(term(1, 1, 1, 'y'));
    for (const Ext_polyEquation& inY : {extEquation(side({{y, c(1)}, {times(4, 0)}}), side({{c(2)}})),
                                        extEquation(side({{x(0), y, c(1)}, {times(4, 0)}}), side({{c(2)}}))}) {
        EXPECT_EQ(readLayout(solve(inY).steps.back()[1]), "y = -[1/2]") << readExt(inY);
    }
}

TEST(ExtendedLinearSteps, RefusesInOneStep) {
    const Lines oops{"2(x + [1/0]) = 3", "", "", "division by zero", "please correct"};
    const Ext_polyEquation zero = extEquation(side({{x(1), c(1, 0)}, {times(2, 0)}}), side({{c(3)}}));
    const Ext_polyEquation dead = extEquation(side({{c(1, 0)}, {x(1)}}), side({{c(3)}}));
    // 2(big·x + 1) = 3 leaves 64 bits while distributing.
    const Ext_polyEquation big = extEquation(side({{x(kMax), c(1)}, {times(2, 0)}}), side({{c(3)}}));
    for (bool skip : {false, true}) {
        EXPECT_EQ(readLines(solve(zero, {.skip = skip}).steps.at(0)), oops);
        EXPECT_EQ(comments(solve(zero, {.skip = skip})), Lines{"oops"});
        EXPECT_EQ(comments(solve(dead, {.skip = skip})), Lines{"oops"});
        const WorkedSteps overflow = solve(big, {.skip = skip});
        EXPECT_EQ(comments(overflow), Lines{"oops"});
        EXPECT_EQ(readLines(overflow.steps.at(0)).at(3), "numbers too large");
    }
    // 2(x + y) = 4 and x·x = 4 are not linear in one letter once the bracket
    // is gone; 2x = 3y has no bracket and is refused by the linear engine.
    const Ext_polyEquation letters =
        extEquation(side({{x(1), ungrouped(term(1, 1, 1, 'y'))}, {times(2, 0)}}), side({{c(4)}}));
    Term byX = x(1);
    byX.sub_exp = SubExpression{true, 0};
    const Ext_polyEquation square = extEquation(side({{x(1)}, {byX}}), side({{c(4)}}));
    const Ext_polyEquation plain = extEquation(side({{x(2)}}), side({{ungrouped(term(3, 1, 1, 'y'))}}));
    for (const Ext_polyEquation& e : {letters, square, plain}) {
        const WorkedSteps refused = solve(e);
        EXPECT_EQ(comments(refused), Lines{"oops"}) << readExt(e);
        EXPECT_EQ(readLines(refused.steps.at(0)).at(3), "not linear in one variable") << readExt(e);
    }
    EXPECT_EQ(readLines(solve(extEquation(side({}), side({{c(1)}}))).steps.at(0)), Lines{"unexpected error"});
}

TEST(ExtendedLinearSteps, SolutionStatusWithoutSteps) {
    const auto valueOf = [](const Ext_polyEquation& e) {
        const std::optional<LinearSolution> s = extendedLinearSolutionStatus(e);
        return s ? std::to_string(s->value.numerator) + "/" + std::to_string(s->value.denominator) + " " +
                       rawValue(s->relation) + " " + rawValue(s->status)
                 : "none";
    };
    EXPECT_EQ(valueOf(kThreeTimes), "-3/1 = valid solution");
    EXPECT_EQ(valueOf(kNested), "-11/28 = valid solution");
    const Ext_polyEquation less =
        extEquation(side({{x(1), c(1)}, {times(-2, 0)}}), side({{c(4)}}), Relation::less_than);
    EXPECT_EQ(valueOf(less), "-3/1 > valid solution");
    EXPECT_EQ(valueOf(extEquation(side({{x(1), c(1, 0)}, {times(2, 0)}}), side({{c(3)}}))), "none");
    EXPECT_EQ(valueOf(extEquation(side({{x(kMax), c(1)}, {times(2, 0)}}), side({{c(3)}}))), "none");
    EXPECT_EQ(valueOf(extEquation(side({{c(3)}}), side({{x(kMax)}, {times(2, 0)}}))), "none");  // the right side
    // Refused by the engine, so no value: two letters, with and without a bracket.
    EXPECT_EQ(valueOf(extEquation(side({{x(2)}}), side({{ungrouped(term(3, 1, 1, 'y'))}}))), "none");
    EXPECT_EQ(valueOf(extEquation(side({{x(1), ungrouped(term(1, 1, 1, 'y'))}, {times(2, 0)}}), side({{c(4)}}))),
              "none");
}

}  // namespace
}  // namespace duolinear

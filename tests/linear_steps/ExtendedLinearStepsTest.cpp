#include <algorithm>
#include <limits>
#include <string>
#include <utility>
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

// An exact rational in 128 bits, in lowest terms with a positive
// denominator; arithmetic that leaves 128 bits fails the test.
struct Exact {
    __int128 n = 0;
    __int128 d = 1;
};

Exact exact(__int128 n, __int128 d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    __int128 a = n < 0 ? -n : n;
    __int128 b = d;
    while (b != 0) a = std::exchange(b, a % b);
    return a > 1 ? Exact{n / a, d / a} : Exact{n, d};
}

__int128 product(__int128 a, __int128 b) {
    __int128 result = 0;
    if (__builtin_mul_overflow(a, b, &result)) ADD_FAILURE() << "out of 128 bits";
    return result;
}

Exact operator*(Exact a, Exact b) {
    return exact(product(a.n, b.n), product(a.d, b.d));
}
Exact operator+(Exact a, Exact b) {
    __int128 n = 0;
    if (__builtin_add_overflow(product(a.n, b.d), product(b.n, a.d), &n)) ADD_FAILURE() << "out of 128 bits";
    return exact(n, product(a.d, b.d));
}
Exact operator-(Exact a, Exact b) {
    return a + Exact{-b.n, b.d};
}

// The digits of v >= 0.
std::string digits(__int128 v) {
    return (v >= 10 ? digits(v / 10) : "") + static_cast<char>('0' + static_cast<int>(v % 10));
}

// The group of the side as a·x + b, where only constants multiply brackets.
struct Linear {
    Exact a;
    Exact b;
};
Linear linearOf(const Ext_polynomial& side, std::size_t group) {
    Linear sum;
    for (const Term& t : side.terms.at(group)) {
        const Rational& r = t.monomial.coefficient;
        const Exact k = exact(r.numerator, r.denominator);
        Linear term = t.monomial.exponent == 1 ? Linear{k, {}} : Linear{{}, k};
        if (t.sub_exp.multiplies) {
            const Linear inner = linearOf(side, t.sub_exp.index);
            term = Linear{k * inner.a, k * inner.b};
        }
        sum = Linear{sum.a + term.a, sum.b + term.b};
    }
    return sum;
}

// "x REL value" for an equation with exactly one solution, the value as the
// fraction style draws it.
std::string exactAnswer(const Ext_polyEquation& e) {
    const Linear left = linearOf(e.LHS, e.LHS.terms.size() - 1);
    const Linear right = linearOf(e.RHS, e.RHS.terms.size() - 1);
    const Exact a = left.a - right.a;
    const Exact value = (right.b - left.b) * exact(a.d, a.n);
    const Relation relation = a.n < 0 ? reversedRelation(e.relation) : e.relation;
    const __int128 size = value.n < 0 ? -value.n : value.n;
    const std::string text = value.d == 1 ? digits(size) : "[" + digits(size) + "/" + digits(value.d) + "]";
    return "x " + rawValue(relation) + " " + (value.n < 0 ? "-" : "") + text;
}

// Clearing by a power of ten above the lcm can carry a later step out of 64
// bits where the lcm would not; the equation is answered all the same.
TEST(ExtendedLinearSteps, AnswersWhatTheLcmClears) {
    const std::int64_t half = std::int64_t{1} << 62;  // 4611686018427387904
    const struct {
        Ext_polyEquation e;
        std::string known;  // the answer, where it is known beforehand
    } cases[] = {
        // -3/12 < 3(x + (-half/8)x) + 11: no fraction bar, 10² against the lcm 4.
        {extEquation(side({{c(-3, 12)}}), side({{x(1), x(-half, 8)}, {times(3, 0), c(11)}}), Relation::less_than),
         "x < [15/2305843009213693948]"},
        // 593x - 715((1099511627777/6)(-912x - 2)) <= (1/4)(-177 + (333/4)x) + 408/4 + 285/5:
        // a fraction bar, the lcm 4 against 10².
        {extEquation(side({{x(-912), c(-2)}, {times(1099511627777, 0, 6)}, {x(593), times(-715, 1)}}),
                     side({{c(-177), x(333, 4)}, {times(1, 0, 4), c(408, 4), c(285, 5)}}),
                     Relation::less_than_or_equal_to),
         ""},
        // -9x + 3(-10x + 59810(730/7)) = 2147483647x + x + (-half/100)x: 10² against the lcm 25.
        {extEquation(side({{c(730, 7)}, {x(-10), times(59810, 0)}, {x(-9), times(3, 1)}}),
                     side({{x(2147483647), x(1), x(-half, 100)}})),
         ""},
    };
    for (const auto& c : cases) {
        const std::string answer = exactAnswer(c.e);
        if (!c.known.empty()) {
            EXPECT_EQ(answer, c.known);
        }
        const WorkedSteps worked = solve(c.e, {.style = Style::decimal});
        EXPECT_EQ(comments(worked).back(), "😎") << readExt(c.e);
        if (worked.steps.size() < 2) continue;  // refused
        // The last step before the closing one ends with the exact answer.
        EXPECT_EQ(readLayout(worked.steps[worked.steps.size() - 2].back()), answer) << readExt(c.e);
    }
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

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "linear_steps/LinearEquationSteps.h"
#include "support/EquationBuilders.h"
#include "support/ScriptedRandom.h"
#include "support/StepJoins.h"

namespace duolinear {
namespace {

using testing::constant;
using testing::equation;
using testing::readLines;
using testing::ScriptedRandom;
using testing::xTerm;
using Lines = std::vector<std::string>;

// One step as its comment followed by its lines, red items marked *...*.
struct ReadStep {
    std::string comment;
    Lines lines;
    friend bool operator==(const ReadStep&, const ReadStep&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ReadStep& step) {
        out << "[" << step.comment << "]";
        for (const std::string& line : step.lines) out << " | " << line;
        return out;
    }
};

std::vector<ReadStep> readSteps(const WorkedSteps& worked) {
    EXPECT_EQ(worked.steps.size(), worked.comments.size());
    std::vector<ReadStep> out;
    for (std::size_t i = 0; i < worked.steps.size(); ++i) {
        EXPECT_EQ(worked.comments[i].size(), 1u);
        out.push_back({worked.comments[i].front(), readLines(worked.steps[i], true)});
    }
    return out;
}

struct Options {
    Technique technique = Technique::balance;
    bool highlight = true;
    bool skip = false;
    Style style = Style::fraction;
    Method method = Method::smart;
    bool clear = true;
};

LinearStepChoices choicesOf(const Options& o, RandomSource* random) {
    return {.technique = o.technique,
            .highlight = o.highlight,
            .skipOpeningFrame = o.skip,
            .style = o.style,
            .method = o.method,
            .clearFractions = o.clear,
            .random = random};
}

std::vector<ReadStep> solve(const PolyEquation& e, Options o = {}, std::initializer_list<std::int64_t> draws = {}) {
    ScriptedRandom random(draws);
    const WorkedSteps worked = linearEquationSteps(e, choicesOf(o, &random));
    EXPECT_EQ(random.remaining(), 0u);
    return readSteps(worked);
}

// The first step, read without marks, that does not begin where the one
// before it ended (StepJoins.h); empty when all join.
std::string firstUnjoinedStepOf(const PolyEquation& e, const LinearStepChoices& choices) {
    return testing::firstUnjoinedStep(linearEquationSteps(e, choices),
                                      [](const StepLines& lines) { return readLines(lines); });
}

const std::string kNotice = "notice  -x  to  x  conversion\nmultiplication of both sides\nby (-1)";

TEST(LinearEquationSteps, DividesByAUnitFraction) {
    EXPECT_EQ(solve(equation({xTerm(1, 2)}, {constant(3)})),
              (std::vector<ReadStep>{{"🤔", {"[1/2]x = 3"}},
                                     {"solve for x", {"*[1/2]*x = 3", "*2*([1/2]x) = *2*(3)", "x = 6"}},
                                     {"😎", {"[1/2]x = 3", "x = 6"}}}));
}

TEST(LinearEquationSteps, DividesByAFractionShowingWholesOverOne) {
    EXPECT_EQ(solve(equation({xTerm(2, 3)}, {constant(5)}), {.highlight = false}),
              (std::vector<ReadStep>{{"🤔", {"[2/3]x = 5"}},
                                     {"solve for x", {"[2/3]x = 5", "[3/2]([2/3]x) = [3/2]([5/1])", "x = [15/2]"}},
                                     {"😎", {"[2/3]x = 5", "x = [15/2]"}}}));
    EXPECT_EQ(solve(equation({xTerm(2, 3)}, {constant(4)}), {.highlight = false})[1].lines,
              (Lines{"[2/3]x = 4", "[3/2]([2/3]x) = [3/2]([4/1])", "x = [12/2]", "x = 6"}));
}

TEST(LinearEquationSteps, SmartAdviceFollowsTheDraw) {
    const PolyEquation e = equation({xTerm(2), constant(3)}, {xTerm(5), constant(7)});
    const Options o{.technique = Technique::transpose, .highlight = false};
    const std::vector<ReadStep> exchanged = solve(e, o, {1});
    ASSERT_EQ(exchanged.size(), 5u);
    EXPECT_EQ(exchanged[1].lines, (Lines{"2x + 3 = 5x + 7", "5x + 7 = 2x + 3", "5x − 2x + 7 = 3", "3x + 7 = 3",
                                         "\nexchanging sides first as\nan alternative to taking\nx-terms to the "
                                         "right\nhand side"}));
    EXPECT_EQ(exchanged[4], (ReadStep{"😎", {"2x + 3 = 5x + 7", "x = -[4/3]"}}));

    const std::vector<ReadStep> right = solve(e, o, {3});
    ASSERT_EQ(right.size(), 5u);
    EXPECT_EQ(right[1].comment, "x terms to one side");
    EXPECT_EQ(right[1].lines, (Lines{"2x + 3 = 5x + 7", "3 = 5x − 2x + 7", "3 = 3x + 7",
                                     "\ntaking x-terms to the\nright hand side to get a\n(positive)x\n\nconsider "
                                     "exchanging sides"}));
    EXPECT_EQ(right[3], (ReadStep{"solve for x",
                                  {"2x + 3 = 5x + 7", "3 = 5x − 2x + 7", "3 = 3x + 7", "3 − 7 = 3x", "-4 = 3x",
                                   "{-4/3} = x", "-[4/3] = x", "x = -[4/3]"}}));
}

TEST(LinearEquationSteps, FinishesSolvedAndNearlySolvedFormsInOneStep) {
    const std::string all = "TRUE, solution is all values of variable";
    EXPECT_EQ(solve(equation({xTerm(1)}, {constant(3)})),
              (std::vector<ReadStep>{{"🤔", {"x = 3"}}, {"solve", {"x = 3"}}, {"😎", {"x = 3"}}}));
    EXPECT_EQ(solve(equation({constant(0)}, {constant(0)})),
              (std::vector<ReadStep>{{"🤔", {"0 = 0"}}, {"solve", {"0 = 0", all}}, {"😎", {"0 = 0", all}}}));
    EXPECT_EQ(solve(equation({xTerm(-1)}, {constant(3)}))[1].lines, (Lines{"-x = 3", "x = -3", "", "", kNotice}));

    // Without the frames the "solve" step is the whole solution, with no notice.
    const Relation lt = Relation::less_than;
    struct Case {
        PolyEquation e;
        Style style;
        bool highlight;
        Lines lines;
    };
    const Case cases[] = {
        {equation({constant(0)}, {constant(5)}), Style::fraction, true, {"0 = 5", "FALSE, no solution"}},
        {equation({constant(6, 4)}, {constant(2, 4)}),
         Style::fraction,
         true,
         {"[6/4] = [2/4]", "[3/2] = [1/2]", "FALSE, no solution"}},
        {equation({constant(6, 4)}, {constant(2, 4)}), Style::decimal, true, {"1.5 = 0.5", "FALSE, no solution"}},
        {equation({xTerm(-1)}, {constant(6, 4)}), Style::fraction, true, {"-x = [6/4]", "-x = [3/2]", "x = -[3/2]"}},
        {equation({xTerm(1)}, {constant(6, 4)}), Style::rational_fraction, true, {"x = {6/4}", "x = [3/2]"}},
        {equation({constant(3)}, {xTerm(-1)}), Style::fraction, true, {"3 = -x", "-3 = x", "x = -3"}},
        {equation({constant(6, 4)}, {xTerm(-1)}, lt),
         Style::fraction,
         true,
         {"[6/4] < -x", "[3/2] < -x", "-[3/2] *>* x", "x *<* -[3/2]"}},
        {equation({constant(3)}, {xTerm(1)}, lt), Style::fraction, true, {"3 < x", "x *>* 3"}},
        {equation({constant(3)}, {xTerm(1)}, lt), Style::fraction, false, {"3 < x", "x > 3"}},
        {equation({constant(6, 4)}, {xTerm(1)}, lt),
         Style::rational_fraction,
         true,
         {"{6/4} < x", "[3/2] < x", "x *>* [3/2]"}},
        {equation({constant(6, 4)}, {xTerm(1)}, lt), Style::decimal, true, {"1.5 < x", "x *>* 1.5"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(solve(c.e, {.highlight = c.highlight, .skip = true, .style = c.style}),
                  (std::vector<ReadStep>{{"solve", c.lines}}));
    }
}

TEST(LinearEquationSteps, ReversesInequalitiesDividedByANegative) {
    const PolyEquation e = equation({xTerm(-2)}, {constant(6)}, Relation::less_than);
    EXPECT_EQ(solve(e)[1], (ReadStep{"solve for x", {"*-2*x < 6", "{-2x*/**-2*} *>* {6*/**-2*}", "x > -3"}}));
    EXPECT_EQ(solve(e, {.highlight = false})[1].lines, (Lines{"-2x < 6", "{-2x/-2} > {6/-2}", "x > -3"}));
    EXPECT_EQ(solve(e, {.technique = Technique::transpose, .highlight = false})[1].lines,
              (Lines{"-2x < 6", "x > {6/-2}", "x > -3"}));
    EXPECT_EQ(
        solve(equation({xTerm(-1, 2)}, {constant(3)}, Relation::greater_than_or_equal_to), {.highlight = false})[1]
            .lines,
        (Lines{"-[1/2]x ≥ 3", "-[2/1](-[1/2]x) ≤ -[2/1]([3/1])", "x ≤ -6"}));
    // The variable on the right: the product, unreduced and reduced, is
    // written before x, then turned round; both reversed relations red.
    EXPECT_EQ(solve(equation({constant(3, 4)}, {xTerm(-1, 2)}, Relation::less_than),
                    {.technique = Technique::transpose, .skip = true}),
              (std::vector<ReadStep>{
                  {"solve for x",
                   {"[3/4] < *-[1/2]*x", "*-[2/1]*([3/4]) *>* x", "-[6/4] > x", "-[3/2] > x", "x *<* -[3/2]"}}}));
}

TEST(LinearEquationSteps, RefusesInOneStepWhatItCannotWorkExactly) {
    const PolyEquation zero = equation({xTerm(3, 0), constant(0)}, {constant(1)});
    const std::vector<ReadStep> oops{{"oops", {"[3/0]x + 0 = 1", "", "", "division by zero", "please correct"}}};
    for (bool skip : {false, true}) EXPECT_EQ(solve(zero, {.skip = skip}), oops);

    // Each refusal says why, under the equation as given.
    Monomial square = xTerm(1);
    square.exponent = 2;
    const std::string tooLarge = "numbers too large";
    const std::string notLinear = "not linear in one variable";
    const struct {
        PolyEquation e;
        std::string reason;
    } cases[] = {
        {equation({xTerm(2), constant(INT64_MAX)}, {constant(-INT64_MAX)}), tooLarge},  // the answer leaves 64 bits
        {equation({xTerm(2), constant(INT64_MIN)}, {constant(7)}), tooLarge},           // 7 - (-2^63) leaves 64 bits
        {equation({square, xTerm(2)}, {constant(4)}), notLinear},                       // x^2 + 2x = 4
        {equation({xTerm(2)}, {xTerm(3, 1, 'y')}), notLinear},                          // 2x = 3y
        {equation({xTerm(0), xTerm(2, 1, 'y')}, {constant(4)}), ""},                    // 0x is no letter
    };
    for (const auto& c : cases) {
        const std::vector<ReadStep> steps = solve(c.e, {.skip = true});
        if (c.reason.empty()) {
            EXPECT_NE(steps.front().comment, "oops") << steps.front();
            continue;
        }
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].comment, "oops");
        ASSERT_EQ(steps[0].lines.size(), 5u);
        EXPECT_EQ(Lines(steps[0].lines.begin() + 1, steps[0].lines.end()), (Lines{"", "", c.reason, "please correct"}));
    }
    // The smart move takes -2^63x to the right, which has no negation.
    const std::vector<ReadStep> crossing =
        solve(equation({xTerm(INT64_MIN), constant(1)}, {xTerm(-1), constant(3)}), {.skip = true}, {2});
    ASSERT_EQ(crossing.size(), 1u);
    EXPECT_EQ(crossing[0].lines, (Lines{"-9223372036854775808x + 1 = -x + 3", "", "", tooLarge, "please correct"}));
    // Clearing 2^62/2^62 x = -3x multiplies -3 by 2^62: only the decimal
    // style, which leaves the coefficient unreduced, overflows on the way.
    const PolyEquation big = equation({xTerm(INT64_C(1) << 62, INT64_C(1) << 62)}, {xTerm(-3)});
    EXPECT_EQ(solve(big, {.style = Style::decimal}).front().lines.at(3), tooLarge);
    EXPECT_EQ(solve(big).back().lines.back(), "x = 0");
}

TEST(LinearEquationSteps, ClearsDecimalsByAPowerOfTen) {
    const Options decimal{.highlight = false, .skip = true, .style = Style::decimal};
    const std::vector<ReadStep> hundred = solve(equation({xTerm(3, 10), constant(1, 100)}, {constant(2)}), decimal);
    ASSERT_FALSE(hundred.empty());
    EXPECT_EQ(hundred[0], (ReadStep{"clear decimals",
                                    {"0.3x + 0.01 = 2", "100(0.3x + 0.01) = 100(2)", "30x + 1 = 200", "", "",
                                     "\nhighest decimal place count\nis 2, multiply both sides\nby 10² = 100"}}));

    const std::int64_t tenTo10 = 10'000'000'000;
    const std::vector<ReadStep> big = solve(equation({xTerm(3, tenTo10), constant(1)}, {constant(2)}), decimal);
    // Ten places: the count is one superscript digit, so it reads "10...".
    EXPECT_EQ(big[0].lines.back(), "\nhighest decimal place count\nis 10, multiply both sides\nby 10... = 10000000000");

    const std::vector<ReadStep> thirds = solve(equation({xTerm(1, 3), constant(1)}, {constant(2)}), decimal);
    EXPECT_EQ(thirds[0].comment, "clear fractions");  // named by its factor, 3
    EXPECT_EQ(thirds[0].lines.back(),
              "3 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions");

    // The caption follows the factor: 30 clears fractions although tenths
    // are among them.
    const std::vector<ReadStep> mixed = solve(equation({xTerm(2, 3), constant(5, 10)}, {constant(1)}), decimal);
    EXPECT_EQ(mixed[0].comment, "clear fractions");
    EXPECT_EQ(mixed[0].lines.back(),
              "30 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to clear fractions");
    // Places are counted in the numbers as shown: 67580/10000 reads 6.758,
    // so three places, cleared by 10³ rather than by its stored 10⁴.
    EXPECT_EQ(solve(equation({xTerm(67580, 10000), constant(1, 20)}, {constant(2)}), decimal)[0],
              (ReadStep{"clear decimals",
                        {"6.758x + 0.05 = 2", "1000(6.758x + 0.05) = 1000(2)", "6758x + 50 = 2000", "", "",
                         "\nhighest decimal place count\nis 3, multiply both sides\nby 10³ = 1000"}}));
}

TEST(LinearEquationSteps, ClearsFractionsUnlessTold) {
    const PolyEquation e = equation({xTerm(1, 2), constant(1, 3)}, {constant(5, 4)});
    const std::vector<ReadStep> cleared = solve(e, {.skip = true});
    ASSERT_FALSE(cleared.empty());
    EXPECT_EQ(cleared[0],
              (ReadStep{"clear fractions",
                        {"*[1/2]*x + *[1/3]* = *[5/4]*", "*12*([1/2]x + [1/3]) = *12*([5/4])", "6x + 4 = 15", "", "",
                         "12 is LCM of denominators\n\nwe can use any multiple of the\ndenominators to "
                         "clear fractions"}}));
    for (const ReadStep& step : solve(e, {.skip = true, .clear = false})) {
        EXPECT_NE(step.comment, "clear fractions");
    }
}

// Equations that pass through every stage: the comments of their steps, and
// the solving step in full, which repeats every line worked before it.
TEST(LinearEquationSteps, WholeSolutionsLineForLine) {
    struct Case {
        const char* name;
        PolyEquation e;
        Options o;
        Lines comments;
        Lines solving;
    };
    const Technique tr = Technique::transpose;
    const Case cases[] = {
        {"2/4x + 1 + 2 = 3/4x + 1/2",
         equation({xTerm(2, 4), constant(1), constant(2)}, {xTerm(3, 4), constant(1, 2)}),
         {.technique = tr, .skip = true, .method = Method::standard},
         {"simplify", "combine simple like terms", "clear fractions", "x terms to one side",
          "constant terms opposite to x", "solve for x"},
         {"[2/4]x + 1 + 2 = [3/4]x + [1/2]", "[1/2]x + 1 + 2 = [3/4]x + [1/2]", "[1/2]x + 3 = [3/4]x + [1/2]",
          "4([1/2]x + 3) = 4([3/4]x + [1/2])", "2x + 12 = 3x + 2", "2x − 3x + 12 = 2", "-x + 12 = 2", "-x = 2 − 12",
          "-x = -10", "x = 10"}},
        {"1/2 = 3x - 1",
         equation({constant(1, 2)}, {xTerm(3), constant(-1)}),
         {},
         {"🤔", "clear fractions", "constant terms opposite to x", "solve for x", "😎"},
         {"[1/2] = 3x − 1", "2([1/2]) = 2(3x − 1)", "1 = 6x − 2", "1 + 2 = 6x − 2 + 2", "3 = *6*x",
          "{3*/**6*} = {6x*/**6*}", "[1/2] = x", "x = [1/2]"}},
        {"1/3x + 2/6 = 1/3x + 1/2",
         equation({xTerm(1, 3), constant(2, 6)}, {xTerm(1, 3), constant(1, 2)}),
         {.technique = tr},
         {"🤔", "simplify", "clear fractions", "x terms to one side", "solve", "😎"},
         {"[1/3]x + [2/6] = [1/3]x + [1/2]", "[1/3]x + [1/3] = [1/3]x + [1/2]", "6([1/3]x + [1/3]) = 6([1/3]x + [1/2])",
          "2x + 2 = 2x + 3", "2x − 2x + 2 = 3", "2 = 3", "FALSE, no solution"}},
        // A denominator of -1, which decimals leave unreduced, is cleared by 1
        // without a step: it changes no number shown.
        {"3/(-1)x + 1 + 2 = 7 in decimals",
         equation({xTerm(3, -1), constant(1), constant(2)}, {constant(7)}),
         {.skip = true, .style = Style::decimal},
         {"combine simple like terms", "constant terms opposite to x", "solve for x"},
         {"-3x + 1 + 2 = 7", "-3x + 3 = 7", "-3x + 3 − 3 = 7 − 3", "*-3*x = 4", "{-3x*/**-3*} = {4*/**-3*}",
          "x = -[4/3]"}},
        // Decimals whole in value (11090/10 reads 1109) take no clearing step:
        // no place shown calls for a power of ten.
        {"11090/10x = x in decimals",
         equation({xTerm(11090, 10)}, {xTerm(1)}),
         {.skip = true, .style = Style::decimal},
         {"x terms to one side", "solve for x"},
         {"1109x = x", "1109x − x = x − x", "*1108*x = 0", "{1108x*/**1108*} = {0*/**1108*}", "x = 0"}},
        {"-31x - 5/5x - 34 <= 9100/(-100)x - 2/2x in decimals",
         equation({xTerm(-31), xTerm(-5, 5), constant(-34)}, {xTerm(9100, -100), xTerm(-2, 2)},
                  Relation::less_than_or_equal_to),
         {.skip = true, .style = Style::decimal},
         {"combine like terms", "x terms to one side", "solve for x"},
         {"-31x − x − 34 ≤ -91x − x", "-32x − 34 ≤ -92x", "-32x + 32x − 34 ≤ -92x + 32x", "-34 ≤ *-60*x",
          "{-34*/**-60*} *≥* {-60x*/**-60*}", "[17/30] ≥ x", "x *≤* [17/30]"}},
        // Cleared by 1, the numbers read otherwise (-47/-1 as 47, + -49 as
        // − 49): that shows as "simplify", as in the fraction style, so the
        // next step begins where the frame ended.
        {"-9x + (-47/-1)x + (49/-1)x >= 27/-1 in decimals, framed",
         equation({xTerm(-9), xTerm(-47, -1), xTerm(49, -1)}, {constant(27, -1)}, Relation::greater_than_or_equal_to),
         {.style = Style::decimal},
         {"🤔", "simplify", "combine like terms", "solve for x", "😎"},
         {"-9x − -47x + -49x ≥ -27", "-9x + 47x − 49x ≥ -27", "*-11*x ≥ -27", "{-11x*/**-11*} *≤* {-27*/**-11*}",
          "x ≤ [27/11]"}},
        // The same after an earlier step: + -52 reads − 52 once cleared.
        {"-22/-1x + 2x >= 8 - 49 + 52/-1 in decimals",
         equation({xTerm(-22, -1), xTerm(2)}, {constant(8), constant(-49), constant(52, -1)},
                  Relation::greater_than_or_equal_to),
         {.skip = true, .style = Style::decimal},
         {"combine simple like terms", "simplify", "combine like terms", "solve for x"},
         {"22x + 2x ≥ 8 − 49 + -52", "22x + 2x ≥ -41 + -52", "22x + 2x ≥ -41 − 52", "*24*x ≥ -93",
          "{24x*/**24*} ≥ {-93*/**24*}", "x ≥ -[31/8]"}},
        // Cleared by 1, it reads as it did: the answer alone.
        {"-1/-1x = 2 in decimals",
         equation({xTerm(-1, -1)}, {constant(2)}),
         {.skip = true, .style = Style::decimal},
         {"solve"},
         {"x = 2", "x = 2"}},
        // Decimals neither reduce nor (here) clear 2/2, and draw (2/2)x as x;
        // a coefficient of 1 in value only still takes a step to the answer.
        {"2/2x = 2 in decimals, not cleared",
         equation({xTerm(2, 2)}, {constant(2)}),
         {.skip = true, .style = Style::decimal, .clear = false},
         {"solve for x"},
         {"x = 2", "x = 2"}},
        {"3/3x < 2 in decimals, not cleared",
         equation({xTerm(3, 3)}, {constant(2)}, Relation::less_than),
         {.skip = true, .style = Style::decimal, .clear = false},
         {"solve for x"},
         {"x < 2", "x *<* 2"}},
        {"-4/-4x >= -1 in decimals, not cleared",
         equation({xTerm(-4, -4)}, {constant(-1)}, Relation::greater_than_or_equal_to),
         {.highlight = false, .skip = true, .style = Style::decimal, .clear = false},
         {"solve for x"},
         {"x ≥ -1", "x ≥ -1"}},
        {"2/2x = 2 in decimals, not cleared, framed",
         equation({xTerm(2, 2)}, {constant(2)}),
         {.style = Style::decimal, .clear = false},
         {"🤔", "solve for x", "😎"},
         {"x = 2", "x = 2"}},
    };
    for (const Case& c : cases) {
        const std::vector<ReadStep> steps = solve(c.e, c.o);
        Lines comments;
        const ReadStep* solving = nullptr;
        for (const ReadStep& step : steps) {
            comments.push_back(step.comment);
            if (step.comment.rfind("solve", 0) == 0) solving = &step;
        }
        EXPECT_EQ(comments, c.comments) << c.name;
        ASSERT_NE(solving, nullptr) << c.name;
        EXPECT_EQ(solving->lines, c.solving) << c.name;
        ScriptedRandom random;
        EXPECT_EQ(firstUnjoinedStepOf(c.e, choicesOf(c.o, &random)), "") << c.name;
    }
}

// Every step begins where the one before it (or the frame) ended, for random
// equations whose coefficients are whole or over -1, 3 or a power of ten, half
// of them whole in value, in every style and with either technique, advice
// and clearing.
TEST(LinearEquationSteps, EachStepBeginsWhereTheOneBeforeEnded) {
    std::mt19937 engine{20261208};
    const auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); };
    const std::int64_t denominators[] = {1, -1, -1, 10, -10, 100, 3};
    const Style styles[] = {Style::fraction, Style::rational_fraction, Style::decimal};
    SystemRandomSource random(7);
    for (int round = 0; round < 600; ++round) {
        PolyEquation e;
        for (Polynomial* side : {&e.LHS, &e.RHS}) {
            side->terms.clear();
            for (int t = in(1, 3); t > 0; --t) {
                const std::int64_t d = denominators[in(0, 6)];
                const std::int64_t n = in(-60, 60) * (in(0, 1) == 0 ? (d < 0 ? -d : d) : 1);
                side->terms.push_back(Monomial{Rational{n, d}, static_cast<std::uint64_t>(in(0, 1))});
            }
        }
        e.relation = static_cast<Relation>(in(0, 4));
        const LinearStepChoices choices{.technique = in(0, 1) ? Technique::balance : Technique::transpose,
                                        .highlight = false,
                                        .style = styles[in(0, 2)],
                                        .method = in(0, 1) ? Method::smart : Method::standard,
                                        .clearFractions = in(0, 3) != 0,
                                        .random = &random};
        EXPECT_EQ(firstUnjoinedStepOf(e, choices), "") << testing::readEquation(e);
    }
}

// The quotient of the last step is shown as the plain product of the parts
// where that fits (x = [12/2], then x = 6); where a part of it would leave 64
// bits, the quotient in lowest terms stands in its place.
TEST(LinearEquationSteps, DividesInLowestTermsWhereThePlainProductCannotBeWritten) {
    const Options o{.technique = Technique::transpose, .highlight = false, .skip = true};
    const struct {
        PolyEquation e;
        Lines lines;
    } cases[] = {
        {equation({xTerm(INT64_C(-2147483648), 1, 'y')}, {constant(INT64_C(-10737418240), INT64_C(4294967297))}),
         {"-2147483648y = -[10737418240/4294967297]", "y = -[1/2147483648](-[10737418240/4294967297])",
          "y = [5/4294967297]"}},
        {equation({xTerm(INT64_C(2147483647))}, {constant(INT64_C(15253576344641), INT64_C(23622320159))}),
         {"2147483647x = [15253576344641/23622320159]", "x = [1/2147483647]([15253576344641/23622320159])",
          "x = [7103/23622320159]"}},
        // The quotient itself does not fit: still refused.
        {equation({xTerm(3)}, {constant(1, INT64_MAX)}),
         {"3x = [1/9223372036854775807]", "", "", "numbers too large", "please correct"}},
    };
    for (const auto& c : cases) {
        const std::vector<ReadStep> steps = solve(c.e, o);
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].lines, c.lines);
    }
}

// With the smart advice -3 = (-5/5)x + 151 in decimals, not cleared, ends on
// (5/5)x = 154, which the decimal style draws as x = 154: the last step
// already shows it, and no step of its own repeats that line.
TEST(LinearEquationSteps, AUnitCoefficientStoredOtherwiseTakesNoStepAfterOthers) {
    const std::vector<ReadStep> steps =
        solve(equation({constant(-3)}, {xTerm(-5, 5), constant(151)}),
              {.highlight = false, .skip = true, .style = Style::decimal, .clear = false});
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().comment, "constant terms opposite to x");
    EXPECT_EQ(steps.back().lines.back(), "x = 154");
    for (const ReadStep& step : steps) EXPECT_NE(step.comment, "solve for x") << step;
}

TEST(LinearEquationSteps, SimplifiesAndCombinesBeforeMoving) {
    const std::vector<ReadStep> steps =
        solve(equation({xTerm(2, 4), xTerm(1, 4), constant(2), constant(3)}, {constant(11)}),
              {.highlight = false, .skip = true});
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0], (ReadStep{"simplify", {"[2/4]x + [1/4]x + 2 + 3 = 11", "[1/2]x + [1/4]x + 2 + 3 = 11"}}));
    EXPECT_EQ(steps[1].comment, "combine simple like terms");
    EXPECT_EQ(steps[1].lines.back(), "[1/2]x + [1/4]x + 5 = 11");
    EXPECT_EQ(steps.back().lines.back(), "x = 8");
}

// Without a non-zero variable term no letter is named (the engine's letter
// falls back to x, which no text of these solutions shows): a zero y term is
// dropped and the status stands in the "solve" step.
TEST(LinearEquationSteps, AnEquationWithoutAVariableTermNamesNoLetter) {
    const std::string all = "TRUE, solution is all values of variable";
    EXPECT_EQ(
        solve(equation({xTerm(0, 1, 'y'), constant(3)}, {constant(5)})),
        (std::vector<ReadStep>{
            {"🤔", {"3 = 5"}}, {"solve", {"3 = 5", "FALSE, no solution"}}, {"😎", {"3 = 5", "FALSE, no solution"}}}));
    EXPECT_EQ(solve(equation({constant(3), constant(1)}, {constant(4), xTerm(0, 1, 'y')}), {.skip = true}),
              (std::vector<ReadStep>{{"combine simple like terms", {"3 + 1 = 4", "4 = 4"}},
                                     {"solve", {"3 + 1 = 4", "4 = 4", all}}}));
}

TEST(LinearEquationSteps, SpeaksOfTheEquationsLetter) {
    const std::vector<ReadStep> steps =
        solve(equation({constant(3)}, {xTerm(-1, 1, 'y'), constant(2)}),
              {.technique = Technique::transpose, .highlight = false, .method = Method::standard});
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[1].comment, "constant terms opposite to y");
    EXPECT_EQ(steps[2].comment, "solve for y");
    EXPECT_EQ(steps[2].lines.back(), "notice  -y  to  y  conversion\nmultiplication of both sides\nby (-1)");
    EXPECT_EQ(steps[3].lines.back(), "y = -1");
}

}  // namespace
}  // namespace duolinear

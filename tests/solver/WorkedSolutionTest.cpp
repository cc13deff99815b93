// Whole worked solutions: the step captions by method and kind of system,
// the single-variable shortcut, and systems of the entry range (six integers
// from -999 to 999) whose verdict must agree with the determinants.

#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/AlgebraLayouts.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/LinearEquationSteps.h"
#include "solver/CombineEquations.h"
#include "solver/SolverDriver.h"
#include "support/LayoutReading.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using testing::integerSystem;
using Captions = std::vector<std::string>;
using M = Duolinear_method;
using V = Duolinear_variable;
using E = Duolinear_equation;

WorkedSteps solve(const Duolinear& system, M method, V variable = V::x, E equation = E::first,
                  Duolinear_LCM mode = Duolinear_LCM::LCM) {
    const WorkedSteps result = solveDuolinearSystem(
        system, {.variable = variable, .equation = equation, .use_LCM = mode, .method = method}, false);
    EXPECT_EQ(result.steps.size(), result.comments.size());
    return result;
}

Captions captionsOf(const WorkedSteps& result) {
    return testing::captions(result.comments);
}

TEST(WorkedSolution, CaptionsByMethodAndKindOfSystem) {
    const Duolinear one = integerSystem(2, 3, 5, 1, -1, 0);
    const Duolinear none = integerSystem(1, 1, 1, 2, 2, 5);
    const Duolinear infinite = integerSystem(2, 4, 6, 1, 2, 3);  // with a common factor
    const struct {
        Duolinear system;
        V variable;
        E equation;
        Captions elimination;  // addition gives the same captions
        Captions substitution;
    } cases[] = {
        {one,
         V::x,
         E::first,
         {"🤔", "commentary", "solve equations for y", "solve first for x", "😎"},
         {"🤔", "x in terms of y from first", "substitute in second", "solve first (rearranged)", "😎"}},
        {one,
         V::y,
         E::second,
         {"🤔", "commentary", "solve equations for x", "solve second for y", "😎"},
         {"🤔", "y in terms of x from second", "substitute in first", "solve second (rearranged)", "😎"}},
        {none,
         V::x,
         E::first,
         {"🤔", "commentary", "solve equations for y", "😎"},
         {"🤔", "x in terms of y from first", "substitute in second", "😎"}},
        {infinite,
         V::x,
         E::first,
         {"🤔", "advisory", "commentary", "solve equations for y", "😎"},
         {"🤔", "advisory", "x in terms of y from first", "substitute in second", "😎"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(captionsOf(solve(c.system, M::addition, c.variable, c.equation)), c.elimination);
        EXPECT_EQ(captionsOf(solve(c.system, M::elimination, c.variable, c.equation)), c.elimination);
        EXPECT_EQ(captionsOf(solve(c.system, M::substitution, c.variable, c.equation)), c.substitution);
    }
    // The value found is put into the rearranged equation, the one of the
    // first step: x = 4 − (2/3)y with y = 3 for 3x + 2y = 12, x + 2y = 8.
    const WorkedSteps rearranged = solve(integerSystem(3, 2, 12, 1, 2, 8), M::substitution);
    ASSERT_EQ(rearranged.steps.size(), 5u);
    EXPECT_EQ(testing::messageText(rearranged.steps[3][0]), "substitute y into first");
    EXPECT_EQ(testing::readLayout(rearranged.steps[3][1], true), "x = 4 − [2/3]*y* and *y* *=* *3*");
}

StepLines linearStart(const PolyEquation& equation) {
    return linearEquationSteps(dropZeroTermsBothSides(true, equation), {.skipOpeningFrame = true}).steps.front();
}

TEST(WorkedSolution, SingleVariableSystemsTakeTheShortcutByEveryMethod) {
    const struct {
        Duolinear system;
        Captions captions;
    } cases[] = {
        {integerSystem(2, 0, 4, 3, 5, 16), {"🤔", "solve first", "solve second", "😎"}},
        {integerSystem(3, 5, 16, 0, 2, 4), {"🤔", "solve second", "solve first", "😎"}},
        {integerSystem(2, 0, 4, 0, 3, 9), {"🤔", "solve first", "solve second", "😎"}},
        {integerSystem(2, 0, 4, 4, 0, 8), {"🤔", "solve first", "solve second", "😎"}},  // both in x
    };
    for (const auto& c : cases) {
        const WorkedSteps reference = solve(c.system, M::addition);
        EXPECT_EQ(captionsOf(reference), c.captions);
        for (M method : {M::elimination, M::substitution}) {  // the choices play no part
            const WorkedSteps other = solve(c.system, method, V::y, E::second, Duolinear_LCM::smart);
            EXPECT_EQ(other.steps, reference.steps);
            EXPECT_EQ(other.comments, reference.comments);
        }
    }

    // The equation in one variable is solved first, its value put into the other.
    const Duolinear mixed = integerSystem(3, 5, 16, 0, 2, 4);
    const WorkedSteps result = solve(mixed, M::elimination);
    ASSERT_EQ(result.steps.size(), 4u);
    EXPECT_EQ(result.steps[1], linearStart(mixed.equations[1]));
    EXPECT_EQ(testing::messageText(result.steps[2][0]), "substitute y into first");
    EXPECT_EQ(testing::lineText(result.steps[2][1]), "3x5y16 and y2");

    // The value put into the other equation is that of the letter solved
    // first, so the other letter comes out right (x = 2, y = 3 here).
    const struct {
        Duolinear system;
        std::string solvedFirst, solvedThen;
    } lettersApart[] = {
        {integerSystem(2, 0, 4, 3, 5, 21), "x = 2", "y = 3"},
        {integerSystem(3, 5, 21, 0, 5, 15), "y = 3", "x = 2"},
    };
    for (const auto& c : lettersApart) {
        const WorkedSteps solved = solve(c.system, M::addition);
        ASSERT_EQ(solved.steps.size(), 4u);
        EXPECT_EQ(testing::readLayout(solved.steps[1].back()), c.solvedFirst);
        EXPECT_EQ(testing::readLayout(solved.steps[2].back()), c.solvedThen);
    }

    const Duolinear separate = integerSystem(2, 0, 4, 0, 3, 9);
    const WorkedSteps both = solve(separate, M::substitution);
    ASSERT_EQ(both.steps.size(), 4u);
    EXPECT_EQ(both.steps[1], linearStart(separate.equations[0]));
    EXPECT_EQ(both.steps[2], linearStart(separate.equations[1]));
}

using Coefficients = std::array<std::int64_t, 6>;  // a1, b1, c1, a2, b2, c2

// letter = numerator / denominator, in lowest terms with the sign on top.
TagLayout valueLine(char letter, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t g = std::gcd(numerator, denominator) * (denominator < 0 ? -1 : 1);
    return equationLayout(
        PolyEquation{{Monomial{Rational{1, 1}, 1, letter}}, {Monomial{Rational{numerator / g, denominator / g}, 0}}},
        Style::fraction);
}

// Beyond the entry range, where the determinants or a plain product leave
// 64 bits although every value shown fits: solved, with the verdict checked
// by substituting it (done outside the program).
TEST(WorkedSolution, ExtremeSystemsSolvedWhereEveryValueShownFits) {
    const struct {
        Coefficients k;
        std::vector<M> methods;
        std::vector<V> variables;
        std::vector<E> equations;
        std::int64_t x[2], y[2];
    } cases[] = {
        // Dx = 3037000500² leaves 64 bits.
        {{-1, 0, -3037000500, 0, -3037000500, -1},
         {M::addition, M::elimination, M::substitution},
         {V::x, V::y},
         {E::first, E::second},
         {3037000500, 1},
         {1, 3037000500}},
        // Substituted into the first equation, x = (1/2147483647)·(a fraction
        // over 23622320159) is worked in lowest terms.
        {{2147483647, -7, 10, -6, -11, -999},
         {M::addition, M::elimination},
         {V::x},
         {E::first},
         {7103, 23622320159},
         {2145336163293, 23622320159}},
        // The plain product -1/2^31 · -10737418240/4294967297 has a
        // denominator above 2^63.
        {{1, -2147483648, -1, 2, 1, 3},
         {M::addition, M::elimination},
         {V::y},
         {E::first},
         {6442450943, 4294967297},
         {5, 4294967297}},
    };
    for (const auto& c : cases) {
        const auto [a1, b1, c1, a2, b2, c2] = c.k;
        for (M method : c.methods) {
            for (V variable : c.variables) {
                for (E equation : c.equations) {
                    for (Duolinear_LCM mode : {Duolinear_LCM::LCM, Duolinear_LCM::smart}) {
                        SCOPED_TRACE(::testing::Message() << a1 << "x + " << b1 << "y = " << c1 << " by "
                                                          << rawValue(method) << ", " << rawValue(variable) << ", "
                                                          << rawValue(equation) << ", " << rawValue(mode));
                        const WorkedSteps result =
                            solve(integerSystem(a1, b1, c1, a2, b2, c2), method, variable, equation, mode);
                        ASSERT_GT(result.steps.size(), 1u) << testing::messageText(result.steps[0][0]);
                        const StepLines& closing = result.steps.back();
                        ASSERT_EQ(closing.size(), 8u);
                        EXPECT_EQ(closing[5], valueLine('x', c.x[0], c.x[1]));
                        EXPECT_EQ(closing[6], valueLine('y', c.y[0], c.y[1]));
                    }
                }
            }
        }
    }
}

// A complete solution with no refusal on the way: opening and closing, the
// shortcut's two steps or the advice on a common factor, the method's steps
// and (one solution) the substitution of a value; a verdict agreeing with
// determinants computed here.
void checkSolution(const Coefficients& k, std::mt19937_64& engine, M method) {
    const auto [a1, b1, c1, a2, b2, c2] = k;
    const auto bit = [&engine] { return (engine() & 1) == 1; };
    const V variable = bit() ? V::y : V::x;
    const E equation = bit() ? E::second : E::first;
    const Duolinear_LCM mode = bit() ? Duolinear_LCM::smart : Duolinear_LCM::LCM;
    SCOPED_TRACE(::testing::Message() << a1 << "x + " << b1 << "y = " << c1 << ", " << a2 << "x + " << b2
                                      << "y = " << c2 << " by " << rawValue(method) << ", " << rawValue(variable)
                                      << ", " << rawValue(equation) << ", " << rawValue(mode));
    const WorkedSteps result = solve(integerSystem(a1, b1, c1, a2, b2, c2), method, variable, equation, mode);
    if ((a1 == 0 && b1 == 0) || (a2 == 0 && b2 == 0)) {
        ASSERT_EQ(result.steps.size(), 1u);
        EXPECT_EQ(testing::messageText(result.steps[0][0]), "missing variable term");
        return;
    }
    const std::int64_t D = a1 * b2 - b1 * a2, Dx = c1 * b2 - b1 * c2, Dy = a1 * c2 - c1 * a2;
    const bool shortcut = a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0;
    const bool factor = std::gcd(std::gcd(a1, b1), c1) != 1 || std::gcd(std::gcd(a2, b2), c2) != 1;
    ASSERT_EQ(result.steps.size(), shortcut ? 4u : 4u + (factor ? 1 : 0) + (D != 0 ? 1 : 0));
    if (!shortcut && method != M::substitution) {
        // The scaled rows eliminate the chosen variable: its coefficient in the
        // result row is 0, whether the method adds or subtracts.
        const auto rows = combineEquations(testing::factsOf(integerSystem(a1, b1, c1, a2, b2, c2),
                                                            {.variable = variable, .use_LCM = mode, .method = method}),
                                           false);
        ASSERT_TRUE(rows.has_value());
        ASSERT_EQ(rows->equations[2].LHS.terms.size(), 2u);
        EXPECT_EQ(rows->equations[2].LHS.terms[variable == V::x ? 0 : 1].coefficient.numerator, 0);
        if (method == M::addition) {
            EXPECT_EQ(rows->operatorText, "+");
        }
    }
    EXPECT_EQ(result.comments.front(), Captions{"🤔"});
    EXPECT_EQ(result.comments.back(), Captions{"😎"});
    for (const StepLines& step : result.steps) {
        for (const TagLayout& line : step) {
            for (const char* refusal : {"division by zero", "numbers too large", "not linear in one variable",
                                        "please correct", "unexpected error"}) {
                ASSERT_EQ(testing::lineText(line).find(refusal), std::string::npos) << refusal;
            }
        }
    }
    const StepLines& closing = result.steps.back();
    ASSERT_EQ(closing.size(), D != 0 ? 8u : Dx == 0 && Dy == 0 ? 7u : 6u);
    if (D != 0) {
        EXPECT_EQ(testing::messageText(closing[4]), "one solution");
        EXPECT_EQ(closing[5], valueLine('x', Dx, D));
        EXPECT_EQ(closing[6], valueLine('y', Dy, D));
    } else {
        EXPECT_EQ(testing::messageText(closing[4]), Dx == 0 && Dy == 0 ? "infinite solutions" : "no solution");
    }
}

// Mostly anything in range, sometimes a small number; half the systems have
// a second equation that is a multiple of the first (its constant kept or
// not), so that dependent and inconsistent systems occur.
Coefficients drawSystem(std::mt19937_64& engine) {
    const auto draw = [&engine](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    Coefficients k;
    for (std::int64_t& value : k) value = draw(0, 2) == 0 ? draw(-12, 12) : draw(-999, 999);
    const std::int64_t m = draw(-3, 3);
    if (draw(0, 1) == 0 && m != 0 && std::abs(k[0] * m) <= 999 && std::abs(k[1] * m) <= 999 &&
        std::abs(k[2] * m) <= 999) {
        k[3] = k[0] * m;
        k[4] = k[1] * m;
        if (draw(0, 1) == 0) k[5] = k[2] * m;
    }
    return k;
}

constexpr M kMethods[] = {M::addition, M::elimination, M::substitution};

// A worked solution takes milliseconds under the sanitizers, so each system
// is solved by one method in turn (the first ones by all three). The smart
// advice of the linear working draws from a seeded source.
TEST(WorkedSolution, RandomSystemsOfTheEntryRange) {
    SystemRandomSource draws(20261207);
    testing::ScopedDefaultRandom scoped(draws);
    std::mt19937_64 engine(8);
    for (int i = 0; i < 1500 && !::testing::Test::HasFailure(); ++i) {
        const Coefficients k = drawSystem(engine);
        if (i < 50) {
            for (M method : kMethods) checkSolution(k, engine, method);
        } else {
            checkSolution(k, engine, kMethods[i % 3]);
        }
    }
}

TEST(WorkedSolution, CornerValuesOfTheEntryRange) {
    SystemRandomSource draws(7);
    testing::ScopedDefaultRandom scoped(draws);
    std::mt19937_64 engine(9);
    constexpr std::int64_t kValues[] = {-999, 0, 999};
    for (int index = 0; index < 729 && !::testing::Test::HasFailure(); ++index) {
        Coefficients k;
        for (int i = 0, rest = index; i < 6; ++i, rest /= 3) k[i] = kValues[rest % 3];
        checkSolution(k, engine, kMethods[index % 3]);
    }
    // Beyond the range: every value in the working of -x − 2³¹y = 1, x − y = 0
    // fits in 64 bits, whatever the method and the choices drawn.
    for (int i = 0; i < 24; ++i) checkSolution({-1, -2147483648, 1, 1, -1, 0}, engine, kMethods[i % 3]);
}

}  // namespace
}  // namespace duolinear

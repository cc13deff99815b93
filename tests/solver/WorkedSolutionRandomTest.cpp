// Systems as the entry screens give them (six integers from -999 to 999):
// each gets a complete worked solution, nothing is refused on the way, and
// the closing verdict agrees with the determinants.

#include "solver/SolverDriver.h"

#include "StepReading.h"
#include "algebra/AlgebraLayouts.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>

namespace duolinear {
namespace {

using Coefficients = std::array<std::int64_t, 6>;  // a1, b1, c1, a2, b2, c2
constexpr Duolinear_method kMethods[] = {Duolinear_method::addition, Duolinear_method::elimination,
                                         Duolinear_method::substitution};

using SeededRandom = SystemRandomSource;  // repeatable draws of the smart advice

// x or y = numerator / denominator, in lowest terms with the sign on top.
TagLayout valueLine(char letter, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t g = std::gcd(numerator, denominator) * (denominator < 0 ? -1 : 1);
    return equationLayout(PolyEquation{{Monomial{Rational{1, 1}, 1, letter}},
                                       {Monomial{Rational{numerator / g, denominator / g}, 0}}},
                          Style::fraction);
}

void checkSolution(const Coefficients& k, std::mt19937_64& engine, Duolinear_method method) {
    const auto [a1, b1, c1, a2, b2, c2] = k;
    const auto bit = [&engine] { return std::uniform_int_distribution<int>(0, 1)(engine) == 1; };
    const Duolinear_variable variable = bit() ? Duolinear_variable::y : Duolinear_variable::x;
    const Duolinear_equation equation = bit() ? Duolinear_equation::second : Duolinear_equation::first;
    const Duolinear_LCM mode = bit() ? Duolinear_LCM::smart : Duolinear_LCM::LCM;
    SCOPED_TRACE(::testing::Message() << a1 << "x + " << b1 << "y = " << c1 << ", " << a2 << "x + " << b2 << "y = "
                                      << c2 << " by " << rawValue(method) << ", " << rawValue(variable) << ", "
                                      << rawValue(equation) << ", " << rawValue(mode));
    const WorkedSteps result = solveDuolinearSystem(testing::integerSystem(a1, b1, c1, a2, b2, c2), variable,
                                                    equation, mode, method, false);
    ASSERT_EQ(result.steps.size(), result.comments.size());
    if ((a1 == 0 && b1 == 0) || (a2 == 0 && b2 == 0)) {
        ASSERT_EQ(result.steps.size(), 1u);
        EXPECT_EQ(testing::messageText(result.steps[0][0]), "missing variable term");
        return;
    }

    // Opening and closing; the shortcut's two steps, or the advice on a
    // common factor, two steps of the method and the substitution of a value.
    const std::int64_t D = a1 * b2 - b1 * a2, Dx = c1 * b2 - b1 * c2, Dy = a1 * c2 - c1 * a2;
    const bool shortcut = a1 == 0 || b1 == 0 || a2 == 0 || b2 == 0;
    const bool factor = std::gcd(std::gcd(a1, b1), c1) != 1 || std::gcd(std::gcd(a2, b2), c2) != 1;
    ASSERT_EQ(result.steps.size(), shortcut ? 4u : 4u + (factor ? 1 : 0) + (D != 0 ? 1 : 0));
    const std::vector<std::string> captions = testing::captions(result.comments);
    EXPECT_EQ(captions.front(), "🤔");
    EXPECT_EQ(captions.back(), "😎");
    for (const StepLines& step : result.steps) {
        for (const TagLayout& line : step) {
            for (const char* refusal : {"division by zero", "please correct", "unexpected error"}) {
                ASSERT_EQ(testing::lineText(line).find(refusal), std::string::npos) << refusal;
            }
        }
    }

    const StepLines& closing = result.steps.back();
    ASSERT_GE(closing.size(), 5u);
    if (D != 0) {
        ASSERT_EQ(closing.size(), 8u);
        EXPECT_EQ(testing::messageText(closing[4]), "one solution");
        EXPECT_EQ(closing[5], valueLine('x', Dx, D));
        EXPECT_EQ(closing[6], valueLine('y', Dy, D));
    } else {
        EXPECT_EQ(testing::messageText(closing[4]), Dx == 0 && Dy == 0 ? "infinite solutions" : "no solution");
    }
}

// Mostly anything in range, sometimes a corner or a small number; half the
// systems have a second equation that is a multiple of the first (its
// constant kept or not), so that dependent and inconsistent systems occur.
Coefficients drawSystem(std::mt19937_64& engine) {
    const auto draw = [&engine](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    static constexpr std::int64_t kCorners[] = {-999, -1, 0, 1, 999};
    Coefficients k;
    for (std::int64_t& value : k) {
        const std::int64_t kind = draw(0, 9);
        value = kind == 0 ? kCorners[draw(0, 4)] : kind <= 3 ? draw(-12, 12) : draw(-999, 999);
    }
    const std::int64_t m = draw(-3, 3);
    if (draw(0, 1) == 0 && m != 0 && std::abs(k[0] * m) <= 999 && std::abs(k[1] * m) <= 999 &&
        std::abs(k[2] * m) <= 999) {
        k[3] = k[0] * m;
        k[4] = k[1] * m;
        if (draw(0, 1) == 0) k[5] = k[2] * m;
    }
    return k;
}

// A worked solution takes milliseconds under the sanitizers, so each system
// is solved by one method in turn (the first ones by all three).
TEST(WorkedSolutionRandom, RandomSystemsOfTheEntryRange) {
    SeededRandom draws(20261207);
    testing::ScopedDefaultRandom scoped(draws);
    std::mt19937_64 engine(8);
    for (int i = 0; i < 1500 && !::testing::Test::HasFailure(); ++i) {
        const Coefficients k = drawSystem(engine);
        if (i < 50) {
            for (Duolinear_method method : kMethods) checkSolution(k, engine, method);
        } else {
            checkSolution(k, engine, kMethods[i % 3]);
        }
    }
}

TEST(WorkedSolutionRandom, CornerValuesOfTheEntryRange) {
    SeededRandom draws(7);
    testing::ScopedDefaultRandom scoped(draws);
    std::mt19937_64 engine(9);
    constexpr std::int64_t kValues[] = {-999, 0, 999};
    for (int index = 0; index < 729 && !::testing::Test::HasFailure(); ++index) {
        Coefficients k;
        for (int i = 0, rest = index; i < 6; ++i, rest /= 3) k[i] = kValues[rest % 3];
        checkSolution(k, engine, kMethods[index % 3]);
    }
}

}  // namespace
}  // namespace duolinear

#include "solver/Determinants.h"

#include "SystemBuilders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::solverEquation;
using T = Duolinear_solution_type;
using Fraction = std::pair<std::int64_t, std::int64_t>;

Fraction parts(const Rational& r) { return {r.numerator, r.denominator}; }
std::optional<Fraction> parts(const std::optional<Rational>& r) {
    return r ? std::optional<Fraction>(parts(*r)) : std::nullopt;
}

TEST(Determinants, CramerTable) {
    struct Case {
        std::int64_t a1, b1, c1, a2, b2, c2;
        std::int64_t D, Dx, Dy;
        T type;
        std::optional<Fraction> x, y;
    };
    const Case cases[] = {
        {2, 3, 7, 1, -1, 1, -5, -10, -5, T::one, Fraction{2, 1}, Fraction{1, 1}},
        {2, 4, 1, 3, -1, 2, -14, -9, 1, T::one, Fraction{9, 14}, Fraction{-1, 14}},
        {1, 1, 1, 2, 2, 5, 0, -3, 3, T::none, std::nullopt, std::nullopt},
        {0, 2, 6, 0, 4, 10, 0, 4, 0, T::none, std::nullopt, std::nullopt},  // Dx alone non-zero
        {2, 4, 6, 1, 2, 3, 0, 0, 0, T::infinite, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a1 << " " << c.b1 << " " << c.c1 << " / " << c.a2 << " " << c.b2);
        const auto d = systemDeterminants(*systemCoefficients(integerSystem(c.a1, c.b1, c.c1, c.a2, c.b2, c.c2)));
        ASSERT_TRUE(d);
        EXPECT_EQ(parts(d->D), Fraction(c.D, 1));
        EXPECT_EQ(parts(d->Dx), Fraction(c.Dx, 1));
        EXPECT_EQ(parts(d->Dy), Fraction(c.Dy, 1));
        const auto verdict = verdictFromDeterminants(*d);
        ASSERT_TRUE(verdict);
        EXPECT_EQ(verdict->type, c.type);
        EXPECT_EQ(parts(verdict->x), c.x);
        EXPECT_EQ(parts(verdict->y), c.y);
    }
}

TEST(Determinants, NoValueForOverflowZeroDenominatorOrWrongShape) {
    constexpr std::int64_t kMax = INT64_MAX;
    EXPECT_FALSE(systemVerdict(integerSystem(kMax, -kMax, 1, 1, 1, 1)));  // D = 2·kMax
    EXPECT_FALSE(systemVerdict(integerSystem(1, 1, kMax, 1, 2, 0)));      // Dx = 2·kMax

    Duolinear broken = integerSystem(1, 1, 1, 1, -1, 0);
    broken.equations[1].RHS.terms[0].coefficient = Rational{1, 0};
    EXPECT_FALSE(systemVerdict(broken));
    broken = integerSystem(1, 1, 1, 1, -1, 0);
    broken.equations[0].LHS.terms.pop_back();
    EXPECT_FALSE(systemVerdict(broken));
    EXPECT_FALSE(systemVerdict(Duolinear{}));
}

TEST(Determinants, CommonLineTable) {
    struct Case {
        std::int64_t a, b, c;
        char letter;
        std::vector<Fraction> right;  // the x term first when there is one, then the constant
    };
    const Case cases[] = {
        {2, 4, 6, 'y', {{-1, 2}, {3, 2}}},  {2, 4, 0, 'y', {{-1, 2}}},  // zero constant dropped
        {-6, -4, 2, 'y', {{-3, 2}, {-1, 2}}}, {0, 2, 6, 'y', {{3, 1}}},
        {3, 0, 6, 'x', {{2, 1}}},           {3, 0, 0, 'x', {{0, 1}}},   // zero constant kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << "x + " << c.b << "y = " << c.c);
        const auto line = commonLineEquation(solverEquation(Rational{c.a, 1}, Rational{c.b, 1}, Rational{c.c, 1}));
        ASSERT_TRUE(line);
        ASSERT_EQ(line->LHS.terms.size(), 1u);
        EXPECT_EQ(line->LHS.terms[0].variable, c.letter);
        std::vector<Fraction> right;
        for (const Monomial& term : line->RHS.terms) right.push_back(parts(term.coefficient));
        EXPECT_EQ(right, c.right);
        EXPECT_EQ(line->RHS.terms[0].exponent, c.a != 0 && c.b != 0 ? 1u : 0u);  // the slope term
    }
    EXPECT_FALSE(commonLineEquation(solverEquation(Rational{0, 1}, Rational{0, 1}, Rational{1, 1})));
}

}  // namespace
}  // namespace duolinear

#include <cstdint>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "solver/Classification.h"
#include "solver/Determinants.h"
#include "support/LayoutReading.h"

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::messageText;
using T = Duolinear_solution_type;
using Fraction = std::pair<std::int64_t, std::int64_t>;

Fraction parts(const Rational& r) {
    return {r.numerator, r.denominator};
}
std::optional<Fraction> parts(const std::optional<Rational>& r) {
    return r ? std::optional<Fraction>(parts(*r)) : std::nullopt;
}

TEST(Classification, CramerTableAndVerdictLines) {
    struct Case {
        std::int64_t a1, b1, c1, a2, b2, c2;
        std::int64_t D, Dx, Dy;
        T type;
        std::optional<Fraction> x, y;
        std::vector<std::string> messages;  // after the two blank lines
        std::string commonLine = "";        // read from the first equation
    };
    const std::vector<std::string> one{"one solution", "", "", "graphs are nonparallel lines"};
    const std::vector<std::string> none{"no solution", "graphs are distinct parallel lines"};
    const std::vector<std::string> same{"infinite solutions", "graphs are the same line", ""};
    const Case cases[] = {
        {2, 3, 7, 1, -1, 1, -5, -10, -5, T::one, Fraction{2, 1}, Fraction{1, 1}, one},
        {2, 4, 1, 3, -1, 2, -14, -9, 1, T::one, Fraction{9, 14}, Fraction{-1, 14}, one},
        {1, 1, 1, 2, 2, 5, 0, -3, 3, T::none, std::nullopt, std::nullopt, none},
        {0, 2, 6, 0, 4, 10, 0, 4, 0, T::none, std::nullopt, std::nullopt, none},  // Dx alone non-zero
        {2, 4, 6, 1, 2, 3, 0, 0, 0, T::infinite, std::nullopt, std::nullopt, same, "y = -[1/2]x + [3/2]"},
        // The second equation's own line would need -1/min.
        {1, 1, 1, INT64_MIN, INT64_MIN, INT64_MIN, 0, 0, 0, T::infinite, std::nullopt, std::nullopt, same,
         "y = -x + 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a1 << " " << c.b1 << " " << c.c1 << " / " << c.a2 << " " << c.b2);
        const Duolinear system = integerSystem(c.a1, c.b1, c.c1, c.a2, c.b2, c.c2);
        const auto d = systemDeterminants(*systemCoefficients(system));
        ASSERT_TRUE(d);
        EXPECT_EQ(parts(d->D), Fraction(c.D, 1));
        EXPECT_EQ(parts(d->Dx), Fraction(c.Dx, 1));
        EXPECT_EQ(parts(d->Dy), Fraction(c.Dy, 1));

        const auto result = classifyDuolinearSystem(system);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->type, c.type);
        EXPECT_EQ(parts(result->x), c.x);
        EXPECT_EQ(parts(result->y), c.y);
        ASSERT_EQ(result->lines.size(), 2 + c.messages.size());
        EXPECT_TRUE(testing::isBlankLine(result->lines[0]) && testing::isBlankLine(result->lines[1]));
        for (std::size_t i = 0; i < c.messages.size(); ++i) EXPECT_EQ(messageText(result->lines[2 + i]), c.messages[i]);
        if (c.type == T::infinite) {
            EXPECT_EQ(testing::readLayout(result->lines.back()), c.commonLine);
        }
    }
}

// Whole coefficients: the determinants may leave 64 bits while x and y fit.
TEST(Classification, ValuesThatFitWhateverTheDeterminants) {
    const struct {
        std::int64_t a1, b1, c1, a2, b2, c2;
        T type;
        std::optional<Fraction> x, y;
    } cases[] = {
        {-1, 0, -3037000500, 0, -3037000500, -1, T::one, Fraction{3037000500, 1}, Fraction{1, 3037000500}},
        {INT64_MAX, -INT64_MAX, 1, 1, 1, 1, T::one, Fraction{INT64_C(1) << 62, INT64_MAX},
         Fraction{(INT64_C(1) << 62) - 1, INT64_MAX}},
        {INT64_MAX, INT64_MAX, 1, INT64_MAX, INT64_MAX, 2, T::none, std::nullopt, std::nullopt},  // Dx = -max
        {INT64_C(1) << 40, INT64_C(1) << 40, INT64_C(3) << 40, INT64_C(1) << 41, INT64_C(1) << 41, INT64_C(3) << 41,
         T::infinite, std::nullopt, std::nullopt},  // products of 2^81
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a1 << " " << c.b1 << " " << c.c1 << " / " << c.a2 << " " << c.b2);
        const auto result = classifyDuolinearSystem(integerSystem(c.a1, c.b1, c.c1, c.a2, c.b2, c.c2));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->type, c.type);
        EXPECT_EQ(parts(result->x), c.x);
        EXPECT_EQ(parts(result->y), c.y);
    }

    // Systems built around a known solution x = p/q, y = r/s with
    // coefficients near 2^40: a = q·u and b = s·v make c whole, and D, of
    // the order of 2^80, is far beyond 64 bits.
    std::mt19937_64 engine(402);
    const auto draw = [&engine](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(engine);
    };
    for (int i = 0; i < 500; ++i) {
        const std::int64_t q = draw(1, 60), s = draw(1, 60);
        const std::int64_t p = draw(-999, 999), r = draw(-999, 999);
        std::int64_t u[2], v[2];
        for (int k = 0; k < 2; ++k) {
            u[k] = draw(INT64_C(1) << 30, INT64_C(1) << 34) * (draw(0, 1) ? 1 : -1);
            v[k] = draw(INT64_C(1) << 30, INT64_C(1) << 34) * (draw(0, 1) ? 1 : -1);
        }
        if (static_cast<__int128>(u[0]) * v[1] == static_cast<__int128>(v[0]) * u[1]) continue;
        const auto system = integerSystem(q * u[0], s * v[0], u[0] * p + v[0] * r, q * u[1], s * v[1], u[1] * p + v[1] * r);
        const auto result = classifyDuolinearSystem(system);
        ASSERT_TRUE(result) << p << "/" << q << ", " << r << "/" << s;
        EXPECT_EQ(result->type, T::one);
        EXPECT_EQ(parts(result->x), Fraction(p / std::gcd(p, q), q / std::gcd(p, q)));
        EXPECT_EQ(parts(result->y), Fraction(r / std::gcd(r, s), s / std::gcd(r, s)));
    }
}

// Coefficients that are not whole are classified in exact fractions too.
TEST(Classification, FractionalCoefficients) {
    Duolinear system = integerSystem(1, 1, 1, 1, -1, 1);
    system.equations[0].LHS.terms[0].coefficient = Rational{1, 2};   // x/2 + y = 1
    system.equations[1].RHS.terms[0].coefficient = Rational{-3, 4};  // x − y = -3/4
    const auto one = classifyDuolinearSystem(system);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->type, T::one);
    EXPECT_EQ(parts(one->x), Fraction(1, 6));
    EXPECT_EQ(parts(one->y), Fraction(11, 12));
    system.equations[1].LHS.terms[0].coefficient = Rational{-2, 4};  // -x/2 − y = -3/4: parallel
    const auto none = classifyDuolinearSystem(system);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->type, T::none);
}

TEST(Classification, CommonLineTable) {
    struct Case {
        std::int64_t a, b, c;
        char letter;
        std::vector<Fraction> right;  // the x term first when there is one, then the constant
    };
    const Case cases[] = {
        {2, 4, 6, 'y', {{-1, 2}, {3, 2}}},
        {2, 4, 0, 'y', {{-1, 2}}},  // zero constant dropped
        {-6, -4, 2, 'y', {{-3, 2}, {-1, 2}}},
        {0, 2, 6, 'y', {{3, 1}}},
        {3, 0, 6, 'x', {{2, 1}}},
        {3, 0, 0, 'x', {{0, 1}}},  // zero constant kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << "x + " << c.b << "y = " << c.c);
        const auto line = commonLineEquation(testing::row(c.a, c.b, c.c));
        ASSERT_TRUE(line);
        ASSERT_EQ(line->LHS.terms.size(), 1u);
        EXPECT_EQ(line->LHS.terms[0].variable, c.letter);
        EXPECT_EQ(line->LHS.terms[0].exponent, 1u);
        EXPECT_EQ(parts(line->LHS.terms[0].coefficient), Fraction(1, 1));
        EXPECT_EQ(line->relation, Relation::equal_to);
        std::vector<Fraction> right;
        for (const Monomial& term : line->RHS.terms) right.push_back(parts(term.coefficient));
        EXPECT_EQ(right, c.right);
        EXPECT_EQ(line->RHS.terms[0].exponent, c.a != 0 && c.b != 0 ? 1u : 0u);  // the slope term
    }
    // No line, and quotients or a slope beyond 64 bits.
    for (const PolyEquation& e : {testing::row(0, 0, 1), testing::row(-1, 0, INT64_MIN), testing::row(0, -1, INT64_MIN),
                                  testing::row(INT64_MIN, 1, 0), testing::row(1, -1, INT64_MIN)}) {
        EXPECT_FALSE(commonLineEquation(e)) << testing::readEquation(e);
    }
}

TEST(Classification, NoValueForOverflowZeroDenominatorOrWrongShape) {
    Duolinear undefined = integerSystem(1, 1, 1, 1, -1, 0);
    undefined.equations[1].RHS.terms[0].coefficient = Rational{1, 0};
    Duolinear short_ = integerSystem(1, 1, 1, 1, -1, 0);
    short_.equations[0].LHS.terms.pop_back();
    for (const Duolinear& system : {integerSystem(INT64_MAX, 2, 1, 3, INT64_MAX, 1),  // x = (max − 2)/(max² − 6)
                                    integerSystem(1, 1, INT64_MAX, 1, 2, 0),            // x = 2·max
                                    integerSystem(INT64_MIN, 1, 0, INT64_MIN, 1, 0),    // the common line's slope 2^63
                                    undefined, short_, Duolinear{}}) {
        EXPECT_FALSE(classifyDuolinearSystem(system));
    }
}

}  // namespace
}  // namespace duolinear

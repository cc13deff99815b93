// Taking common monomial factors and leading minus signs out of factored
// polynomials, and a randomized check that every picture keeps the value of
// the polynomial it started from.

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FactoredText.h"
#include "algebra/RandomSource.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear {
namespace {

using namespace testing;

template <std::size_t N>
std::string pictures(const std::optional<std::array<Polynomial_XL, N>>& p, Color mark = Color::red) {
    if (!p) return "none";
    std::string out;
    for (const Polynomial_XL& picture : *p) out += (out.empty() ? "" : " => ") + testing::text(picture, mark);
    return out;
}

TEST(FactorExtraction, CommonMonomialFactorQuestions) {
    const std::vector<std::pair<std::string, bool>> has{
        {"[2x, 4]", true},    {"[x^2, x]", true},
        {"[-x, 1]", false},   {"[6x]", false},
        {"[0, 4x]", true},    {"[x, 1] [2x, 4] [3(0)(1)]", true},
        {"[x] [2]", false},   {"[2x, 4] [x, 1] [3(0)(1)]", false},
        {"[0x^2, 0x]", true},  // g = 0 but e = 1
    };
    for (const auto& [input, expected] : has) EXPECT_EQ(hasCommonMonomialFactor(xl(input)), expected) << input;

    EXPECT_EQ(text(commonMonomialFactor(xl("[-x, 1]"))), "-1");
    EXPECT_EQ(text(commonMonomialFactor(xl("[x, 1]"))), "none");
    EXPECT_EQ(text(commonMonomialFactor(xl("[6x^2, 9x]"))), "3x");
    EXPECT_EQ(text(commonMonomialFactor(xl("[-4y^3, 6y^2] [2(0)]"))), "-2y^2");  // group 0, not the focus
    EXPECT_EQ(text(commonMonomialFactor(xl("[x]"))), "none");
}

TEST(FactorExtraction, CommonFactorPictures) {
    struct Case {
        bool negateLeading;
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases{
        {false, "[6x^2, 9x]", "[*6x^2, *9x] => [*2x, *3] [*3x*(0)]"},
        {true, "[-6x^2, 9x]", "[*-6x^2, *9x] => [*2x, *-3] [*-3x*(0)]"},
        {false, "[-6x^2, 9x]", "[*-6x^2, *9x] => [*-2x, *3] [*3x*(0)]"},
        {false, "[3/2x, 3/4]", "[*3/2x, *3/4] => [*1/2x, *1/4] [*3*(0)]"},  // denominators kept
        {false, "[0x^2, 0x]", "none"},                                      // g = 0
        // The shape left by factoring out −1, and the third negation picture.
        {false, "[-1] [2x, 4] [1(0)(1)]", "[-1] [*2x, *4] [1(0)*(1)] => [-1] [*2] [*x, *2] [1(0)*(1)*(2)]"},
        {true, "[-4, 2x] [-1(0)]", "[*-4, *2x] [-1*(0)] => [-1] [*2] [*-2, *x] [1(0)*(1)*(2)]"},  // −(F) stays
        // Any other shape would lose the root's other factors or coefficient.
        {false, "[x] [2x, 4] [3(0)(1)]", "none"},
        {false, "[x, 1] [2x, 4] [1(0)(1)]", "none"},
        {false, "[-1] [2x, 4] [1(0)(1)^2]", "none"},
        {false, "[x, 1] [2x(0), 4] [-1(1)]", "none"},  // the focus group's terms have factors
        {false, "[2x(0), 4]", "none"},                 // a pointer that does not point back
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pictures(commonFactorPictures(c.negateLeading, Color::red, xl(c.input))), c.expected) << c.input;
    }
}

TEST(FactorExtraction, LeadingMinus) {
    const std::vector<std::pair<std::string, std::string>> negation{
        {"[x, 1] [x, -2] [-3(0)(1)]", "[x, -2] => [-2, x] => [2, -x] [-1(0)]"},
        {"[x, -1] [2x, 2] [-3(0)(1)]", "[x, -1] => [-1, x] => [1, -x] [-1(0)]"},
        {"[x, 1] [x, 2] [-3(0)(1)]", "none"},
        {"[x, 1] [-x(0)]", "none"},
        {"[x, 1] [x^2, -2] [-3(0)(1)]", "none"},  // the chosen factor is not linear
        {"[x, 1] [x, -2, 5] [-3(0)(1)]", "none"},
    };
    for (const auto& [input, expected] : negation) EXPECT_EQ(pictures(negationPictures(xl(input))), expected) << input;

    const std::vector<std::pair<std::string, std::string>> absorbed{
        {"[x, 1] [x, -2] [-3(0)(1)]", "[*1, *x] [*2, *-x] [*3*(0)*(1)]"},
        {"[2x, -1] [x, 3] [-5x^2(0)(1)]", "[*1, *-2x] [*3, *x] [*5x^2*(0)*(1)]"},
        {"[x, 1] [x, -2] [x, 5] [-3(0)(1)(2)]", "none"},  // a third factor would be lost
        {"[x, 1] [x, -2] [-3(0)^2(1)]", "none"},          // a square keeps its sign
        {"[x, 1] [x, -2] [-3/2(0)(1)]", "none"},
        {"[x, 1] [x, 2] [-3(0)(1)]", "none"},
    };
    for (const auto& [input, expected] : absorbed) {
        EXPECT_EQ(text(leadingMinusAbsorbed(Color::red, xl(input)), Color::red), expected) << input;
    }
    Polynomial_XL least = xl("[x, 1] [x, -2] [-3(0)(1)]");
    least.terms[2][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(leadingMinusAbsorbed(Color::red, least), std::nullopt);
}

::testing::AssertionResult sameValue(const Polynomial_XL& a, const Polynomial_XL& b) {
    for (const double x : {-2.5, -1.0, 0.5, 3.0}) {
        const double va = valueOf(a, a.terms.size() - 1, x);
        const double vb = valueOf(b, b.terms.size() - 1, x);
        if (std::abs(va - vb) > 1e-9 * std::max(1.0, std::abs(va))) {
            return ::testing::AssertionFailure()
                   << text(a) << " is " << va << " but " << text(b) << " is " << vb << " at x = " << x;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(FactorExtraction, RandomPicturesKeepTheValue) {
    SystemRandomSource draws(5150);
    const auto nonzero = [&draws](std::int64_t bound) {
        const std::int64_t v = draws.uniformInt(1, bound);
        return draws.fairBool() ? v : -v;
    };
    const auto term = [](std::int64_t c, std::uint64_t e) { return Term_XL{Monomial{Rational{c, 1}, e}, {}}; };
    for (int round = 0; round < 200; ++round) {
        // s·x^m·(a·x + b)(c·x + d), expanded, then simplified step by step.
        const std::int64_t s = nonzero(4);
        const std::uint64_t m = static_cast<std::uint64_t>(draws.uniformInt(0, 2));
        const std::int64_t a = draws.uniformInt(1, 5), b = nonzero(6), c = draws.uniformInt(1, 5), d = nonzero(6);
        Polynomial_XL p{{{term(s * a * c, m + 2), term(s * (a * d + b * c), m + 1), term(s * b * d, m)}}};
        const Polynomial_XL start = p;
        for (int step = 0; step < 6; ++step) {
            std::optional<std::array<Polynomial_XL, 2>> next;
            if (hasCommonMonomialFactor(p)) {
                next = commonFactorPictures(step == 0, Color::red, p);
            } else if (canFactorFocusGroup(p)) {
                next = factorFocusGroupPictures(Color::blue, p);
            }
            if (!next) break;
            EXPECT_TRUE(sameValue(start, (*next)[0]));
            EXPECT_TRUE(sameValue(start, (*next)[1]));
            p = (*next)[1];
            const Outcome<Polynomial_XL> absorbed = monomialFactorsAbsorbed(false, p);
            ASSERT_FALSE(absorbed.failed);
            if (absorbed.value) {
                EXPECT_TRUE(sameValue(start, *absorbed.value));
            }
        }

        // k·x^j raised to a power, absorbed into s·x^m before (a·x + b).
        const std::uint64_t power = static_cast<std::uint64_t>(draws.uniformInt(0, 3));
        const Polynomial_XL absorbable{{{term(nonzero(3), static_cast<std::uint64_t>(draws.uniformInt(0, 2)))},
                                        {term(a, 1), term(b, 0)},
                                        {Term_XL{Monomial{Rational{s, 1}, m}, {{0, power}, {1, 1}}}}}};
        const Outcome<Polynomial_XL> absorbed = monomialFactorsAbsorbed(false, absorbable);
        ASSERT_TRUE(absorbed.value) << text(absorbable);
        EXPECT_TRUE(sameValue(absorbable, *absorbed.value));

        // −k·x^e·(a·x + b)(c·x + d) with exactly one negative constant.
        const std::int64_t b0 = draws.uniformInt(1, 6);
        const std::int64_t b1 = -draws.uniformInt(1, 6);
        const bool negativeFirst = draws.fairBool();
        const Polynomial_XL minus{{{term(a, 1), term(negativeFirst ? b1 : b0, 0)},
                                   {term(c, 1), term(negativeFirst ? b0 : b1, 0)},
                                   {Term_XL{Monomial{Rational{-draws.uniformInt(1, 5), 1}, m}, {{0, 1}, {1, 1}}}}}};
        const std::optional<Polynomial_XL> flipped = leadingMinusAbsorbed(Color::red, minus);
        ASSERT_TRUE(flipped) << text(minus);
        EXPECT_TRUE(sameValue(minus, *flipped));
        const auto negated = negationPictures(minus);
        ASSERT_TRUE(negated);
        EXPECT_TRUE(sameValue((*negated)[0], (*negated)[1]));
        EXPECT_TRUE(sameValue((*negated)[0], (*negated)[2]));
        const auto extracted = commonFactorPictures(false, Color::red, (*negated)[2]);
        if (extracted) {
            EXPECT_TRUE(sameValue((*negated)[2], (*extracted)[1]));
        }
    }
}

}  // namespace
}  // namespace duolinear

// Guess-and-check factoring: the root search, synthetic division, the chain
// of factors, and the before/after pictures of factoring a focus group.

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FactoredText.h"
#include "algebra/IntegerFunctions.h"
#include "algebra/RandomSource.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear {
namespace {

using namespace testing;

std::string text(const Outcome<std::vector<Polynomial_XL>>& outcome) {
    if (outcome.failed) return "failed";
    if (!outcome.value) return "nothing";
    std::string out;
    for (const Polynomial_XL& p : *outcome.value) out += (out.empty() ? "" : " | ") + testing::text(p);
    return out;
}

std::string pictures(const std::optional<std::array<Polynomial_XL, 2>>& p, Color mark = Color::red) {
    return p ? testing::text((*p)[0], mark) + " => " + testing::text((*p)[1], mark) : "none";
}

TEST(GuessAndCheck, RootSearchAndDivision) {
    const std::vector<std::pair<std::string, std::string>> factor{
        {"[x^2, -5x, 6]", "[x, -2]"},  // p = 1: q = 1 (−1, 1), q = 2 (−2, then 2)
        {"[x^2, 1]", "nothing"},
        {"[x^2, 3x, 0]", "nothing"},  // constant 0: no candidate
        {"[x^2, 3x]", "[x, 3]"},      // the last term's numerator is read as the constant
        {"[6x^2, 7x, 2]", "[2x, 1]"},
        {"[4x^2, -1]", "[2x, 1]"},
        {"[-x^2, 1]", "failed"},  // a leading coefficient that is not positive
        {"[0]", "failed"},
        {"[x^2, 1] [1(0)]", "failed"},
        {"[x^40, -3]", "failed"},  // no root, and the trial of 3 does not fit
        // The trials of q = 2^31 and 2^32 do not fit; p = 2 then finds 1/2.
        {"[2x^3, -x^2, 8589934592x, -4294967296]", "[2x, -1]"},
        {"[1/2x^2, 3/2x, 1]", "[x, 1]"},  // cleared of fractions: x² + 3x + 2
    };
    for (const auto& [input, expected] : factor) EXPECT_EQ(testing::text(linearFactor(xl(input))), expected) << input;
    // Trying every pair stops at the first root: x² − 1 tries −1 and not 1.
    EXPECT_EQ(firstRationalRoot({1, 0, -1}).trials, 1u);

    const std::vector<std::array<std::string, 3>> division{
        {"[2x, 1]", "[6x^2, 7x, 2]", "[3x, 2]"},
        {"[x, -1]", "[x^3, -1]", "[x^2, x, 1]"},
        {"[x, 1]", "[x^3, 0x^5, 2x^2, x^2, 3x, 3]", "[x^2, 2x, 1]"},  // zero terms skipped, like powers added
        {"[0x, 1]", "[x^2, 1]", "none"},
        {"[x, 1]", "[0]", "none"},
        {"[x, -1]", "[x, 9223372036854775807]", "none"},    // the remainder does not fit
        {"[x, 1]", "[x, 9223372036854775807, 1]", "none"},  // nor the sum of like powers
    };
    for (const auto& [divisor, dividend, expected] : division) {
        EXPECT_EQ(testing::text(dividedByLinearFactor(xl(divisor), xl(dividend))), expected) << dividend;
    }
}

TEST(GuessAndCheck, ChainsOfFactors) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"[6x^2, 7x, 2]", "[2x, 1] | [3x, 2] | [1]"},
        {"[2x^2, 6x, 4]", "[x, 1] | [x, 2] | [2]"},
        {"[x^3, -x]", "[x, 1] | [x, -1] | [x]"},  // the third search, on x, finds nothing
        {"[x^3, x^2, x, 1]", "[x, 1] | [x^2, 1]"},
        {"[x^2, 1]", "nothing"},
        {"[x, 1]", "nothing"},
        {"[x^2]", "nothing"},
        {"[960x^4, -4576x^3, 3964x^2, 7920x, -10368]", "[3x, 4] | [4x, -9] | [4x, -9] | [5x, -8] | [4]"},
        // 27·168⁸ does not fit, but 1/3 is found after it.
        {"[27x^8, -9x^7, 15x^6, -5x^5, -6x^4, 2x^3, 3x^2, 503x, -168]", "[3x, -1] | [9x^7, 5x^5, -2x^3, x, 168]"},
        // Fractions keep their value: the quotient is divided by 2 again.
        {"[1/2x^2, -1/2]", "[x, 1] | [x, -1] | [1/2]"},
        {"[2/3x^3, -4/6x]", "[x, 1] | [x, -1] | [2/3x]"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(text(linearFactors(xl(input))), expected) << input;

    EXPECT_FALSE(canFactorFocusGroup(xl("[2x, 4]")));
    EXPECT_FALSE(canFactorFocusGroup(xl("[x^2, 1]")));
    EXPECT_TRUE(canFactorFocusGroup(xl("[x^2, -1]")));
    EXPECT_TRUE(canFactorFocusGroup(xl("[x, 1] [x^2, 3x, 2] [2(0)(1)]")));
    EXPECT_FALSE(canFactorFocusGroup(xl("[x^2, 3x, 2] [x, 1] [2(0)(1)]")));  // the focus is the last factor's
}

TEST(GuessAndCheck, FocusGroupPictures) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"[x^2, -1]", "[*x^2, *-1] => [*x, *1] [*x, *-1] [*1] [1*(0)*(1)*(2)]"},
        {"[x, 1] [x^2, -1] [2(0)(1)]",
         "[x, 1] [*x^2, *-1] [2(0)*(1)] => [x, 1] [*x, *1] [*x, *-1] [*1] [2(0)*(1)*(2)*(3)]"},
        {"[y^2, 5y, 6]", "[*y^2, *5y, *6] => [*y, *2y^0] [*y, *3y^0] [*1y^0] [1y^0*(0)*(1)*(2)]"},
        // Powers stay with their groups, the focus group's passes to its factors.
        {"[x, 1] [x^2, -1] [1(0)^2(1)^3]",
         "[x, 1] [*x^2, *-1] [1(0)^2*(1)^3] => [x, 1] [*x, *1] [*x, *-1] [*1] [1(0)^2*(1)^3*(2)^3*(3)^3]"},
        // The root's coefficient is kept whole, denominator included.
        {"[x^2, -1] [1/2(0)]", "[*x^2, *-1] [1/2*(0)] => [*x, *1] [*x, *-1] [*1] [1/2*(0)*(1)*(2)]"},
        // A group left unreferenced by absorption is not multiplied in.
        {"[3x] [x^2, -1] [6x(1)]", "[3x] [*x^2, *-1] [6x*(1)] => [3x] [*x, *1] [*x, *-1] [*1] [6x*(1)*(2)*(3)]"},
        // The focus group also named by another factor stays where it is.
        {"[x^2, -1] [1(0)(0)]", "[*x^2, *-1] [1(0)*(0)] => [x^2, -1] [*x, *1] [*x, *-1] [*1] [1(0)*(1)*(2)*(3)]"},
        {"[x^2, 1]", "none"},
        {"[9x^2, -4/2]", "none"},  // 9x² − 2 has no rational root
        {"[1/2x^2, -1/2]", "[*1/2x^2, *-1/2] => [*x, *1] [*x, *-1] [*1/2] [1*(0)*(1)*(2)]"},
        {"[x^2, -1] [2(0), 3]", "none"},  // a root of two terms
        {"[x^2, -1(1)] [2(0)]", "none"},  // a pointer that does not point back
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(pictures(factorFocusGroupPictures(Color::red, xl(input))), expected) << input;
    }
}

TEST(GuessAndCheck, QuadraticFactorOrder) {
    const auto after = [](const std::string& method, const std::string& input) {
        const auto p = quadraticFactorPictures(Color::blue, method, xl(input));
        return p ? testing::text((*p)[1]) : "none";
    };
    EXPECT_EQ(after("split the middle term", "[6x^2, 7x, 2]"), "[2x, 1] [3x, 2] [1] [1(0)(1)(2)]");
    EXPECT_EQ(after("split the middle term", "[6x^2, 5x, 1]"), "[3x, 1] [2x, 1] [1] [1(0)(1)(2)]");
    EXPECT_EQ(after("guess and check", "[6x^2, 5x, 1]"), "[2x, 1] [3x, 1] [1] [1(0)(1)(2)]");
    EXPECT_EQ(after("split the middle term", "[x^2, 1]"), "none");

    // Exchanged groups take their powers and colours with them.
    const auto squared = quadraticFactorPictures(Color::blue, "split", xl("[2x, 3] [3x^2, 4x, 1] [1(0)^2(1)]"));
    ASSERT_TRUE(squared);
    EXPECT_EQ(testing::text((*squared)[1], Color::blue), "[*x, *1] [2x, 3] [*3x, *1] [*1] [1*(0)(1)^2*(2)*(3)]");
}

TEST(GuessAndCheck, LeadingMinusTest) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"[x, 1] [x, -2] [-3(0)(1)]", true},
        {"[x, 1] [x, 2] [-3(0)(1)]", false},     // no negative constant
        {"[x, -1] [x, -2] [-3(0)(1)]", false},   // both negative
        {"[x, 1] [-x(0)]", false},               // fewer than three groups
        {"[x] [x, -2] [-3(0)(1)]", false},       // group 0 has no second term
        {"[x, 1/0] [x, -2] [-3(0)(1)]", false},  // an undefined coefficient
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(canAbsorbLeadingMinus(xl(input)), expected) << input;
}

// Coefficients by power of a plain polynomial, like powers added.
std::vector<std::int64_t> coefficients(const Polynomial_XL& p) {
    std::vector<std::int64_t> c;
    for (const Term_XL& t : p.terms.at(0)) {
        if (c.size() <= t.monomial.exponent) c.resize(t.monomial.exponent + 1, 0);
        EXPECT_EQ(t.monomial.coefficient.denominator, 1);
        c[t.monomial.exponent] += t.monomial.coefficient.numerator;
    }
    while (!c.empty() && c.back() == 0) c.pop_back();
    return c;
}

std::vector<std::int64_t> times(const std::vector<std::int64_t>& a, const std::vector<std::int64_t>& b) {
    if (a.empty() || b.empty()) return {};
    std::vector<std::int64_t> c(a.size() + b.size() - 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) c[i + j] += a[i] * b[j];
    }
    return c;
}

Polynomial_XL descendingPolynomial(const std::vector<std::int64_t>& c) {
    Polynomial_XL p{{{}}};
    for (std::size_t e = c.size(); e-- > 0;) {
        if (c[e] != 0) p.terms[0].push_back(Term_XL{Monomial{Rational{c[e], 1}, e}, {}});
    }
    return p;
}

TEST(GuessAndCheck, RandomProductsOfLinearFactorsMultiplyBack) {
    SystemRandomSource draws(20250125);
    const auto nonzero = [&draws](std::int64_t bound) {
        const std::int64_t v = draws.uniformInt(1, bound);
        return draws.fairBool() ? v : -v;
    };
    for (int round = 0; round < 400; ++round) {
        // (a·x + b)(c·x + d), and every third time a third factor.
        std::vector<std::int64_t> product =
            times({nonzero(9), draws.uniformInt(1, 6)}, {nonzero(9), draws.uniformInt(1, 6)});
        if (round % 3 == 0) product = times(product, {nonzero(5), draws.uniformInt(1, 4)});
        const Polynomial_XL p = descendingPolynomial(product);
        const Outcome<std::vector<Polynomial_XL>> found = linearFactors(p);
        ASSERT_TRUE(found.value) << testing::text(p);
        std::vector<std::int64_t> back{1};
        for (std::size_t i = 0; i < found.value->size(); ++i) {
            const Polynomial_XL& factor = (*found.value)[i];
            if (i + 1 < found.value->size()) {
                ASSERT_EQ(factor.terms[0].size(), 2u) << testing::text(factor);
                EXPECT_GT(factor.terms[0][0].monomial.coefficient.numerator, 0);
            } else {
                EXPECT_EQ(coefficients(factor).size(), 1u) << "a constant is left: " << testing::text(factor);
            }
            back = times(back, coefficients(factor));
        }
        EXPECT_EQ(back, product) << testing::text(p) << " -> " << text(found);
    }
}

TEST(GuessAndCheck, RandomQuadraticsFactorExactlyWhenTheDiscriminantIsASquare) {
    SystemRandomSource draws(77);
    for (int round = 0; round < 400; ++round) {
        const std::int64_t a = draws.uniformInt(1, 12);
        const std::int64_t b = draws.uniformInt(-20, 20);
        std::int64_t c = draws.uniformInt(-20, 20);
        if (c == 0) c = 1;
        const Polynomial_XL p = descendingPolynomial({c, b, a});
        const bool square = exactSquareRoot(b * b - 4 * a * c).has_value();
        const Outcome<std::vector<Polynomial_XL>> found = linearFactors(p);
        ASSERT_EQ(found.value.has_value(), square) << testing::text(p);
        EXPECT_EQ(quadraticFactorability(p) == Quadratic_Factorabilty::factors, square) << testing::text(p);
        if (!found.value) continue;
        std::vector<std::int64_t> back{1};
        for (const Polynomial_XL& factor : *found.value) back = times(back, coefficients(factor));
        EXPECT_EQ(back, (std::vector<std::int64_t>{c, b, a})) << testing::text(p);
    }
}

// Coefficients with some hundred thousand divisors: the roots are sought
// near where the polynomial's real roots are, so the search tries a handful
// of candidates (and finishes at all) rather than every pair of divisors.
TEST(GuessAndCheck, RootSearchIsBoundedWhateverTheCoefficients) {
    for (const std::int64_t h : {std::int64_t{963761198400}, std::int64_t{74801040398884800},
                                 std::int64_t{897612484786617600}}) {
        const std::string hx = std::to_string(h) + "x";
        EXPECT_EQ(testing::text(linearFactor(xl("[" + hx + "^2, x, " + std::to_string(h) + "]"))), "nothing") << h;
        // (x + 1)(h·x + 1), and (h·x + 1)(x² + 1) whose only rational root is −1/h.
        EXPECT_EQ(testing::text(linearFactor(xl("[" + hx + "^2, " + std::to_string(h + 1) + "x, 1]"))), "[x, 1]");
        EXPECT_EQ(testing::text(linearFactor(xl("[" + hx + "^3, x^2, " + hx + ", 1]"))), "[" + hx + ", 1]");
        for (const std::vector<std::int64_t>& digits : {std::vector<std::int64_t>{h, 1, h}, {h, h + 1, 1}, {h, 1, h, 1}}) {
            const RootSearch search = firstRationalRoot(digits);
            EXPECT_FALSE(search.undecided) << h;
            EXPECT_LE(search.trials, 8u) << h;
        }
    }
    // m·(x − 1)² − 1, whose roots 1 ± 1/√m are irrational and lie in windows
    // as wide as √m allows: between 2^21 and 2^22 candidates would be looked
    // at for the first, so it is searched; between 2^22 and 2^23 for the
    // second, past the bound, so it is left undecided.
    for (const auto& [m, undecided] : {std::pair{std::int64_t{4503599627370497}, false},
                                       std::pair{std::int64_t{5414032607811327}, true}}) {
        const RootSearch search = firstRationalRoot({m, -2 * m, m - 1}, 0);
        EXPECT_FALSE(search.root) << m;
        EXPECT_EQ(search.undecided, undecided) << m;
    }
    // Nothing to search: no constant term, a leading coefficient that is not
    // positive, a constant whose magnitude does not fit, too few digits.
    for (const std::vector<std::int64_t>& digits :
         {std::vector<std::int64_t>{1, 0}, {-1, 1}, {0, 1}, {1, std::numeric_limits<std::int64_t>::min()}, {5}, {}}) {
        const RootSearch search = firstRationalRoot(digits);
        EXPECT_TRUE(search.undecided);
        EXPECT_FALSE(search.root);
        EXPECT_EQ(search.trials, 0u);
    }
}

// A root of 19-digit numerator and 12-digit denominator, (2^63 − 1)/h in
// lowest terms, is found near its estimate.
TEST(GuessAndCheck, RootSearchFindsLargeRootsNearTheirEstimate) {
    EXPECT_EQ(testing::text(linearFactor(xl("[963761198400x, -9223372036854775807]"))),
              "[137680171200x, -1317624576693539401]");
    // Near its estimate only, the root 2^63 − 1 of x − (2^63 − 1): the window
    // around it reaches past the largest 64-bit value.
    const RootSearch largest = firstRationalRoot({1, -std::numeric_limits<std::int64_t>::max()}, 0);
    ASSERT_TRUE(largest.root);
    EXPECT_EQ(largest.root->s, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(largest.root->p, 1);
}

// The search near estimated roots finds the root that trying every pair of
// divisors finds first, multiple and close roots included.
TEST(GuessAndCheck, RootSearchNearEstimatesAgreesWithTryingEveryPair) {
    SystemRandomSource draws(9001);
    for (int round = 0; round < 400; ++round) {
        std::vector<std::int64_t> product{1};  // the constant first
        for (std::int64_t k = draws.uniformInt(1, 4); k > 0; --k) {
            const std::int64_t p = draws.uniformInt(1, 12);
            const std::int64_t s = draws.uniformInt(-12, 12);
            const std::vector<std::int64_t> linear{s == 0 ? 1 : s, draws.fairBool() ? p : -p};
            product = times(product, linear);
            if (draws.uniformInt(0, 3) == 0) product = times(product, linear);  // a double root
        }
        if (draws.fairBool()) product = times(product, {draws.uniformInt(1, 5), 0, draws.uniformInt(1, 5)});
        if (product.back() < 0) {
            for (std::int64_t& c : product) c = -c;
        }
        const std::vector<std::int64_t> digits(product.rbegin(), product.rend());
        const RootSearch everyPair = firstRationalRoot(digits, std::numeric_limits<std::uint64_t>::max());
        const RootSearch nearEstimates = firstRationalRoot(digits, 0);
        const auto root = [](const RootSearch& r) {
            return r.root ? std::to_string(r.root->s) + "/" + std::to_string(r.root->p) : "none";
        };
        ASSERT_EQ(root(nearEstimates), root(everyPair)) << testing::text(descendingPolynomial(product));
        EXPECT_FALSE(nearEstimates.undecided);
    }
}

}  // namespace
}  // namespace duolinear

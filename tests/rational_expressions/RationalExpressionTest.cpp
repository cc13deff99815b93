// Rational expressions: their questions and picture rewrites, the final-form
// check, the common monomial split and the cancelling of common factors, and
// a randomized simplification whose every picture keeps the value and the
// letter, and which always reaches a final form.

#include <algorithm>
#include <cmath>
#include <functional>
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
using Operation = std::function<std::optional<ExpressionPictures>(const Rational_Expression&)>;

// The picture rewrites, in the order a simplification tries them.
const std::vector<Operation> kOperations{
    sortedPictures, negativeOnePictures,  [](const Rational_Expression& e) { return commonFactorPictures(e); },
    factorPictures, cancellationPictures, splitCommonMonomialPictures};

// The numerator with red marked, then the denominator with blue marked.
std::string show(const Rational_Expression& e) {
    return text(e.poly_N, Color::red) + " / " + text(e.poly_D, Color::blue);
}

template <typename List>
std::string show(const std::optional<List>& pictures) {
    if (!pictures) return "none";
    std::string out;
    for (const Rational_Expression& e : *pictures) out += (out.empty() ? "" : " => ") + show(e);
    return out;
}

// Numerator and denominator as text, and the pictures expected of them.
struct Case {
    std::string n, d, expected;
};

template <typename Operation>
void expectPictures(const Operation& operation, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(show(operation(Rational_Expression{xl(c.n), xl(c.d)})), c.expected) << c.n << " over " << c.d;
    }
}

// The first coefficient of each part set to the least 64-bit value.
Rational_Expression leastFirst(const std::string& n, const std::string& d) {
    Rational_Expression e{xl(n), xl(d)};
    e.poly_N.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    e.poly_D.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    return e;
}

TEST(RationalExpression, LayoutAndPictureRewrites) {
    EXPECT_EQ(readLayout(rationalExpressionTags(Rational_Expression{{}, xl("[2]")}, false)), "{unexpected error/2}");
    expectPictures(kOperations[0], {{"[x, 1]", "[1, x]", "[x, 1] / [*1, *x] => [x, 1] / [*x, *1]"},
                                    {"[1, x] [2(0)]", "[x]", "none"}});  // a product is not flattened
    expectPictures(kOperations[1], {{"[-1] [x, 1] [1(0)(1)]", "[1]", "none"}});
    expectPictures(kOperations[2],
                   {{"[0x^2, 0x]", "[2x, 4]", "[0x^2, 0x] / [*2x, *4] => [0x^2, 0x] / [*x, *2] [*2*(0)]"}});
}

TEST(RationalExpression, FinalForm) {
    expectPictures(finalFormPictures, {
                                          {"[0]", "[5x]", "[0] / [5x] => [0] / [1]"},
                                          {"[3]", "[-2]", "[3] / [-2] => [-3] / [2]"},
                                          {"[6x]", "[4x]", "none"},
                                          {"[x, 1]", "[-2x]", "[x, 1] / [-2x] => [x, 1] [-1(0)] / [2x]"},
                                          {"[x^2, 2x]", "[x, 1]", "none"},
                                          {"[x, 1]", "[x, 2]", "[x, 1] / [x, 2]"},
                                          {"[x, 1]", "[x, 1]", "none"},  // equal sums cancel
                                          {"[x, 1] [x, 2] [1(0)(1)]", "[x, 1]", "none"},
                                          {"[x, 1] [3(0)]", "[x, 2] [-2(0)]",
                                           "[x, 1] [3(0)] / [x, 2] [-2(0)] => [x, 1] [-3(0)] / [x, 2] [2(0)]"},
                                          {"[1/2x]", "[-3]", "[1/2x] / [-3] => [-1/2x] / [3]"},
                                          {"[1/0]", "[2]", "none"},
                                      });
    EXPECT_EQ(show(finalFormPictures(leastFirst("[1]", "[-1]"))), "none");
    EXPECT_EQ(show(finalFormPictures(Rational_Expression{Polynomial_XL{{{}}}, xl("[2]")})), "none");
}

TEST(RationalExpression, SplitCommonMonomial) {
    expectPictures(splitCommonMonomialPictures,
                   {
                       {"[6x^2]", "[4x]", "[*6x^2] / [*4x] => [*3x] [*2x*(0)] / [*2] [*2x*(0)]"},
                       {"[3]", "[3x]", "[*3] / [*3x] => [*3] / [*x] [*3*(0)]"},
                       {"[5x]", "[5x]", "none"},
                       {"[2]", "[3x]", "none"},
                       {"[x, 1] [1(0)]", "[2x]", "none"},
                       {"[6y^2]", "[4y]", "[*6y^2] / [*4y] => [*3y] [*2y*(0)] / [*2y^0] [*2y*(0)]"},
                       {"[-1] [6x^2] [x, 1] [1(0)(1)(2)]", "[4x]",
                        "[-1] [*6x^2] [x, 1] [1(0)*(1)(2)] / [*4x] => "
                        "[-1] [*2x] [*3x] [x, 1] [1(0)*(1)*(2)(3)] / [*2] [*2x*(0)]"},
                       {"[x, 1] [6x^2] [3(0)(1)]", "[4x]", "none"},  // a root coefficient other than 1
                       {"[6x^2] [x, 1] [1(0)(1)]", "[4x]", "none"},  // the monomial first
                       {"[0x]", "[0x^2]", "none"},                   // g = 0
                   });
    EXPECT_EQ(show(splitCommonMonomialPictures(leastFirst("[x]", "[x^2]"))), "none");
}

TEST(RationalExpression, Cancelling) {
    expectPictures(cancellationPictures,
                   {
                       {"[x, 1]", "[x, 1] [x, -2] [1(0)(1)]",
                        "[*x, *1] / [*x, *1] [x, -2] [1*(0)(1)] => [1] / [*x, *1] [x, -2] [1(1)]"},
                       {"[x, 1] [1(0)^2]", "[x, 1]", "[*x, *1] [1*(0)^2] / [*x, *1] => [*x, *1] [1(0)] / [1]"},
                       {"[x, 1] [x, 1] [1(0)(1)]", "[x, 1] [1(0)^2]",
                        "[*x, *1] [*x, *1] [1*(0)*(1)] / [*x, *1] [1*(0)^2] => [*x, *1] [*x, *1] [1] / [*x, *1] [1]"},
                       {"[x, 1] [x, 1] [1(0)(1)]", "[x, 1] [x, 2] [1(0)(1)]",
                        "[*x, *1] [x, 1] [1*(0)(1)] / [*x, *1] [x, 2] [1*(0)(1)] => "
                        "[*x, *1] [x, 1] [1(1)] / [*x, *1] [x, 2] [1(1)]"},
                       {"[x, 1]", "[1, x]", "none"},
                       {"[1]", "[1]", "none"},
                       {"[x, 2]", "[-1] [x, 1] [1(0)(1)]",
                        "[x, 2] / [-1] [x, 1] [1(0)(1)] => [x, 2] [-1(0)] / [-1] [x, 1] [1(1)]"},
                       {"[3] [x, 1] [x(1)]", "[3]", "none"},    // a group nothing names
                       {"[x, 1] [x(0), 2]", "[x, 2]", "none"},  // a sum with factors
                       {"[x, 1] [1(3)]", "[x, 1]", "none"},     // a pointer to a missing group
                   });
    Rational_Expression green{xl("[x, 2]"), xl("[-1] [x, 1] [1(0)(1)]"), Color::green};
    EXPECT_EQ(cancellationPictures(green)->front().color, Color::green);
    green.poly_N = xl("[x, 1]");
    EXPECT_EQ(cancellationPictures(green)->front().color, Color::black);
}

// s·v^e times linear factors p·v + q, expanded into one group, highest power
// first.
Polynomial_XL expanded(std::int64_t s, std::uint64_t e, const std::vector<std::array<std::int64_t, 2>>& linear,
                       char v) {
    std::vector<std::int64_t> c{s};  // c[k] multiplies v^(e + k)
    for (const auto& [p, q] : linear) {
        std::vector<std::int64_t> next(c.size() + 1, 0);
        for (std::size_t k = 0; k < c.size(); ++k) {
            next[k] += q * c[k];
            next[k + 1] += p * c[k];
        }
        c = next;
    }
    Polynomial_XL result{{{}}};
    for (std::size_t k = c.size(); k-- > 0;) {
        if (c[k] != 0) result.terms[0].push_back(Term_XL{Monomial{Rational{c[k], 1}, e + k, v}, {}});
    }
    return result;
}

// The picture has the value of the start at a few points (none of them a
// root of a factor, so both are defined) and writes powers only in v.
::testing::AssertionResult keeps(const Rational_Expression& start, const Rational_Expression& picture, char v) {
    const auto at = [](const Rational_Expression& e, double x) {
        return valueOf(e.poly_N, e.poly_N.terms.size() - 1, x) / valueOf(e.poly_D, e.poly_D.terms.size() - 1, x);
    };
    std::string others = "xyz";
    std::erase(others, v);
    if (show(picture).find_first_of(others) != std::string::npos) {
        return ::testing::AssertionFailure() << show(picture) << " is not in " << v;
    }
    for (const double x : {0.375, -1.625, 2.75}) {
        if (std::abs(at(start, x) - at(picture, x)) > 1e-9 * std::max(1.0, std::abs(at(start, x)))) {
            return ::testing::AssertionFailure() << show(start) << " and " << show(picture) << " differ at " << x;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(RationalExpression, RandomSimplificationsKeepTheValue) {
    SystemRandomSource draws(2026);
    const auto nonzero = [&draws](std::int64_t bound) {
        const std::int64_t value = draws.uniformInt(1, bound);
        return draws.fairBool() ? value : -value;
    };
    const auto factors = [&](std::int64_t most) {
        std::vector<std::array<std::int64_t, 2>> list;
        for (std::int64_t k = draws.uniformInt(0, most); k > 0; --k)
            list.push_back({draws.uniformInt(1, 3), nonzero(4)});
        return list;
    };
    for (int round = 0; round < 300; ++round) {
        const char v = "xyz"[draws.uniformIndex(3)];
        const auto shared = factors(2);
        auto top = factors(2), bottom = factors(2);
        top.insert(top.end(), shared.begin(), shared.end());
        bottom.insert(bottom.begin(), shared.begin(), shared.end());
        const auto power = [&draws] { return static_cast<std::uint64_t>(draws.uniformInt(0, 2)); };
        // Expanded, or factored with each linear factor in its own group, to
        // the power 1 or 2.
        const auto part = [&](const std::vector<std::array<std::int64_t, 2>>& linear, bool factored) {
            if (!factored) return expanded(nonzero(6), power(), linear, v);
            Polynomial_XL p;
            Term_XL root{Monomial{Rational{nonzero(6), 1}, power(), v}, {}};
            for (const auto& [a, b] : linear) {
                root.factors.push_back(Factor{p.terms.size(), power() == 2 ? 2u : 1u});
                p.terms.push_back(expanded(1, 0, {{a, b}}, v).terms[0]);
            }
            p.terms.push_back({root});
            return p;
        };
        const bool factored = draws.fairBool();
        Rational_Expression e{part(top, factored), part(bottom, factored)};
        if (!factored && draws.fairBool()) std::reverse(e.poly_N.terms[0].begin(), e.poly_N.terms[0].end());
        const Rational_Expression start = e;
        int steps = 0;
        for (; steps < 40; ++steps) {
            std::optional<ExpressionPictures> pictures;
            for (const Operation& operation : kOperations) {
                if ((pictures = operation(e))) break;
            }
            if (!pictures) break;
            EXPECT_TRUE(keeps(start, (*pictures)[0], v));
            EXPECT_TRUE(keeps(start, (*pictures)[1], v));
            e = (*pictures)[1];
        }
        EXPECT_LT(steps, 40) << show(start) << " does not settle";
        const std::optional<std::vector<Rational_Expression>> closing = finalFormPictures(e);
        ASSERT_TRUE(closing) << show(start) << " ends unfinished at " << show(e);
        for (const Rational_Expression& picture : *closing) EXPECT_TRUE(keeps(start, picture, v));
    }
}

}  // namespace
}  // namespace duolinear

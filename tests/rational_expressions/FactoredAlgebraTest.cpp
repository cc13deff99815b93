// Questions and rewrites of factored polynomials: zero terms, absorbed
// factors, degree and classification, constants, order, gcd and negation.

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FactoredText.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear {
namespace {

using namespace testing;

struct RewriteCase {
    std::string label;
    std::function<std::string(const Polynomial_XL&)> rewrite;
    std::string input;
    std::string expected;
};

TEST(FactoredAlgebra, Rewrites) {
    const auto zeros = [](const Polynomial_XL& p) { return text(zeroTermsRemoved(false, p)); };
    const auto absorb = [](const Polynomial_XL& p) { return text(monomialFactorsAbsorbed(false, p)); };
    const auto absorbNegated = [](const Polynomial_XL& p) { return text(monomialFactorsAbsorbed(true, p)); };
    const auto divided = [](const Polynomial_XL& p) { return text(gcdMonomialDivided(p)); };
    const auto ascending = [](const Polynomial_XL& p) { return text(sortedAscending(p)); };
    const auto descending = [](const Polynomial_XL& p) { return text(sortedDescending(p)); };
    const auto negated = [](const Polynomial_XL& p) { return text(negatedTerms(p)); };
    const auto minusOne = [](const Polynomial_XL& p) { return text(negativeOneFactoredOut(p)); };
    const std::string least = std::to_string(std::numeric_limits<std::int64_t>::min() + 1);
    const std::vector<RewriteCase> cases{
        {"zero terms, then terms naming a zero group", zeros, "[0x, 2x] [0] [3(1)]", "[2x] [0] [0]"},
        {"an all-zero group keeps one zero term in the first letter", zeros, "[0y, 0]", "[0y^0]"},
        {"zero groups found pass after pass", zeros, "[0] [2(0), 0] [x(1)] [4, x(2)]", "[0] [0] [0] [4]"},
        {"empty first group", zeros, "[] [1(0)]", "none"},
        {"worked example: only group 0 is absorbed", absorb, "[3x] [x, -1] [x^2] [2(0)(1)(2)]",
         "[3x] [x, -1] [x^2] [6x(1)(2)]"},
        {"a squared one-term group is absorbed squared", absorb, "[3x] [x, 1] [1(0)^2(1)]", "[3x] [x, 1] [9x^2(1)]"},
        {"a one-term group with factors is not a monomial", absorb, "[x, 1] [2(0)] [1(1)]", "nothing"},
        {"nothing to absorb", absorb, "[x, 1] [2(0)]", "nothing"},
        {"plain polynomial, no negation", absorb, "[x, 1]", "nothing"},
        {"overflowing power", absorb, "[2x] [1(0)^64]", "failed"},
        {"a pointer to a later group", absorb, "[1(1)] [x] [2(0)]", "failed"},
        {"negated with nothing to absorb", absorbNegated, "[x, 1] [2x(0)]", "[x, 1] [-2x(0)]"},
        {"negated plain sum", absorbNegated, "[x, 1]", "[x, 1] [-1(0)]"},
        {"negated single term", absorbNegated, "[2x]", "[-2x]"},
        {"negated sum that names groups keeps them", absorbNegated, "[x, 1] [x, 2(0)]", "[x, 1] [x, 2(0)] [-1(1)]"},
        {"negated empty root", absorbNegated, "[x] []", "failed"},
        {"gcd monomial divided out", divided, "[-6x^3, 4x^2, 10x]", "[3x^2, -2x, -5]"},
        {"nothing to divide", divided, "[x, 1]", "[x, 1]"},
        {"every numerator 0", divided, "[0x, 0]", "none"},
        {"stable ascending sort", ascending, "[x, 2, x^2, 3]", "[2, 3, x, x^2]"},
        {"stable descending sort", descending, "[2, x, x^2, 3x]", "[x^2, x, 3x, 2]"},
        {"sorting a factored polynomial would drop groups", descending, "[x, 1] [2(0)]", "none"},
        {"negated terms", negated, "[x, -1/2, 3x]", "[-x, 1/2, -3x]"},
        {"the least numerator but one negates", negated, "[" + least + "x, -1]", "[" + least.substr(1) + "x, 1]"},
        {"minus one factored out", minusOne, "[-x, 2]", "[-1] [x, -2] [1(0)(1)]"},
        {"minus one out of a factored polynomial would drop groups", minusOne, "[-x, 2] [3(0)]", "none"},
    };
    for (const RewriteCase& c : cases) EXPECT_EQ(c.rewrite(xl(c.input)), c.expected) << c.label;

    Polynomial_XL leastNumerator = xl("[x]");
    leastNumerator.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(negatedTerms(leastNumerator), std::nullopt);
    EXPECT_EQ(monomialFactorsAbsorbed(true, leastNumerator).failed, true);
    Polynomial_XL leastFirst = xl("[-x^2, -x]");  // −2^63 divided by the gcd −1 does not fit
    leastFirst.terms[0][0].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(gcdMonomialDivided(leastFirst), std::nullopt);
    // Either part failing fails both, whatever the other part does.
    EXPECT_TRUE(transformBothParts(true, Rational_Expression{leastNumerator, xl("[-x, 1]")}).failed);
    EXPECT_TRUE(transformBothParts(true, Rational_Expression{xl("[-x, 1]"), leastNumerator}).failed);
}

TEST(FactoredAlgebra, RewritesTheirColours) {
    const Polynomial_XL red = recolorXLPolynomial(Color::red, xl("[0x, 2x] [3(0)]"));
    EXPECT_EQ(text(*zeroTermsRemoved(false, red), Color::red), "[*2x] [*3*(0)]");
    EXPECT_EQ(text(*zeroTermsRemoved(true, red), Color::black), "[*2x] [*3*(0)]");
    EXPECT_EQ(text(*negatedTerms(recolorXLPolynomial(Color::red, xl("[x]"))), Color::black), "[*-x]");
}

struct ClassCase {
    std::string polynomial;
    std::optional<std::uint64_t> degree;
    std::optional<Linear_Category> linear;
    std::optional<Quadratic_Category> quadratic;
    std::optional<Quadratic_Factorabilty> factorability;
};

TEST(FactoredAlgebra, DegreeAndClassification) {
    using QC = Quadratic_Category;
    using QF = Quadratic_Factorabilty;
    const auto none = std::nullopt;
    const std::vector<ClassCase> cases{
        {"[0x^2, 3x, 1]", 1, Linear_Category::binomial, none, none},
        {"[2x, 0]", 1, Linear_Category::monomial, none, none},
        {"[0]", none, none, none, none},
        {"[x] [2(0)]", none, none, none, none},
        {"[]", none, none, none, none},
        {"[x^2, -4]", 2, none, QC::binomial_ac, QF::factors},
        {"[x^2, 4]", 2, none, QC::binomial_ac, QF::does_not_factor},
        {"[x^2, -2]", 2, none, QC::binomial_ac, QF::factors_but_not_over_rationals},
        {"[2x^2, 3x]", 2, none, QC::binomial_ab, QF::factors},
        {"[-3x^2]", 2, none, QC::monomial_a, QF::factors},
        {"[x^2, x, 1]", 2, none, QC::trinomial, QF::does_not_factor},
        {"[x^2, 5x, 6]", 2, none, QC::trinomial, QF::factors},
        {"[x^2, 2x, -1]", 2, none, QC::trinomial, QF::factors_but_not_over_rationals},
        {"[x^2, 2x, 1]", 2, none, QC::trinomial, QF::factors},
        {"[1, x^2, -x, 3x]", 2, none, QC::trinomial, QF::factors},  // like powers summed: (x + 1)²
        {"[1/2x^2, -2]", 2, none, QC::binomial_ac, QF::factors},    // (x − 2)(x + 2)/2
        {"[x^2, 1/0]", 2, none, QC::binomial_ac, none},
    };
    for (const ClassCase& c : cases) {
        const Polynomial_XL p = xl(c.polynomial);
        EXPECT_EQ(degree(p), c.degree) << c.polynomial;
        EXPECT_EQ(linearCategory(p), c.linear) << c.polynomial;
        EXPECT_EQ(quadraticCategory(p), c.quadratic) << c.polynomial;
        EXPECT_EQ(quadraticFactorability(p), c.factorability) << c.polynomial;
    }
}

TEST(FactoredAlgebra, Questions) {
    EXPECT_EQ(text(gcdMonomial(xl("[-6x^3, 4x^2, 10x]"))), "-2x");
    EXPECT_EQ(text(gcdMonomial(xl("[3y^2, 6y]"))), "3y");
    EXPECT_EQ(gcdMonomial(xl("[6x]")), std::nullopt);
    EXPECT_EQ(gcdMonomial(xl("[x, 1] [2(0)]")), std::nullopt);
    EXPECT_EQ(text(leadingMonomial(xl("[2/3x^2, 1]"))), "2/3x^2");
    EXPECT_EQ(leadingMonomial(xl("[x] [1(0)]")), std::nullopt);

    EXPECT_TRUE(isConstant(1, xl("[x, 1] [1]")));
    EXPECT_TRUE(isConstant(-2, xl("[-4/2]")));
    EXPECT_FALSE(isConstant(1, xl("[1y^0]")));  // the letter differs from x
    EXPECT_FALSE(isConstant(1, xl("[x, 1] [1(0)]")));
    EXPECT_FALSE(isConstant(0, xl("[0/0]")));
    EXPECT_FALSE(isConstant(1, Polynomial_XL{}));
    EXPECT_TRUE(isConstantRational(Rational{1, 2}, xl("[2/4]")));
    EXPECT_FALSE(isConstantRational(Rational{1, 2}, xl("[1/3]")));
    EXPECT_FALSE(isConstantRational(Rational{1, 2}, xl("[x, 1/2]")));

    EXPECT_TRUE(isSortedPlainPolynomial(xl("[x^2, 3x, x, 1]")));
    EXPECT_FALSE(isSortedPlainPolynomial(xl("[x, x^2]")));
    EXPECT_FALSE(isSortedPlainPolynomial(xl("[x^2(0), x]")));  // a first term with factors
    EXPECT_TRUE(sameMonomials(xl("[x, 1/2]"), xl("[x, 2/4(0)]")));
    EXPECT_FALSE(sameMonomials(xl("[x, 1]"), xl("[x, 1, 0]")));
    EXPECT_FALSE(sameMonomials(xl("[x, 1]"), xl("[x, 2]")));
    EXPECT_FALSE(sameMonomials(xl("[x^2, 1]"), xl("[x, 1]")));
    EXPECT_TRUE(sameMonomials(xl("[]"), xl("[]")));
    EXPECT_FALSE(hasNegativeLeadingCoefficient(xl("[] [1]")));
    EXPECT_TRUE(hasZeroDenominator(xl("[x] [1/0(0)]")));
}

}  // namespace
}  // namespace duolinear

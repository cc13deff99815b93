// Factored polynomial values: equality, recolouring, the quadratic builder
// and the layouts of groups, roots and equations.

#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FactoredText.h"
#include "rational_expressions/Rational_Expression.h"

namespace duolinear {
namespace {

using namespace testing;

struct LayoutCase {
    std::string label;
    Style style;
    std::string polynomial;
    std::string expected;
};

TEST(FactoredPolynomialLayout, DrawsTermsAndBracketsByStyle) {
    const std::vector<LayoutCase> cases{
        {"coefficient before a squared bracket", Style::fraction, "[x, 1] [3(0)^2]", "3(x + 1)^2"},
        {"several brackets and a later term", Style::fraction, "[x, 1] [x, -2] [x^2, -4(0)(1)]",
         "x² − 4(x + 1)(x − 2)"},
        {"exponent 1 draws only the brackets", Style::fraction, "[x, 2] [1(0)]", "(x + 2)"},
        {"exponent 0 is drawn", Style::fraction, "[x, 2] [1(0)^0]", "(x + 2)^0"},
        {"a leading −1 is an ASCII hyphen", Style::fraction, "[x, 2] [-1(0)]", "-(x + 2)"},
        {"a later −1 is the minus operator", Style::fraction, "[x, 2] [x, -1(0)]", "x − (x + 2)"},
        {"a later 1/−1 is negative by value", Style::fraction, "[x, 2] [x, 1/-1(0)]", "x − (x + 2)"},
        {"a constant in another letter is still 1", Style::fraction, "[y, 1] [y, -1] [1y^0(0)(1)]", "(y + 1)(y − 1)"},
        {"fraction coefficient before a bracket", Style::fraction, "[x, 1] [1/2x(0)]", "[1/2]x(x + 1)"},
        {"decimal: a lone root bracket loses its brackets", Style::decimal, "[x, 2] [1(0)]", "x + 2"},
        {"decimal: a later bracket keeps them", Style::decimal, "[x, 2] [x, 1(0)]", "x + (x + 2)"},
        {"decimal: over 3 without brackets", Style::decimal, "[x, 2] [x, 1/3(0)]", "x + {x + 2/3}"},
        {"decimal: a square keeps its brackets", Style::decimal, "[x, 2] [1(0)^2]", "(x + 2)^2"},
        {"rational fraction: a later −2/3·x", Style::rational_fraction, "[x, -1] [x, -2/3x(0)]", "x − {2x(x − 1)/3}"},
        {"rational fraction: a leading −1", Style::rational_fraction, "[x, 1] [-1(0)(0)]", "-(x + 1)(x + 1)"},
        // A bracket around the constant 1, as factoring leaves it, is not drawn.
        {"a bracket (1) is left out", Style::fraction, "[x, -2] [1] [1(0)(1)]", "(x − 2)"},
        {"rational fraction: so the lone bracket goes", Style::rational_fraction, "[1] [x, -2] [1(0)(1)]", "x − 2"},
        {"nothing left but the coefficient", Style::fraction, "[1] [3x(0)^2]", "3x"},
        {"a pointer outside the terms", Style::fraction, "[x] [2(5)]", "2(unexpected error)"},
        {"a cycle back to the group being drawn", Style::fraction, "[1(1)] [2(0)]", "2((unexpected error))"},
        {"an empty referenced group", Style::fraction, "[] [2(0)]", "2(unexpected error)"},
    };
    for (const LayoutCase& c : cases) {
        EXPECT_EQ(readLayout(xlRootLayout(c.style, xl(c.polynomial))), c.expected) << c.label;
    }
    // A later coefficient of the least 64-bit value: its magnitude has no
    // signed form, but is drawn all the same.
    Polynomial_XL least = xl("[x, -2]");
    least.terms[0][1].monomial.coefficient.numerator = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(readLayout(xlRootLayout(Style::fraction, least)), "x − 9223372036854775808");
}

TEST(FactoredPolynomialLayout, ColoursComeFromTheValues) {
    Polynomial_XL p = xl("[x, -1] [x, -2/3x(0)^2]");
    Term_XL& later = p.terms[1][1];
    later.monomial.coefficient.numerator_color = Color::red;  // the "−" join and the numerator
    later.monomial.coefficient.bar_color = Color::red;
    later.factors[0].exponent_color = Color::red;
    EXPECT_EQ(readLayout(xlRootLayout(Style::rational_fraction, p), Color::red), "x *−* {*2*x(x − 1)^*2**/*3}");

    Polynomial_XL minus = xl("[x, 2] [-1(0)]");
    minus.terms[1][0].monomial.coefficient.numerator_color = Color::red;
    minus.terms[1][0].factors[0].parenthesis_color = Color::red;
    EXPECT_EQ(readLayout(xlRootLayout(Style::fraction, minus), Color::red), "*-**(*x + 2)");
}

TEST(FactoredPolynomialLayout, CoefficientPiecesInRationalFraction) {
    const auto read = [](const std::string& term) {
        return readLayout(xlCoefficientLayout(xl("[" + term + "]").terms[0][0].monomial, Style::rational_fraction));
    };
    EXPECT_EQ(read("-x^2"), "-x²");
    EXPECT_EQ(read("-1"), "-1");
    EXPECT_EQ(read("3/4x"), "{3x/4}");
    EXPECT_EQ(read("x^12"), "x...");
    EXPECT_EQ(readLayout(xlCoefficientLayout(Monomial{Rational{3, 4}, 1}, Style::fraction)), "[3/4]x");
}

TEST(FactoredPolynomialLayout, EmptyValuesAndEquations) {
    EXPECT_EQ(readLayout(xlRootLayout(Style::fraction, Polynomial_XL{})), "unexpected error");
    EXPECT_TRUE(xlRootLayout(Style::fraction, Polynomial_XL{{{}}}).empty());
    EXPECT_EQ(readLayout(xlPolynomialLayout(3, Style::fraction, xl("[x]"))), "unexpected error");

    const Polynomial_Equation_XL square{xl("[x, 1/2] [1(0)^2]"), xl("[5/4]"), Relation::less_than_or_equal_to,
                                        Color::blue};
    EXPECT_EQ(readLayout(xlEquationLayout(Style::rational_fraction, square), Color::blue), "(x + {1/2})^2 *≤* {5/4}");
    EXPECT_EQ(readLayout(xlEquationLayout(Style::fraction, {xl("[x]"), Polynomial_XL{}})), "unexpected error");
    const Polynomial_Equation_XL red = recolorXLEquation(Color::red, square);
    EXPECT_EQ(readLayout(xlEquationLayout(Style::fraction, red), Color::red), "*(**x* *+* *[1/2]*)^*2* *≤* *[5/4]*");
}

TEST(FactoredPolynomialLayout, SharedGroupsCannotGrowTheLayoutWithoutBound) {
    // Each group names the one before it twice: fully drawn, the layout
    // would double with every group.
    Polynomial_XL p = xl("[x, 1]");
    for (std::uint64_t g = 1; g < 24; ++g)
        p.terms.push_back({Term_XL{Monomial{Rational{1, 1}, 0}, {{g - 1, 1}, {g - 1, 1}}}});
    const TagLayout layout = xlRootLayout(Style::fraction, p);
    EXPECT_LT(layout.size(), 100 * kMaxDrawnGroups) << layout.size();
    EXPECT_GT(layout.size(), 3 * kMaxDrawnGroups);
    EXPECT_NE(readLayout(layout).find("unexpected error"), std::string::npos);
}

TEST(FactoredPolynomialValues, TermEqualityIgnoresColoursButNotFactorsOrLetters) {
    struct Case {
        std::string a, b;
        bool equal;
    };
    const std::vector<Case> cases{
        {"1/2x", "2/4x", true},  {"1/2x", "1/2y", false}, {"3", "3y^0", false},
        {"2(0)", "2(0)", false}, {"x", "x^2", false},     {"1/0", "1/0", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(equals(xl("[" + c.a + "]").terms[0][0], xl("[" + c.b + "]").terms[0][0]), c.equal)
            << c.a << " vs " << c.b;
    }
    Term_XL red = xl("[2x]").terms[0][0];
    red.monomial.coefficient.numerator_color = Color::red;
    EXPECT_TRUE(equals(red, xl("[2x]").terms[0][0]));
    EXPECT_TRUE(equals(xl("[x, 1]").terms[0], xl("[2/2x, 1]").terms[0]));
    EXPECT_FALSE(equals(xl("[x, 1]").terms[0], xl("[x]").terms[0]));
    EXPECT_FALSE(equals(xl("[x, 1]").terms[0], xl("[x, 2]").terms[0]));
}

TEST(FactoredPolynomialValues, RecolouringAndTheQuadraticBuilder) {
    const Polynomial_XL red = recolorXLPolynomial(Color::red, xl("[x, -1] [3x^2(0)^2]"));
    EXPECT_EQ(text(red, Color::red), "[*x, *-1] [*3x^2*(0)^2]");

    const QuadraticColors colors{Color::red, Color::blue, Color::green, Color::cyan, Color::brown, Color::magenta};
    const Polynomial_XL descending =
        quadraticXLPolynomial(Rational{2, 1}, Rational{-3, 1}, Rational{1, 2}, kQuadraticDescending, colors);
    EXPECT_EQ(text(descending), "[2x^2, -3x, 1/2]");
    const Monomial& b = descending.terms[0][1].monomial;
    EXPECT_EQ(b.coefficient.numerator_color, Color::green);
    EXPECT_EQ(b.coefficient.bar_color, Color::green);
    EXPECT_EQ(b.variable_color, Color::cyan);
    EXPECT_EQ(text(quadraticXLPolynomial(Rational{2, 1}, Rational{-3, 1}, Rational{1, 2}, "➚")), "[2, -3x, 1/2x^2]");
}

TEST(FactoredPolynomialValues, FocusGroup) {
    EXPECT_EQ(focusGroupIndex(xl("[x, 1]")), 0u);
    EXPECT_EQ(focusGroupIndex(xl("[x] [x, 1] [2(0)(1)]")), 1u);
    EXPECT_EQ(focusGroupIndex(xl("[x] [2]")), std::nullopt);     // no factor
    EXPECT_EQ(focusGroupIndex(xl("[x] [2(1)]")), std::nullopt);  // names the root itself
    EXPECT_EQ(focusGroupIndex(Polynomial_XL{}), std::nullopt);
}

}  // namespace
}  // namespace duolinear

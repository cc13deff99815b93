#include <algorithm>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "linear_steps/ExtendedPolynomialLayout.h"
#include "support/ExtendedBuilders.h"

namespace duolinear {
namespace {

using namespace testing;

std::string readSide(const Ext_polynomial& s, Style style) {
    return readLayout(extPolynomialLayout(s.terms.size() - 1, style, s), true);
}

Term colored(Term t, Color numerator, Color bar) {
    t.monomial.coefficient.numerator_color = numerator;
    t.monomial.coefficient.bar_color = bar;
    return t;
}

struct LayoutCase {
    Style style;
    Ext_polynomial side;
    std::string expected;
};

TEST(ExtendedPolynomialLayout, DrawsBracketsByStyle) {
    const Ext_polynomial mixed = side({{x(1), c(-1)}, {x(1), c(4)}, {x(3), times(2, 0), times(-1, 1)}});
    const auto inner = [](Term t) { return side({{x(1), c(1)}, {c(2), t}}); };
    const auto leading = [](Term t) { return side({{x(1), c(1)}, {t}}); };
    const std::vector<LayoutCase> cases{
        {Style::rational_fraction, mixed, "3x + 2(x − 1) − (x + 4)"},
        {Style::fraction, mixed, "3x + 2(x − 1) − (x + 4)"},
        {Style::fraction, leading(times(1, 0)), "(x + 1)"},
        {Style::rational_fraction, leading(times(1, 0)), "x + 1"},
        {Style::decimal, leading(times(1, 0)), "x + 1"},
        {Style::fraction, leading(times(-1, 0)), "-(x + 1)"},
        {Style::rational_fraction, leading(times(-1, 0)), "-(x + 1)"},
        {Style::fraction, leading(times(1, 0, 2)), "[1/2](x + 1)"},
        {Style::rational_fraction, leading(times(-3, 0, 2)), "{-3(x + 1)/2}"},
        {Style::fraction, inner(times(-1, 0)), "2 − (x + 1)"},
        {Style::fraction, inner(times(1, 0, -1)), "2 − (x + 1)"},  // the sign of the value, not of 1
        {Style::fraction, inner(times(-1, 0, -1)), "2 + (x + 1)"},
        {Style::fraction, inner(times(2, 0, 3)), "2 + [2/3](x + 1)"},
        {Style::rational_fraction, inner(colored(times(2, 0, 3), Color::black, Color::red)), "2 + {2(x + 1)*/*3}"},
        {Style::rational_fraction, inner(times(-1, 0, 2)), "2 − {x + 1/2}"},
        {Style::decimal, inner(times(1, 0, 2)), "2 + {x + 1/2}"},
        {Style::fraction, side({{c(2), x(std::numeric_limits<std::int64_t>::min())}}), "2 − 9223372036854775808x"},
        // In decimals no digit text of 2^63 - 1 is written, so none is replaced.
        {Style::decimal, side({{c(2), x(std::numeric_limits<std::int64_t>::min(), 3)}}), "2 − 3.0744573e+18x"},
        {Style::fraction, side({{c(1)}, {x(1), times(2, 1)}}), "x + 2(unexpected error)"},
    };
    for (const LayoutCase& test : cases) {
        EXPECT_EQ(readSide(test.side, test.style), test.expected)
            << rawValue(test.style) << " " << readGroups(test.side);
    }
    EXPECT_TRUE(extPolynomialLayout(0, Style::fraction, side({{}})).empty());
}

TEST(ExtendedPolynomialLayout, TermsInRationalFractionAreSeparateMessages) {
    const auto messages = [](const TagLayout& layout) {
        return std::count_if(layout.begin(), layout.end(), [](const TagRow& row) { return row[0] == "message"; });
    };
    const TagLayout square = termMonomialLayout(ungrouped(term(-1, 1, 2)), Style::rational_fraction);
    EXPECT_EQ(readLayout(square), "-x²");
    EXPECT_EQ(messages(square), 3);
    EXPECT_EQ(messages(termMonomialLayout(c(5), Style::rational_fraction)), 1);
    EXPECT_EQ(
        readLayout(termMonomialLayout(colored(x(-3, 4), Color::red, Color::black), Style::rational_fraction), true),
        "{*-**3*x*/*4}");
    EXPECT_EQ(readLayout(termMonomialLayout(x(3, -4), Style::rational_fraction)), "{3x/-4}");
}

TEST(ExtendedPolynomialLayout, EquationNeedsAGroupOnEachSide) {
    EXPECT_EQ(readExt(extEquation(side({{x(1)}}), side({{c(2)}}), Relation::less_than)), "x < 2");
    EXPECT_EQ(readExt(extEquation(side({{x(1)}}), side({}))), "unexpected error");
    // A top-level group without terms is drawn as nothing, so the relation
    // has nothing on that side: the other side stands alone.
    const Ext_polynomial two = side({{c(2)}});
    EXPECT_EQ(extEquationLayout(Style::fraction, extEquation(side({{}}), two)),
              extPolynomialLayout(0, Style::fraction, two));
    EXPECT_EQ(extEquationLayout(Style::fraction, extEquation(two, side({{x(1)}, {}}))),
              extPolynomialLayout(0, Style::fraction, two));
    EXPECT_TRUE(extEquationLayout(Style::decimal, extEquation(side({{}}), side({{}}))).empty());
}

}  // namespace
}  // namespace duolinear

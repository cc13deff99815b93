#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/AlgebraLayouts.h"
#include "algebra/AlgebraText.h"
#include "algebra/DecimalText.h"
#include "support/LayoutDump.h"

namespace duolinear {
namespace {

using testing::dump;
using testing::term;
using testing::text;
using testing::tree;
using Rows = std::vector<std::string>;

constexpr Style kFraction = Style::fraction;
constexpr Style kRational = Style::rational_fraction;
constexpr Style kDecimal = Style::decimal;

Rows item(const std::string& kind, const std::string& values) {
    return {kind + ", " + values, kind + "_color, black", kind + "_tag, anon"};
}

Rows join(const std::string& op, const std::string& locator) {
    return {"join, " + op, "join_locator, " + locator, "join_color, black", "join_tag, anon"};
}

Rows rows(std::initializer_list<Rows> parts) {
    Rows out;
    for (const Rows& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(AlgebraLayouts, WholeTablesRowForRow) {
    const Monomial m = term(-3, 4, 2);
    const Rows fraction = rows({{"start, 7", "signed_rational, -, 3, 4",
                                 "signed_rational_color, black, black, black, black", "signed_rational_tag, anon"},
                                item("message", "x²"),
                                join("🖇", "1, 4")});
    EXPECT_EQ(dump(monomialLayout(m, kFraction)), fraction);
    EXPECT_EQ(dump(monomialLayout(m, kDecimal)),
              rows({{"start, 7"}, item("message", "-0.75"), item("message", "x²"), join("🖇", "1, 4")}));
    const Rows rational = rows({{"start, 14"},
                                item("message", "-3"),
                                item("message", "x²"),
                                join("🖇", "1, 4"),
                                item("message", "4"),
                                join("/", "7, 11")});
    EXPECT_EQ(dump(monomialLayout(m, kRational)), rational);
    EXPECT_EQ(dump(monomialLayout(m)), rational);  // the default style

    const PolyEquation e{{term(2, 1, 1), term(1, 1, 0)}, {term(5, 1, 0)}};
    const Rows equation = rows({{"start, 21"},
                                item("message", "2"),
                                item("message", "x"),
                                join("🖇", "1, 4"),
                                item("message", "1"),
                                join("+", "7, 11"),
                                item("message", "5"),
                                join("=", "14, 18")});
    for (Style style : {kFraction, kRational, kDecimal}) EXPECT_EQ(dump(equationLayout(e, style)), equation);
}

TEST(AlgebraLayouts, EquationTreesAndRowCounts) {
    const PolyEquation e{{term(1, 1, 1), term(-1, 2, 0)}, {term(3, 1, 0)}};
    struct Case {
        Style style;
        const char* tree;
        std::size_t rows;
    };
    for (const Case& c :
         {Case{kFraction, "(('x' − [+1/2]) = '3')", 18}, Case{kRational, "((('' 🖇 'x') − ('1' / '2')) = '3')", 32},
          Case{kDecimal, "((('' 🖇 'x') − '0.5') = '3')", 25}}) {
        EXPECT_EQ(tree(equationLayout(e, c.style)), c.tree);
        EXPECT_EQ(equationLayout(e, c.style).size(), c.rows);
    }
}

TEST(AlgebraLayouts, CoefficientsByStyle) {
    struct Case {
        Monomial m;
        const char* fraction;
        const char* rational;
        const char* decimal;
    };
    const Case cases[] = {
        {term(1, 1, 1), "'x'", "('' 🖇 'x')", "('' 🖇 'x')"},
        {term(-1, 1, 1), "('-' 🖇 'x')", "('-' 🖇 'x')", "('-' 🖇 'x')"},
        {term(2, 2, 1), "'x'", "(('2' 🖇 'x') / '2')", "('' 🖇 'x')"},
        {term(-2, 2, 1), "('-' 🖇 'x')", "(('-2' 🖇 'x') / '2')", "('-' 🖇 'x')"},
        {term(-1, 2, 1), "([-1/2] 🖇 'x')", "(('-' 🖇 'x') / '2')", "('-0.5' 🖇 'x')"},
        {term(1, 3, 9, 'y'), "([+1/3] 🖇 'y⁹')", "(('' 🖇 'y⁹') / '3')", "('0.33333333' 🖇 'y⁹')"},
        {term(7, 1, 10), "('7' 🖇 'x...')", "('7' 🖇 'x...')", "('7' 🖇 'x...')"},
        {term(3, -4, 1), "([-3/4] 🖇 'x')", "(('3' 🖇 'x') / '-4')", "('-0.75' 🖇 'x')"},
        // Constants show their number, whatever it is, and no letter.
        {term(1, 1, 0), "'1'", "'1'", "'1'"},
        {term(-5, 1, 0), "'-5'", "'-5'", "'-5'"},
        {term(-3, 4, 0), "[-3/4]", "('-3' / '4')", "'-0.75'"},
        {term(2, 3, 0), "[+2/3]", "('2' / '3')", "'0.66666667'"},
        {term(123456789, 1, 0), "'123456789'", "'123456789'", "'1.2345679e+08'"},
        // Zero denominators are drawn; 0/0 shows its fraction rather than
        // passing for 1. A signed_rational is "+" when neither part is positive.
        {term(-1, 0, 0), "[+1/0]", "('-1' / '0')", "'-inf'"},
        {term(0, 0, 1), "([+0/0] 🖇 'x')", "(('0' 🖇 'x') / '0')", "('nan' 🖇 'x')"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tree(monomialLayout(c.m, kFraction)), c.fraction) << text(c.m);
        EXPECT_EQ(tree(monomialLayout(c.m, kRational)), c.rational) << text(c.m);
        EXPECT_EQ(tree(monomialLayout(c.m, kDecimal)), c.decimal) << text(c.m);
    }
    EXPECT_EQ(tree(rationalLayout(Rational{5, 1}, true, kFraction)), "[+5/1]");
    EXPECT_EQ(tree(rationalLayout(Rational{5, 1}, true, kRational)), "('5' / '1')");
    EXPECT_EQ(tree(rationalLayout(Rational{5, 1}, true, kDecimal)), "'5'");
    EXPECT_EQ(tree(rationalLayout(Rational{-3, -4})), "('-3' / '-4')");
}

TEST(AlgebraLayouts, SidesJoinLaterTermsBySignWithTheirMagnitude) {
    struct Case {
        Polynomial side;
        Style style;
        const char* tree;
    };
    const Case cases[] = {
        {{term(-1, 1, 1), term(0, 1, 0)}, kFraction, "(('-' 🖇 'x') + '0')"},
        {{term(2, 1, 1), term(-3, 1, 0), term(-1, 1, 2)}, kFraction, "((('2' 🖇 'x') − '3') − 'x²')"},
        {{term(-3, 4, 0), term(-3, 4, 1)}, kFraction, "([-3/4] − ([+3/4] 🖇 'x'))"},
        {{term(1, 1, 0), term(3, -4, 1)}, kFraction, "('1' + ([-3/4] 🖇 'x'))"},
        // The least 64-bit numerator is drawn with its exact magnitude.
        {{term(1, 1, 0), term(INT64_MIN, 3, 0)}, kFraction, "('1' − [+9223372036854775808/3])"},
        {{term(1, 1, 0), term(INT64_MIN, 1, 0)}, kDecimal, "('1' − '9.223372e+18')"},
        {Polynomial(Monomials{}), kFraction, "'0'"},  // drawn as the zero term
    };
    for (const Case& c : cases) EXPECT_EQ(tree(polynomialLayout(c.side, c.style)), c.tree) << text(c.side);
}

TEST(AlgebraLayouts, PiecesTakeTheColoursOfTheirFields) {
    const Monomial m{Rational{-3, 4, Color::red, Color::blue, Color::green}, 1, 'x', Color::brown};
    EXPECT_EQ(tree(monomialLayout(m, kFraction)), "([-3/4]@red@red@blue@green 🖇 'x'@brown)");
    EXPECT_EQ(tree(monomialLayout(m, kRational)), "(('-3'@red 🖇 'x'@brown) /@green '4'@blue)");
    EXPECT_EQ(tree(monomialLayout(m, kDecimal)), "('-0.75'@red 🖇 'x'@brown)");

    const Polynomial side{term(1, 1, 2), recoloredMonomial(Color::red, term(-2, 1, 1))};
    const PolyEquation e{side, {term(3, 1, 0)}, Relation::less_than_or_equal_to, Color::blue};
    EXPECT_EQ(tree(equationLayout(e, kFraction)), "(('x²' −@red ('2'@red 🖇 'x'@red)) ≤@blue '3')");
    const TagLayout cleared = clearedEquationLayout(PolyEquationClear{4, e, Color::green}, kFraction);
    EXPECT_EQ(tree(cleared),
              "(('4'@green 🖇 ()[('x²' −@red ('2'@red 🖇 'x'@red))]) ≤ ('4'@green 🖇 ()['3']))");
    const Rows dumped = dump(cleared);
    EXPECT_EQ(Rows(dumped.begin() + 21, dumped.begin() + 25),
              (Rows{"unary, ()", "unary_locator, 17", "unary_color, black", "unary_tag, anon"}));
}

TEST(DecimalText, PrintfGeneralFormWithoutLocaleOrSignedNan) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{0.5, "0.5"},
                          {12345678, "12345678"},
                          {0.00001, "1e-05"},
                          {-1.0 / 0.0, "-inf"},
                          {std::copysign(std::numeric_limits<double>::quiet_NaN(), -1.0), "nan"}};
    for (const Case& c : cases) EXPECT_EQ(decimalText(c.value), c.text);
    EXPECT_EQ(decimalText(2.0 / 3, 6), "0.666667");
    // Every precision, however large, gives printf's digits.
    const double values[] = {0.1, -2.0 / 3, 1e300, 5e-324, 123456789.125, -0.0, 1.0 / 0.0, 0x1.fffffffffffffp-1022};
    for (double value : values) {
        for (int precision : {-1, 0, 1, 17, 62, 63, 64, 100, 767, 800, 1000, 1 << 30}) {
            std::vector<char> expected(2048);
            std::snprintf(expected.data(), expected.size(), "%.*g", std::min(precision, 1200), value);
            EXPECT_EQ(decimalText(value, precision), expected.data()) << value << " at " << precision;
        }
    }
}

}  // namespace
}  // namespace duolinear

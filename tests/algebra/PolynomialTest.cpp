#include <vector>

#include <gtest/gtest.h>

#include "algebra/Algebra.h"
#include "support/EquationBuilders.h"

namespace duolinear {
namespace {

using testing::term;

TEST(Polynomial, DefaultSideIsTheZeroTermButAnEmptyListStaysEmpty) {
    const Polynomial side;
    ASSERT_EQ(side.terms.size(), 1u);
    EXPECT_TRUE(equals(side.terms[0], term(0, 1, 0)) && side.terms[0].coefficient.denominator == 1 &&
                side.terms[0].variable == 'x');
    EXPECT_TRUE(Polynomial(Monomials{}).terms.empty());
    EXPECT_FALSE(equals(Polynomial(Monomials{}), Polynomial{}));

    const Monomial red = recoloredMonomial(Color::red, term(-2, 3, 1, 'y'));
    EXPECT_TRUE(rationalEquals(red.coefficient, Rational{-2, 3}, true));
    EXPECT_EQ(red.variable, 'y');
    for (Color c : {red.coefficient.numerator_color, red.coefficient.denominator_color, red.coefficient.bar_color,
                    red.variable_color}) {
        EXPECT_EQ(c, Color::red);
    }
}

TEST(Polynomial, MonomialEquality) {
    struct Case {
        Monomial a, b;
        bool equal;
    };
    const Case cases[] = {
        {term(1, 2, 1), term(2, 4, 1), true},
        {term(3, 1, 0, 'x'), term(3, 1, 0, 'y'), true},  // constants ignore their letter
        {term(3, 1, 1, 'x'), term(3, 1, 1, 'y'), false},
        {term(1, 1, 1), term(1, 1, 2), false},
        {term(1, 0, 1), term(5, 0, 1), true},  // no guard for zero denominators
        {term(1, 0, 1), term(5, 0, 2), false},
        {term(-1, 2, 1), term(1, -2, 1), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(equals(c.a, c.b), c.equal);
        EXPECT_EQ(equals(c.b, c.a), c.equal);
    }
}

TEST(Polynomial, SideAndEquationEqualityKeepOrder) {
    const Polynomial xPlusOne{term(1, 1, 1), term(1, 1, 0)};
    const Polynomial onePlusX{term(1, 1, 0), term(1, 1, 1)};
    EXPECT_TRUE(equals(xPlusOne, Polynomial{term(2, 2, 1), term(3, 3, 0, 'y')}));
    EXPECT_FALSE(equals(xPlusOne, onePlusX));
    EXPECT_FALSE(equals(Polynomial{term(2, 1, 1)}, Polynomial{term(1, 1, 1), term(1, 1, 1)}));

    EXPECT_FALSE(equals(PolyEquation{xPlusOne, {term(2, 1, 0)}}, PolyEquation{onePlusX, {term(2, 1, 0)}}));
    PolyEquation red{{recoloredMonomial(Color::red, term(1, 1, 1))}, {term(2, 1, 0)}, Relation::equal_to, Color::red};
    const PolyEquation black{{term(1, 1, 1)}, {term(2, 1, 0)}, Relation::equal_to};
    EXPECT_TRUE(equals(red, black));
    red.relation = Relation::less_than_or_equal_to;
    EXPECT_FALSE(equals(red, black));
    EXPECT_FALSE(equals(black, PolyEquation{{term(2, 1, 0)}, {term(1, 1, 1)}, Relation::equal_to}));
}

TEST(Polynomial, TermEqualityRejectsGroupMultipliers) {
    const Term plain{term(2, 1, 1), {false, 0}};
    const Term multiplier{term(2, 1, 1), {true, 1}};
    EXPECT_TRUE(equals(plain, Term{term(4, 2, 1), {false, 7}, Color::red}));  // a plain term's index is not compared
    EXPECT_FALSE(equals(multiplier, multiplier));
    EXPECT_FALSE(equals(plain, multiplier));
    EXPECT_FALSE(equals(multiplier, plain));
}

TEST(Polynomial, SideAndTermTests) {
    using Side = Monomials;
    struct Case {
        const char* what;
        Side side;
        bool bare, bareNegative, constant, constantReduced;
    };
    const Case cases[] = {
        {"x", {term(1, 1, 1)}, true, false, false, false},
        {"-x", {term(-1, 1, 1)}, false, true, false, false},
        {"y", {term(1, 1, 1, 'y')}, true, false, false, false},
        {"2x/2", {term(2, 2, 1)}, false, false, false, false},
        {"x/2", {term(1, 2, 1)}, false, false, false, false},
        {"x^2", {term(1, 1, 2)}, false, false, false, false},
        {"x + 0", {term(1, 1, 1), term(0, 1, 0)}, false, false, false, false},
        {"empty", {}, false, false, false, false},
        {"1", {term(1, 1, 0)}, false, false, true, true},
        {"4/2", {term(4, 2, 0)}, false, false, true, false},
        {"0/5", {term(0, 5, 0)}, false, false, true, false},
        {"3/-4", {term(3, -4, 0)}, false, false, true, false},
        {"5/0", {term(5, 0, 0)}, false, false, false, false},
        {"min/min", {term(INT64_MIN, INT64_MIN, 0)}, false, false, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isBareVariable(false, c.side), c.bare) << c.what;
        EXPECT_EQ(isBareVariable(true, c.side), c.bareNegative) << c.what;
        EXPECT_EQ(isSingleConstant(false, c.side), c.constant) << c.what;
        EXPECT_EQ(isSingleConstant(true, c.side), c.constantReduced) << c.what;
    }
    EXPECT_TRUE(isNonzeroTerm(term(3, 0, 1)));  // undefined but not zero
    EXPECT_TRUE(isZeroTerm(term(0, 0, 0)));
    EXPECT_FALSE(isSquareTerm(term(1, 1, 3)));
}

}  // namespace
}  // namespace duolinear

#include <vector>

#include <gtest/gtest.h>

#include "algebra/AlgebraText.h"
#include "algebra/PolynomialQueries.h"

namespace duolinear {
namespace {

using testing::colors;
using testing::term;
using testing::text;

const Polynomial kEmpty{Monomials{}};

// Groups separated by " | "; each term its monomial, its colours (numerator
// / letter) and its factors as (group^exponent)@colour.
std::string xlText(const Polynomial_XL& p) {
    std::string out;
    for (const std::vector<Term_XL>& group : p.terms) {
        out += out.empty() ? "" : " | ";
        for (std::size_t i = 0; i < group.size(); ++i) {
            const Monomial& m = group[i].monomial;
            out += (i ? " + " : "") + text(m) + "@" + rawValue(m.coefficient.numerator_color) + "/" +
                   rawValue(m.variable_color);
            for (const Factor& f : group[i].factors) {
                out += "(" + std::to_string(f.pointer) + "^" + std::to_string(f.exponent) + ")@" +
                       rawValue(f.parenthesis_color);
            }
        }
    }
    return out;
}

TEST(TermQueries, ReducingNegatingAndComparing) {
    struct Case {
        Rational r;
        std::optional<bool> needs;
    };
    for (const Case& c : {Case{{2, 4}, true}, Case{{1, -3}, true}, Case{{-1, 3}, false}, Case{{0, 1}, false},
                          Case{{0, 5}, true}, Case{{7, 0}, std::nullopt}}) {
        EXPECT_EQ(rationalNeedsReducing(c.r), c.needs) << text(c.r);
    }
    EXPECT_EQ(text(negatedTerm(recoloredMonomial(Color::red, term(2, -4, 3, 'y')))), "1/2y^3");
    EXPECT_FALSE(negatedTerm(term(1, 0, 1)));
    EXPECT_FALSE(negatedTerm(term(INT64_MIN, 1, 1)));

    struct Same {
        Monomial a, b;
        bool loose, strict;
    };
    const Same same[] = {
        {term(2, 4, 1), term(1, 2, 1), true, false},          {term(2, -4, 1), term(-1, 2, 1), true, false},
        {term(3, 1, 0, 'x'), term(3, 1, 0, 'y'), true, true}, {term(3, 1, 1, 'x'), term(3, 1, 1, 'y'), false, false},
        {term(0, 0, 1), term(0, 0, 1), false, false},
    };
    for (const Same& c : same) {
        EXPECT_EQ(sameTerm(c.a, c.b, false), c.loose) << text(c.a) << " ~ " << text(c.b);
        EXPECT_EQ(sameTerm(c.a, c.b, true), c.strict) << text(c.a) << " ~ " << text(c.b);
    }
}

TEST(TermQueries, DivisionsAndCounters) {
    const PolyEquation e{{term(-2, 3, 2), term(1, 1, 1)}, {term(0, 1, 0)}};
    EXPECT_EQ(text(dividedByLeadingCoefficient(recoloredMonomial(Color::red, term(4, 1, 1)), e)), "-6/1x");
    EXPECT_EQ(text(dividedByLeadingCoefficient(term(1, 1, 0), PolyEquation{{term(0, 1, 2)}, {}})), "none");
    EXPECT_EQ(text(dividedByLeadingCoefficient(term(1, 1, 0), PolyEquation{kEmpty, {}})), "none");

    struct Div {
        Monomial t;
        std::int64_t g;
        const char* result;
    };
    for (const Div& c : {Div{term(-7, 5, 1), 2, "-3/1x"},  // truncating; the denominator is not read
                         Div{term(6, 1, 0), 0, "none"}, Div{term(INT64_MIN, 1, 0), -1, "none"}}) {
        const std::optional<Term> divided = termDividedByFactor(c.t, c.g);
        EXPECT_EQ(divided ? text(divided->monomial) : "none", c.result);
        if (divided) {
            EXPECT_TRUE(!divided->sub_exp.multiplies && divided->sub_exp.index == 0);
        }
    }

    struct Count {
        Polynomial side;
        std::int64_t beforeVariable, beforeConstant;
    };
    for (const Count& c :
         {Count{{term(3, 1, 2), term(1, 1, 0), term(2, 1, 1)}, 2, 1}, Count{{term(3, 1, 2), term(4, 1, 3)}, 2, 2}}) {
        std::int64_t variable = 10, constant = 10;
        for (const Monomial& t : c.side.terms)
            if (termsBeforeFirstVariableTerm(t, variable)) break;
        for (const Monomial& t : c.side.terms)
            if (termsBeforeFirstConstant(t, constant)) break;
        EXPECT_EQ(variable, 10 + c.beforeVariable) << text(c.side);
        EXPECT_EQ(constant, 10 + c.beforeConstant) << text(c.side);
    }
}

TEST(SideQueries, NegationAndConversions) {
    const std::optional<Polynomial> negated = negatedSide(Polynomial{term(2, -4, 1), term(3, 1, 0)});
    EXPECT_EQ(text(negated), "1/2x + -3/1");
    EXPECT_EQ(text(negatedSide(Polynomial{term(INT64_MIN, 1, 0)})), "none");
    const PolyEquation e{{term(2, 1, 1), term(1, 1, 0)}, {term(5, 1, 0)}, Relation::less_than, Color::red};
    EXPECT_EQ(text(negatedBothSides(e)), "-2/1x + -1/1 < -5/1");  // relation kept, not reversed
    EXPECT_EQ(negatedBothSides(e)->relation_color, Color::red);

    const Ext_polyEquation extended = extendedEquation(e);
    ASSERT_EQ(extended.LHS.terms.size(), 1u);
    ASSERT_EQ(extended.LHS.terms[0].size(), 2u);
    EXPECT_FALSE(extended.LHS.terms[0][1].sub_exp.multiplies);
    EXPECT_EQ(text(extended.RHS.terms.at(0).at(0).monomial) + " " + rawValue(extended.relation_color), "5/1 black");
}

TEST(SideQueries, ConstantsAndOrder) {
    EXPECT_TRUE(allTermsConstant(kEmpty));
    EXPECT_FALSE(allTermsConstant(Polynomial{term(3, 1, 0), term(0, 1, 1)}));
    EXPECT_TRUE(bothSidesConstant(PolyEquation{{term(2, 1, 0)}, {term(3, 1, 0)}}));
    EXPECT_FALSE(bothSidesConstant(PolyEquation{{term(2, 1, 0)}, {term(3, 1, 1)}}));
    EXPECT_FALSE(bothSidesConstant(PolyEquation{{term(2, 1, 1)}, {term(3, 1, 0)}}));
    EXPECT_TRUE(bothSidesSameConstant(PolyEquation{{term(2, 4, 0)}, {term(1, 2, 0, 'y')}}));
    EXPECT_FALSE(bothSidesSameConstant(PolyEquation{{term(2, 1, 0)}, {term(2, 1, 0), term(0, 1, 0)}}));
    EXPECT_FALSE(bothSidesSameConstant(PolyEquation{{term(1, 0, 0)}, {term(1, 0, 0)}}));

    struct Whole {
        Polynomial side;
        bool loose, strict;
    };
    for (const Whole& c : {Whole{{term(6, 3, 0)}, true, false}, Whole{{term(6, 4, 0)}, false, false},
                           Whole{{term(6, 0, 0)}, false, false}, Whole{{term(INT64_MIN, -1, 0)}, true, false}}) {
        EXPECT_EQ(isSingleWholeConstant(false, c.side), c.loose) << text(c.side);
        EXPECT_EQ(isSingleWholeConstant(true, c.side), c.strict) << text(c.side);
    }

    struct Order {
        Polynomial side;
        bool descending;
        const char* sorted;
    };
    const Order orders[] = {
        {kEmpty, true, "(empty)"},
        {{term(3, 1, 1), term(2, 1, 1), term(1, 1, 0)}, true, "3/1x + 2/1x + 1/1"},
        {{term(1, 1, 0), term(1, 1, 1)}, false, "1/1x + 1/1"},
        {{term(5, 1, 0), term(3, 1, 1), term(4, 1, 0), term(2, 1, 1), term(1, 1, 3)},
         false,
         "1/1x^3 + 3/1x + 2/1x + 5/1 + 4/1"},
    };
    for (const Order& c : orders) {
        EXPECT_EQ(isInDescendingPowers(c.side), c.descending) << text(c.side);
        EXPECT_EQ(text(descendingPowersRewrite(c.side)), c.descending ? "none" : c.sorted);
    }
}

TEST(SideQueries, RecolourOneCoefficientAndGcd) {
    const Polynomial side{recoloredMonomial(Color::blue, term(2, 1, 1)), recoloredMonomial(Color::blue, term(3, 1, 0))};
    EXPECT_EQ(colors(recolorFirstTermCoefficient(Color::red, side)), "red,red,red|black blue,blue,blue|blue");
    EXPECT_EQ(colors(recolorLastTermCoefficient(Color::red, side)), "blue,blue,blue|blue red,red,red|black");
    EXPECT_TRUE(recolorLastTermCoefficient(Color::red, kEmpty).terms.empty());

    struct Case {
        Polynomial side;
        std::optional<std::int64_t> gcd;
    };
    for (const Case& c : {Case{{term(4, 1, 1), term(-6, 1, 0), term(0, 1, 0)}, 2}, Case{{term(0, 1, 0)}, 0},
                          Case{{term(-9, 2, 1), term(6, 5, 0)}, 3}, Case{{term(INT64_MIN, 1, 1), term(6, 1, 0)}, 2},
                          Case{{term(INT64_MIN, 1, 1)}, std::nullopt}}) {
        EXPECT_EQ(gcdOfNumerators(c.side), c.gcd) << text(c.side);
    }
    EXPECT_EQ(gcdFactorMessage(-1), " \nfactor out  -1\ndivide both sides by  -1");
    EXPECT_EQ(gcdFactorMessage(-2), "\n2 is greatest common divisor\n\nfactor out  -2\ndivide both sides by  -2");
}

TEST(SideQueries, CommonDenominator) {
    struct Case {
        Polynomial side;
        const char* result;
        bool hasFractions, changed;
    };
    const Case cases[] = {
        {{term(1, 2, 1), term(1, 3, 0), term(3, 1, 0)}, "3/6x + 2/6 + 18/6", true, true},
        {{term(1, 6, 1), term(5, 6, 0)}, "1/6x + 5/6", true, false},
        {{term(1, -2, 1), term(1, 2, 0)}, "-1/2x + 1/2", true, true},
        {{term(2, 1, 1), term(3, -1, 0)}, "0/1", false, false},      // nothing to rewrite: the zero term
        {Polynomial{Monomials{}}, "0/1", false, false},  // an empty side: the zero term too
    };
    for (const Case& c : cases) {
        const std::optional<CommonDenominatorSide> r = commonDenominatorSide(c.side);
        ASSERT_TRUE(r) << text(c.side);
        EXPECT_EQ(text(r->side) + (r->hasFractions ? " F" : "") + (r->changed ? " C" : ""),
                  c.result + std::string(c.hasFractions ? " F" : "") + (c.changed ? " C" : ""));
    }
    const Polynomial marked{recoloredMonomial(Color::red, term(1, 2, 1)), term(1, 3, 0)};
    EXPECT_EQ(colors(commonDenominatorSide(marked)->side), "red,red,red|red black,black,black|black");
    EXPECT_FALSE(commonDenominatorSide(Polynomial{term(1, 2, 1), term(1, 0, 0)}));
    EXPECT_FALSE(commonDenominatorSide(Polynomial{term(INT64_MAX, 1, 1), term(1, 2, 0)}));

    const PolyEquation e{{term(1, 2, 1)}, {term(1, 3, 0), term(1, 1, 0)}, Relation::greater_than, Color::red};
    const std::optional<CommonDenominatorEquation> both = commonDenominatorBothSides(e);
    EXPECT_EQ(text(both->equation), "3/6x > 2/6 + 6/6");
    EXPECT_TRUE(both->hasFractions && both->changed);
    EXPECT_EQ(both->equation.relation_color, Color::black);
    const std::optional<CommonDenominatorEquation> none = commonDenominatorBothSides(PolyEquation{{term(1, 1, 1)}, {}});
    EXPECT_EQ(text(none->equation), "0/1 = 0/1");
    EXPECT_FALSE(none->hasFractions || none->changed);
}

TEST(SideQueries, NegativeVariableSubstitution) {
    const Polynomial side{term(3, 1, 2), term(-5, 1, 1), term(4, 1, 0)};
    const std::array<Polynomial_XL, 2> pictures = negativeVariableSubstitution(false, side);
    EXPECT_EQ(xlText(pictures[0]),
              "-1/1x@red/red | -1/1x@blue/blue | "
              "3/1@black/red(0^2)@red + -5/1@black/blue(1^1)@blue + 4/1@black/black");
    EXPECT_EQ(xlText(pictures[1]),
              "1/1x^2@red/red | -1/1x@blue/blue | "
              "3/1@black/red(0^1)@red + -5/1@black/blue(1^1)@blue + 4/1@black/black");
    EXPECT_EQ(xlText(negativeVariableSubstitution(true, Polynomial{term(7, 1, 0)})[0]), "7/1@black/black");
}

}  // namespace
}  // namespace duolinear

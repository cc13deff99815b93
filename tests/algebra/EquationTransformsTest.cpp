#include <vector>

#include <gtest/gtest.h>

#include "algebra/AlgebraText.h"
#include "algebra/EquationTransforms.h"

namespace duolinear {
namespace {

using testing::colors;
using testing::term;
using testing::text;

const Polynomial kEmpty{Monomials{}};
const std::string kBlack = "black,black,black|black";

TEST(EquationQueries, ZeroDenominatorsReducingAndFractions) {
    struct Case {
        PolyEquation e;
        bool zeroDenominator, needsReducing, fractions;
    };
    const Case cases[] = {
        {{{term(1, 1, 1)}, {term(3, 0, 1)}}, true, true, true},
        {{{term(0, 5, 0)}, {term(0, 5, 0)}}, false, true, true},
        {{{term(2, 4, 1)}, {term(1, 1, 0)}}, false, true, true},
        {{{term(1, 1, 1)}, {term(1, -2, 0)}}, false, true, true},
        {{{term(3, 1, 1)}, {term(-7, 1, 0)}}, false, false, false},
        {{{term(1, 0, 1)}, {term(1, 1, 0)}}, true, false, true},  // 1/0 is in lowest terms
        {{{term(0, 0, 1)}, {term(1, 1, 0)}}, true, true, true},
        {{{term(2, 3, 1), term(4, 1, 0)}, {term(1, 1, 0)}}, false, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(eitherSideHasZeroDenominator(c.e), c.zeroDenominator) << text(c.e);
        EXPECT_EQ(eitherSideNeedsReducing(c.e), c.needsReducing) << text(c.e);
        EXPECT_EQ(eitherSideHasFractions(c.e), c.fractions) << text(c.e);
    }
}

TEST(EquationTransforms, DropZeroTermsAndReduce) {
    const PolyEquation e{{term(0, 1, 1), term(0, 1, 0)},
                         {recoloredMonomial(Color::red, term(2, 1, 1)), term(0, 3, 0), term(3, 1, 0)},
                         Relation::greater_than,
                         Color::red};
    const PolyEquation reset = dropZeroTermsBothSides(e);
    EXPECT_EQ(text(reset), "0/1 > 2/1x + 3/1");
    EXPECT_EQ(colors(reset.RHS), kBlack + " " + kBlack);
    EXPECT_EQ(reset.relation_color, Color::black);
    EXPECT_EQ(colors(dropZeroTermsBothSides(false, e).RHS), "red,red,red|red " + kBlack);
    EXPECT_EQ(text(dropZeroTerms(kEmpty)), "0/1");

    const PolyEquation r{{recoloredMonomial(Color::red, term(4, -6, 1)), term(0, 7, 0)}, {term(-8, -4, 2, 'y')}};
    EXPECT_EQ(text(reduceBothSides(r)), "-2/3x + 0/1 = 2/1y^2");
    EXPECT_EQ(colors(reduceBothSides(r)->LHS), kBlack + " " + kBlack);
    EXPECT_EQ(text(reducedSide(Polynomial{term(INT64_MIN, -2, 0)})), "4611686018427387904/1");
    EXPECT_EQ(text(reducedSide(Polynomial{term(INT64_MIN, -1, 0)})), "none");  // 2^63
    EXPECT_EQ(text(reduceBothSides(PolyEquation{{term(1, 1, 0)}, {term(0, 0, 0)}})), "none");
}

TEST(EquationTransforms, CombineLikeTerms) {
    struct Case {
        Polynomial side;
        bool simple;
        const char* result;
        bool changed;
    };
    const Case cases[] = {
        {{term(2, 1, 1), term(3, 1, 0), term(1, 2, 1), term(-3, 1, 0)}, false, "5/2x", true},
        {{term(2, 1, 1), term(1, 2, 1), term(3, 1, 1)}, true, "5/1x + 1/2x", true},
        {{term(1, 1, 1), term(1, 1, 1, 'y')}, false, "1/1x + 1/1y", false},
        {{term(4, 1, 0, 'y'), term(5, 1, 0, 'x')}, false, "9/1[y]", true},  // the first constant's letter
        {{term(2, 1, 1), term(-2, 1, 1)}, false, "0/1", true},
        {{term(2, 4, 1), term(0, 1, 0)}, false, "2/4x", false},  // kept unreduced; dropping a zero is no merge
        {{term(1, 1, 2), term(1, 1, 1), term(2, 1, 2)}, false, "3/1x^2 + 1/1x", true},
        {{term(1, 0, 1), term(1, 1, 0)}, false, "1/0x + 1/1", false},  // nothing added to the undefined term
    };
    for (const Case& c : cases) {
        const std::optional<CombinedSide> combined = combineLikeTerms(c.simple, c.side);
        ASSERT_TRUE(combined) << text(c.side);
        EXPECT_EQ(text(combined->side), c.result) << text(c.side);
        EXPECT_EQ(combined->changed, c.changed) << text(c.side);
    }
    // A term that absorbed nothing keeps its coefficient colours; its letter turns black.
    const Polynomial marked{recoloredMonomial(Color::red, term(1, 1, 1)), term(3, 1, 0), term(1, 1, 0)};
    EXPECT_EQ(colors(combineLikeTerms(false, marked)->side), "red,red,red|black " + kBlack);

    const PolyEquation e{{term(1, 1, 1)}, {term(1, 1, 0), term(2, 1, 0)}, Relation::equal_to, Color::red};
    const std::optional<CombinedEquation> both = combineLikeTermsBothSides(e);
    EXPECT_EQ(text(both->equation), "1/1x = 3/1");
    EXPECT_TRUE(both->changed);
    EXPECT_EQ(both->equation.relation_color, Color::black);
    EXPECT_FALSE(combineLikeTermsBothSides(true, PolyEquation{{term(1, 1, 1)}, {term(1, 1, 0)}})->changed);
    // Overflowing and undefined sums give no value.
    EXPECT_FALSE(combineLikeTerms(false, Polynomial{term(INT64_MAX, 1, 1), term(1, 1, 1)}));
    EXPECT_FALSE(combineLikeTermsBothSides(PolyEquation{{term(1, 1, 0)}, {term(1, 0, 0), term(1, 1, 0)}}));
}

TEST(EquationTransforms, LcmAndClearingFractions) {
    struct Case {
        PolyEquation e;
        std::optional<std::int64_t> lcm;
        const char* cleared;
    };
    const Case cases[] = {
        {{{term(1, 2, 1), term(1, 3, 0)}, {term(5, 4, 0)}}, 12, "6/1x + 4/1 = 15/1"},
        {{{term(2, 1, 1)}, {term(3, 1, 0)}, Relation::greater_than}, 1, "2/1x > 3/1"},
        {{{term(2, 4, 1)}, {term(1, 1, 0)}}, 4, "2/1x = 4/1"},  // not reduced first
        {{{term(1, -2, 1)}, {term(3, 1, 0)}}, 2, "-1/1x = 6/1"},
        {{kEmpty, {term(1, 2, 0)}}, 2, "0/1 = 1/1"},
        {{{term(1, 2, 1)}, {term(1, 0, 0)}}, 0, "none"},
        {{{term(INT64_MAX, 2, 1)}, {term(1, 3, 0)}}, 6, "none"},
        {{{term(1, 4294967291, 1)}, {term(1, 4294967279, 0)}}, std::nullopt, "none"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lcmOfDenominators(c.e), c.lcm) << text(c.e);
        EXPECT_EQ(text(clearFractionsBothSides(c.e)), c.cleared);
    }
    const PolyEquation marked{
        {recoloredMonomial(Color::red, term(1, 2, 1))}, {term(3, 4, 0)}, Relation::less_than, Color::red};
    const std::optional<PolyEquation> cleared = clearFractionsBothSides(marked);
    EXPECT_EQ(colors(cleared->LHS) + " " + rawValue(cleared->relation_color), kBlack + " black");
    EXPECT_EQ(text(clearSideFractions(Polynomial{term(1, 2, 1), term(1, 3, 0)})), "3/1x + 2/1");
}

TEST(EquationTransforms, RecolouringAndReciprocals) {
    const PolyEquation e{{term(1, 2, 1), term(3, 1, 0)}, {term(5, -4, 0)}, Relation::equal_to, Color::blue};
    const PolyEquation marked = recolorDenominatorsBothSides(Color::red, e);
    EXPECT_EQ(colors(marked.LHS) + " " + colors(marked.RHS),
              "black,red,black|black " + kBlack + " black,red,black|black");
    EXPECT_EQ(marked.relation_color, Color::black);
    const PolyEquation painted = recoloredEquation(Color::red, Color::blue, Color::green, e);
    EXPECT_EQ(colors(painted.LHS) + " " + colors(painted.RHS), "red,red,red|red red,red,red|red blue,blue,blue|blue");
    EXPECT_EQ(painted.relation_color, Color::green);

    EXPECT_TRUE(isNonzeroVariableTerm(term(-1, 3, 2)));
    EXPECT_FALSE(isNonzeroVariableTerm(term(0, 1, 1)));
    EXPECT_FALSE(isNonzeroVariableTerm(term(5, 1, 0)));

    struct Case {
        Rational r;
        const char* reciprocal;
    };
    const Case cases[] = {{{3, -6}, "-2/1"}, {{-2, 4}, "-2/1"}, {{6, 4}, "2/3"},          {{-3, 9}, "-3/1"},
                          {{0, 5}, "none"},  {{5, 0}, "none"},  {{-1, INT64_MIN}, "none"}};
    for (const Case& c : cases) EXPECT_EQ(text(rationalReciprocal(c.r)), c.reciprocal) << text(c.r);
}

}  // namespace
}  // namespace duolinear

#include <cstdint>

#include <gtest/gtest.h>

#include "linear_steps/LinearClassification.h"
#include "linear_steps/LinearSolutionStatus.h"
#include "support/EquationBuilders.h"

namespace duolinear {
namespace {

using testing::constant;
using testing::equation;
using testing::xTerm;

struct ClassifyCase {
    const char* name;
    Style style;
    PolyEquation equation;
    Step_exclusions expected;
};

TEST(ClassifyLinearEquation, VetoesStagesByWhereFractionsSit) {
    const Style f = Style::fraction;
    const Style d = Style::decimal;
    const ClassifyCase cases[] = {
        {"no fractions", f, equation({xTerm(2), constant(3)}, {constant(7)}), Step_exclusions::reduce_and_clear},
        {"lone unit fraction x", f, equation({xTerm(1, 3)}, {constant(5)}), Step_exclusions::reduce_and_clear},
        {"unit fraction x beside constants", f, equation({xTerm(1, 3), constant(2)}, {constant(5)}),
         Step_exclusions::reduce_and_clear},
        {"lone non-unit fraction x", f, equation({xTerm(2, 4)}, {constant(5)}), Step_exclusions::clear},
        {"fraction x beside another x", f, equation({xTerm(1, 2), constant(3)}, {xTerm(1)}), Step_exclusions::none},
        {"fractional constant alone", f, equation({xTerm(3)}, {constant(1, 2)}), Step_exclusions::clear},
        {"two non-zero constants", f, equation({xTerm(3), constant(1, 2)}, {constant(5)}), Step_exclusions::none},
        {"exactly one constant non-zero", f, equation({xTerm(3), constant(0)}, {constant(1, 2)}),
         Step_exclusions::clear},
        {"two fractions, different exponents", f, equation({xTerm(1, 2)}, {constant(3, 4)}), Step_exclusions::clear},
        {"two fractions, three terms, one zero", f, equation({xTerm(1, 2), constant(0)}, {constant(3, 4)}),
         Step_exclusions::clear},
        {"two fractions, three terms, none zero", f, equation({xTerm(1, 2), constant(1)}, {constant(3, 4)}),
         Step_exclusions::none},
        {"two fractions, one exponent", f, equation({xTerm(1, 2), xTerm(1, 3)}, {constant(1)}), Step_exclusions::none},
        {"stored 4/2 counts as a fraction", f, equation({xTerm(4, 2)}, {constant(5)}), Step_exclusions::clear},
        {"decimal: x = 5/2", d, equation({xTerm(1)}, {constant(5, 2)}), Step_exclusions::reduce_and_clear},
        {"decimal: -x = 5/2", d, equation({xTerm(-1)}, {constant(5, 2)}), Step_exclusions::reduce_and_clear},
        {"decimal: 2x = 5/2", d, equation({xTerm(2)}, {constant(5, 2)}), Step_exclusions::reduce},
        {"decimal: x - 5/2 = 0", d, equation({xTerm(1), constant(-5, 2)}, {constant(0)}),
         Step_exclusions::reduce_and_clear},
    };
    for (const ClassifyCase& c : cases) {
        EXPECT_EQ(classifyLinearEquation(c.style, c.equation), c.expected) << c.name;
    }
}

TEST(IsSolvedForm, WantsBareVariableAgainstOneConstant) {
    EXPECT_TRUE(isSolvedForm(false, equation({xTerm(1)}, {constant(3)})));
    EXPECT_FALSE(isSolvedForm(false, equation({xTerm(1)}, {constant(6, 4)})));
    EXPECT_TRUE(isSolvedForm(true, equation({xTerm(1)}, {constant(6, 4)})));
    EXPECT_FALSE(isSolvedForm(false, equation({xTerm(-1)}, {constant(3)})));
    EXPECT_FALSE(isSolvedForm(false, equation({constant(3)}, {xTerm(1)})));
    EXPECT_FALSE(isSolvedForm(false, equation({xTerm(1), constant(0)}, {constant(3)})));
}

struct StatusCase {
    const char* name;
    PolyEquation equation;
    Status status;
    Rational value;
    Relation relation;
};

TEST(LinearSolutionStatus, SolvesInOneStep) {
    const Relation eq = Relation::equal_to;
    const Relation lt = Relation::less_than;
    const Relation gt = Relation::greater_than;
    const Relation ge = Relation::greater_than_or_equal_to;
    const Relation le = Relation::less_than_or_equal_to;
    const StatusCase cases[] = {
        {"2x + 3 = 7", equation({xTerm(2), constant(3)}, {constant(7)}), Status::unique, {2, 1}, eq},
        {"2x + 1 = 2x + 1", equation({xTerm(2), constant(1)}, {xTerm(2), constant(1)}), Status::infinite, {0, 1}, eq},
        {"2x + 1 = 2x + 3", equation({xTerm(2), constant(1)}, {xTerm(2), constant(3)}), Status::none, {0, 1}, eq},
        {"x < x + 1", equation({xTerm(1)}, {xTerm(1), constant(1)}, lt), Status::infinite, {0, 1}, lt},
        {"x > x + 1", equation({xTerm(1)}, {xTerm(1), constant(1)}, gt), Status::none, {0, 1}, gt},
        {"x < x", equation({xTerm(1)}, {xTerm(1)}, lt), Status::none, {0, 1}, lt},
        {"x <= x",
         equation({xTerm(1)}, {xTerm(1)}, Relation::less_than_or_equal_to),
         Status::infinite,
         {0, 1},
         Relation::less_than_or_equal_to},
        // Without the variable: 0 REL c, c zero or one either side of it.
        {"x > x", equation({xTerm(1)}, {xTerm(1)}, gt), Status::none, {0, 1}, gt},
        {"x >= x", equation({xTerm(1)}, {xTerm(1)}, ge), Status::infinite, {0, 1}, ge},
        {"x >= x + 1", equation({xTerm(1)}, {xTerm(1), constant(1)}, ge), Status::none, {0, 1}, ge},
        {"x >= x - 1", equation({xTerm(1)}, {xTerm(1), constant(-1)}, ge), Status::infinite, {0, 1}, ge},
        {"x <= x - 1", equation({xTerm(1)}, {xTerm(1), constant(-1)}, le), Status::none, {0, 1}, le},
        {"x > x - 1", equation({xTerm(1)}, {xTerm(1), constant(-1)}, gt), Status::infinite, {0, 1}, gt},
        {"x < x - 1", equation({xTerm(1)}, {xTerm(1), constant(-1)}, lt), Status::none, {0, 1}, lt},
        {"0 = -2", equation({constant(0)}, {constant(-2)}), Status::none, {0, 1}, eq},
        {"-2x < 4 reverses", equation({xTerm(-2)}, {constant(4)}, lt), Status::unique, {-2, 1}, gt},
        {"x/2 < 2 keeps", equation({xTerm(1, 2)}, {constant(2)}, lt), Status::unique, {4, 1}, lt},
        {"3x = 2", equation({xTerm(3)}, {constant(2)}), Status::unique, {2, 3}, eq},
        {"4x = 6 reduced", equation({xTerm(4)}, {constant(6)}), Status::unique, {3, 2}, eq},
        {"letter ignored", equation({xTerm(2, 1, 'y')}, {constant(4)}), Status::unique, {2, 1}, eq},
        {"negative stored denominator", equation({xTerm(3, -1)}, {constant(6)}, lt), Status::unique, {-2, 1}, gt},
    };
    for (const StatusCase& c : cases) {
        const std::optional<LinearSolution> s = linearSolutionStatus(c.equation);
        ASSERT_TRUE(s) << c.name;
        EXPECT_EQ(s->status, c.status) << c.name;
        EXPECT_EQ(s->value.numerator, c.value.numerator) << c.name;
        EXPECT_EQ(s->value.denominator, c.value.denominator) << c.name;
        EXPECT_EQ(s->relation, c.relation) << c.name;
    }
}

TEST(LinearSolutionStatus, GivesNoValueOutsideLinearArithmetic) {
    Monomial square = xTerm(1);
    square.exponent = 2;
    EXPECT_FALSE(linearSolutionStatus(equation({square, xTerm(2)}, {constant(4)})));
    Monomial zeroSquare = square;
    zeroSquare.coefficient.numerator = 0;
    EXPECT_TRUE(linearSolutionStatus(equation({zeroSquare, xTerm(2)}, {constant(4)})));

    EXPECT_FALSE(linearSolutionStatus(equation({xTerm(1, 0)}, {constant(4)})));
    EXPECT_FALSE(linearSolutionStatus(equation({xTerm(2), constant(INT64_MAX)}, {constant(-INT64_MAX)})));
    EXPECT_FALSE(linearSolutionStatus(equation({xTerm(INT64_MIN)}, {constant(1)})));  // 1 / -2^63 has no 2^63
    EXPECT_FALSE(linearSolutionStatus(equation({xTerm(INT64_MAX), xTerm(INT64_MAX)}, {constant(1)})));  // the sum
}

}  // namespace
}  // namespace duolinear

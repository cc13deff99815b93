#include <set>
#include <string>
#include <vector>

#include "FormEvaluation.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "support/ConstantRandom.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

// One problem from a scripted source. inputs: the input list joined by "|";
// draws: one letter per draw asked for, V the variant (0…3), D a digit (−9…9).
struct Case {
    std::int64_t level;
    std::vector<std::int64_t> script;
    std::string relation, display, inputs, draws;
};

void expectProblems(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        ScriptedRandom random;
        for (std::int64_t v : c.script) random.push(v);
        const std::optional<LinearProblemRecord> record = generateLinearProblem(c.level, c.relation, random);
        ASSERT_TRUE(record) << c.display;
        ASSERT_EQ(record->examples.size(), 1u);
        EXPECT_EQ(record->examples[0].text(), c.display);
        EXPECT_TRUE(record->examples[0].spans().empty());
        ASSERT_EQ(record->inputs.size(), 1u);
        ASSERT_EQ(record->inputs[0].size(), 1u);
        EXPECT_EQ(joinedInputs(record->inputs[0][0]), c.inputs) << c.display;
        std::string draws;
        for (const ScriptedRandom::Request& r : random.requests()) draws += r.high == 3 ? 'V' : r.low == -9 ? 'D' : '?';
        EXPECT_EQ(draws, c.draws) << c.display;
        EXPECT_EQ(random.remaining(), 0u) << c.display;
    }
}

TEST(LinearProblemGenerator, OneStepLevelsPutXOnceOnTheLeftOrTheRight) {
    expectProblems({
        {0, {0, -4, 7}, "<", "x − 4 < 7", "1|1|-4|1|RHS:|7|1| ax + b ? c ", "VDD"},
        {0, {0, -4, 7}, "", "x − 4  7", "1|1|-4|1|RHS:|7|1| ax + b ? c ", "VDD"},
        {0, {1, -3, 7}, "<", "-3 + x < 7", "-3|1|1|1|RHS:|7|1| a + bx ? c ", "VDD"},
        {0, {2, -1, 5}, "<", "-x < 5", "-1|1|RHS:|5|1| ax ? b ", "VDD"},
        {0, {2, 1, 0, 4, 5}, "<", "4x < 5", "4|1|RHS:|5|1| ax ? b ", "VDDDD"},  // 1 and 0 drawn again
        {0, {3, -4, 5}, "<", "x/(-4) < 5", "1|-4|RHS:|5|1| ax ? b ", "VDD"},
        {0, {3, 1, 3, 0, 5}, "≥", "x/3 ≥ 5", "1|3|RHS:|5|1| ax ? b ", "VDDDD"},
        {1, {0, 6, -2}, "<", "6 < x − 2", "6|1|RHS:|1|1|-2|1| a ? bx + c ", "VDD"},
        {1, {1, 6, -2}, "<", "6 < -2 + x", "6|1|RHS:|-2|1|1|1| a ? b + cx ", "VDD"},
        {1, {2, 6, -3}, "<", "6 < -3x", "6|1|RHS:|-3|1| a ? bx ", "VDD"},
        {1, {2, 6, -1}, ">", "6 > -x", "6|1|RHS:|-1|1| a ? bx ", "VDD"},
        {1, {3, 6, -2}, "≤", "6 ≤ x/(-2)", "6|1|RHS:|1|-2| a ? bx ", "VDD"},
    });
}

TEST(LinearProblemGenerator, TwoStepLevelsAddAConstantBesideX) {
    expectProblems({
        {2, {0, -1, -8, 3}, "<", "-x − 8 < 3", "-1|1|-8|1|RHS:|3|1| ax + b ? c ", "VDDD"},
        {2, {1, 2, -1, 3}, "<", "2 − x < 3", "2|1|-1|1|RHS:|3|1| a + bx ? c ", "VDDD"},
        {2, {1, 2, 5, -9}, "<", "2 + 5x < -9", "2|1|5|1|RHS:|-9|1| a + bx ? c ", "VDDD"},
        {2, {2, 7, -1, 4}, "<", "x/7 − 1 < 4", "1|7|-1|1|RHS:|4|1| ax + b ? c ", "VDDD"},
        {2, {3, -7, -5, 1}, "=", "-7 + x/(-5) = 1", "-7|1|1|-5|RHS:|1|1| a + bx ? c ", "VDDD"},
        {3, {0, 4, -1, 6}, "<", "4 < -x + 6", "4|1|RHS:|-1|1|6|1| a ? bx + c ", "VDDD"},
        {3, {1, 4, 8, 1, -1}, "<", "4 < 8 − x", "4|1|RHS:|8|1|-1|1| a ? b + cx ", "VDDDD"},
        {3, {2, -5, -3, 2}, "<", "-5 < x/(-3) + 2", "-5|1|RHS:|1|-3|2|1| a ? bx + c ", "VDDD"},
        {3, {3, 4, -6, 2}, ">", "4 > -6 + x/2", "4|1|RHS:|-6|1|1|2| a ? b + cx ", "VDDD"},
    });
}

// The pair of x coefficients comes first, then the variant, then the constants.
TEST(LinearProblemGenerator, OtherLevelsPutXOnBothSidesWithDifferentCoefficients) {
    expectProblems({
        {4, {3, -1, 0, -2, 8}, "<", "3x − 2 < -x + 8", "3|1|-2|1|RHS:|-1|1|8|1| ax + b ? cx + d ", "DDVDD"},
        {100, {-1, -4, 1, 6, -5}, "<", "-x + 6 < -5 − 4x", "-1|1|6|1|RHS:|-5|1|-4|1| ax + b ? c + dx ", "DDVDD"},
        {-1, {-1, 7, 2, 2, -3}, "<", "2 − x < 7x − 3", "2|1|-1|1|RHS:|7|1|-3|1| a + bx ? cx + d ", "DDVDD"},
        {-7, {9, -1, 3, -6, 4}, "≥", "-6 + 9x ≥ 4 − x", "-6|1|9|1|RHS:|4|1|-1|1| a + bx ? c + dx ", "DDVDD"},
        // (1, 5), (5, 5) and (0, 3) are drawn again, both values together.
        {5,
         {1, 5, 5, 5, 0, 3, 3, -1, 0, 1, -1},
         "<",
         "3x + 1 < -x − 1",
         "3|1|1|1|RHS:|-1|1|-1|1| ax + b ? cx + d ",
         "DDDDDDDDVDD"},
    });
}

TEST(LinearProblemGenerator, ABrokenSourceGivesNoProblemInsteadOfHanging) {
    ConstantRandom zero(0), two(2);  // 0 is never a coefficient; x coefficients must differ
    EXPECT_EQ(generateLinearProblem(1, "=", zero), std::nullopt);
    EXPECT_EQ(generateLinearProblem(4, "=", two), std::nullopt);
}

// Many problems of every level: each variant turns up, and the model made
// from a record's inputs solves to the one answer worked out in the test.
TEST(LinearProblemGenerator, RandomProblemsOfEveryLevelSolveToTheirOneAnswer) {
    SystemRandomSource source(20240229);
    SystemRandomSource advice(7);  // the smart method's draws
    ScopedDefaultRandom installed(advice);
    for (std::int64_t level : {0, 1, 2, 3, 4, -1, 100}) {
        std::set<std::string> variants;
        for (int i = 0; i < 60; ++i) {
            const auto relation = static_cast<Relation>(source.uniformIndex(5));
            const std::optional<LinearProblemRecord> record = generateLinearProblem(level, rawValue(relation), source);
            ASSERT_TRUE(record);
            const LinearEquationModel model = modelFromInputs(
                record->inputs.at(0).at(0), relation, source.fairBool() ? Technique::balance : Technique::transpose,
                source.fairBool() ? Style::fraction : Style::rational_fraction,
                source.fairBool() ? Method::smart : Method::standard);
            bool unitFraction = false;
            for (const auto* side : {&model.coefficients_LHS, &model.coefficients_RHS}) {
                for (const auto& [letter, r] : *side) {
                    EXPECT_TRUE(r.numerator != 0 && std::abs(r.numerator) <= 9 && std::abs(r.denominator) <= 9);
                    EXPECT_TRUE(r.denominator == 1 || (r.numerator == 1 && r.denominator != 0));
                    unitFraction = unitFraction || r.denominator != 1;
                }
            }
            variants.insert(model.format + (unitFraction ? "1/s" : ""));
            ASSERT_NE(collected(model).k, Q{}) << record->examples[0].text();  // x never cancels
            EXPECT_EQ(answerLine(model.solveLinearEquation()), expectedAnswerLine(model)) << record->examples[0].text();
        }
        EXPECT_EQ(variants.size(), 4u) << "level " << level;
    }
}

}  // namespace
}  // namespace duolinear

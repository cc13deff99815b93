#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FormEvaluation.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "support/ConstantRandom.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

// The ranges asked for, one letter per draw: V the variant (0…3), D a digit draw (−9…9).
std::string requestLetters(const ScriptedRandom& random) {
    std::string letters;
    for (const ScriptedRandom::Request& r : random.requests()) {
        if (r.kind == ScriptedRandom::Kind::integer && r.low == 0 && r.high == 3) {
            letters += 'V';
        } else if (r.kind == ScriptedRandom::Kind::integer && r.low == -9 && r.high == 9) {
            letters += 'D';
        } else {
            letters += '?';
        }
    }
    return letters;
}

struct Case {
    std::int64_t level;
    std::vector<std::int64_t> script;
    std::string relation;
    std::string display;
    Texts inputs;
    std::string requests;
};

void expectProblem(const Case& c) {
    ScriptedRandom random;
    for (std::int64_t v : c.script) random.push(v);
    const std::optional<LinearProblemRecord> record = generateLinearProblem(c.level, c.relation, random);
    ASSERT_TRUE(record) << c.display;
    ASSERT_EQ(record->examples.size(), 1u);
    EXPECT_EQ(record->examples[0].text(), c.display);
    EXPECT_TRUE(record->examples[0].spans().empty());
    EXPECT_EQ(record->inputs, (std::vector<std::vector<Texts>>{{c.inputs}})) << c.display;
    EXPECT_EQ(requestLetters(random), c.requests) << c.display;
    EXPECT_EQ(random.remaining(), 0u) << c.display;
}

TEST(LinearProblemGenerator, OneStepLevelsPutXOnceOnTheLeftOrTheRight) {
    const Case cases[] = {
        // Level 0.
        {0, {0, -4, 7}, "<", "x − 4 < 7", {"1", "1", "-4", "1", "RHS:", "7", "1", " ax + b ? c "}, "VDD"},
        {0, {0, 4, -1}, "=", "x + 4 = -1", {"1", "1", "4", "1", "RHS:", "-1", "1", " ax + b ? c "}, "VDD"},
        {0, {1, -3, 7}, "<", "-3 + x < 7", {"-3", "1", "1", "1", "RHS:", "7", "1", " a + bx ? c "}, "VDD"},
        {0, {2, -1, 5}, "<", "-x < 5", {"-1", "1", "RHS:", "5", "1", " ax ? b "}, "VDD"},
        // An x coefficient of 1 or 0 is drawn again.
        {0, {2, 1, 0, 4, 5}, "<", "4x < 5", {"4", "1", "RHS:", "5", "1", " ax ? b "}, "VDDDD"},
        {0, {3, -4, 5}, "<", "x/(-4) < 5", {"1", "-4", "RHS:", "5", "1", " ax ? b "}, "VDD"},
        {0, {3, 1, 3, 0, 5}, "≥", "x/3 ≥ 5", {"1", "3", "RHS:", "5", "1", " ax ? b "}, "VDDDD"},
        {0, {0, -4, 7}, "", "x − 4  7", {"1", "1", "-4", "1", "RHS:", "7", "1", " ax + b ? c "}, "VDD"},
        // Level 1.
        {1, {0, 6, -2}, "<", "6 < x − 2", {"6", "1", "RHS:", "1", "1", "-2", "1", " a ? bx + c "}, "VDD"},
        {1, {1, 6, -2}, "<", "6 < -2 + x", {"6", "1", "RHS:", "-2", "1", "1", "1", " a ? b + cx "}, "VDD"},
        {1, {2, 6, -3}, "<", "6 < -3x", {"6", "1", "RHS:", "-3", "1", " a ? bx "}, "VDD"},
        {1, {2, 0, 6, -1}, ">", "6 > -x", {"6", "1", "RHS:", "-1", "1", " a ? bx "}, "VDDD"},
        {1, {3, 6, 3}, "<", "6 < x/3", {"6", "1", "RHS:", "1", "3", " a ? bx "}, "VDD"},
        {1, {3, 6, -2}, "≤", "6 ≤ x/(-2)", {"6", "1", "RHS:", "1", "-2", " a ? bx "}, "VDD"},
    };
    for (const Case& c : cases) expectProblem(c);
}

TEST(LinearProblemGenerator, TwoStepLevelsAddAConstantBesideX) {
    const Case cases[] = {
        // Level 2.
        {2, {0, 5, 8, -3}, "<", "5x + 8 < -3", {"5", "1", "8", "1", "RHS:", "-3", "1", " ax + b ? c "}, "VDDD"},
        {2, {0, -1, -8, 3}, "<", "-x − 8 < 3", {"-1", "1", "-8", "1", "RHS:", "3", "1", " ax + b ? c "}, "VDDD"},
        {2, {1, 2, -5, -9}, "<", "2 − 5x < -9", {"2", "1", "-5", "1", "RHS:", "-9", "1", " a + bx ? c "}, "VDDD"},
        {2, {1, 2, -1, 3}, "<", "2 − x < 3", {"2", "1", "-1", "1", "RHS:", "3", "1", " a + bx ? c "}, "VDDD"},
        {2, {2, -2, 9, 4}, "<", "x/(-2) + 9 < 4", {"1", "-2", "9", "1", "RHS:", "4", "1", " ax + b ? c "}, "VDDD"},
        {2, {2, 7, -1, 4}, "<", "x/7 − 1 < 4", {"1", "7", "-1", "1", "RHS:", "4", "1", " ax + b ? c "}, "VDDD"},
        {2, {3, -7, 5, 1}, "<", "-7 + x/5 < 1", {"-7", "1", "1", "5", "RHS:", "1", "1", " a + bx ? c "}, "VDDD"},
        {2, {3, -1, -5, 1}, "=", "-1 + x/(-5) = 1", {"-1", "1", "1", "-5", "RHS:", "1", "1", " a + bx ? c "}, "VDDD"},
        // Level 3.
        {3, {0, 4, 3, -6}, "<", "4 < 3x − 6", {"4", "1", "RHS:", "3", "1", "-6", "1", " a ? bx + c "}, "VDDD"},
        {3, {0, 4, -1, 6}, "<", "4 < -x + 6", {"4", "1", "RHS:", "-1", "1", "6", "1", " a ? bx + c "}, "VDDD"},
        {3, {1, 4, 8, -1}, "<", "4 < 8 − x", {"4", "1", "RHS:", "8", "1", "-1", "1", " a ? b + cx "}, "VDDD"},
        {3, {1, 4, 8, 1, 3}, "<", "4 < 8 + 3x", {"4", "1", "RHS:", "8", "1", "3", "1", " a ? b + cx "}, "VDDDD"},
        {3, {2, -5, -3, 2}, "<", "-5 < x/(-3) + 2", {"-5", "1", "RHS:", "1", "-3", "2", "1", " a ? bx + c "}, "VDDD"},
        {3, {2, -5, 3, -2}, "<", "-5 < x/3 − 2", {"-5", "1", "RHS:", "1", "3", "-2", "1", " a ? bx + c "}, "VDDD"},
        {3, {3, 4, -6, 2}, "<", "4 < -6 + x/2", {"4", "1", "RHS:", "-6", "1", "1", "2", " a ? b + cx "}, "VDDD"},
        {3, {3, 4, -6, -2}, ">", "4 > -6 + x/(-2)", {"4", "1", "RHS:", "-6", "1", "1", "-2", " a ? b + cx "}, "VDDD"},
    };
    for (const Case& c : cases) expectProblem(c);
}

// The pair of x coefficients comes first, then the variant, then the two
// constants in letter order.
TEST(LinearProblemGenerator, OtherLevelsPutXOnBothSidesWithDifferentCoefficients) {
    const Case cases[] = {
        {4,
         {3, -1, 0, -2, 8},
         "<",
         "3x − 2 < -x + 8",
         {"3", "1", "-2", "1", "RHS:", "-1", "1", "8", "1", " ax + b ? cx + d "},
         "DDVDD"},
        {100,
         {-1, -4, 1, 6, -5},
         "<",
         "-x + 6 < -5 − 4x",
         {"-1", "1", "6", "1", "RHS:", "-5", "1", "-4", "1", " ax + b ? c + dx "},
         "DDVDD"},
        {-1,
         {-1, 7, 2, 2, -3},
         "<",
         "2 − x < 7x − 3",
         {"2", "1", "-1", "1", "RHS:", "7", "1", "-3", "1", " a + bx ? cx + d "},
         "DDVDD"},
        {-7,
         {9, -1, 3, -6, 4},
         "≥",
         "-6 + 9x ≥ 4 − x",
         {"-6", "1", "9", "1", "RHS:", "4", "1", "-1", "1", " a + bx ? c + dx "},
         "DDVDD"},
        // (1, 5), (5, 5) and (0, 3) are drawn again, both values together; a
        // constant 0 is drawn again; constants ±1 keep their digit.
        {5,
         {1, 5, 5, 5, 0, 3, 3, -1, 0, 0, 1, -1},
         "<",
         "3x + 1 < -x − 1",
         {"3", "1", "1", "1", "RHS:", "-1", "1", "-1", "1", " ax + b ? cx + d "},
         "DDDDDDDDVDDD"},
    };
    for (const Case& c : cases) expectProblem(c);
}

TEST(LinearProblemGenerator, ABrokenSourceGivesNoProblemInsteadOfHanging) {
    // 0 is never an acceptable coefficient, and a constant source never
    // gives two different x coefficients.
    for (std::int64_t level : {1, 4}) {
        ConstantRandom zero(0);
        EXPECT_EQ(generateLinearProblem(level, "=", zero), std::nullopt) << level;
    }
    ConstantRandom two(2);
    EXPECT_EQ(generateLinearProblem(4, "=", two), std::nullopt);
}

// The display text read back as k·x + m per side, independently of the
// generator's rendering rules: " − " becomes a negative term, "x/(d)" and
// "x/d" are 1/d times x.
std::optional<LinearValue> displaySide(std::string text) {
    const std::string minus = " \u2212 ";
    for (std::size_t at; (at = text.find(minus)) != std::string::npos;) text.replace(at, minus.size(), " + -");
    LinearValue value;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(" + ", start);
        std::string term = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::size_t x = term.find('x');
        if (x == std::string::npos) {
            value.m = value.m + Q::of(std::stoll(term));
        } else if (term.rfind("x/", 0) == 0) {
            std::string d = term.substr(2);
            if (d.front() == '(') d = d.substr(1, d.size() - 2);
            value.k = value.k + Q::of(1, std::stoll(d));
        } else {
            const std::string k = term.substr(0, x);
            if (x + 1 != term.size()) return std::nullopt;
            value.k = value.k + Q::of(k.empty() ? 1 : k == "-" ? -1 : std::stoll(k));
        }
        if (end == std::string::npos) return value;
        start = end + 3;
    }
}

// Many problems of every level: each record is well formed, its display text
// says what its inputs say, and the model made from the inputs solves to the
// answer worked out from the form in the test.
TEST(LinearProblemGenerator, RandomProblemsOfEveryLevelSolveToTheirOneAnswer) {
    const std::map<std::int64_t, std::set<std::string>> formsOf = {
        {0, {" ax + b ? c ", " a + bx ? c ", " ax ? b "}},
        {1, {" a ? bx + c ", " a ? b + cx ", " a ? bx "}},
        {2, {" ax + b ? c ", " a + bx ? c "}},
        {3, {" a ? bx + c ", " a ? b + cx "}},
        {4, {" ax + b ? cx + d ", " ax + b ? c + dx ", " a + bx ? cx + d ", " a + bx ? c + dx "}},
    };
    SystemRandomSource source(20240229);
    SystemRandomSource advice(7);  // the smart method's draws
    ScopedDefaultRandom installed(advice);
    const Relation relations[] = {Relation::equal_to, Relation::less_than, Relation::greater_than,
                                  Relation::less_than_or_equal_to, Relation::greater_than_or_equal_to};
    for (std::int64_t level : {0, 1, 2, 3, 4, 9, -1, -100}) {
        const std::set<std::string>& forms = formsOf.at(level >= 0 && level <= 3 ? level : 4);
        std::set<std::string> seen;
        for (int i = 0; i < 120; ++i) {
            const Relation relation = relations[source.uniformIndex(5)];
            const std::optional<LinearProblemRecord> record = generateLinearProblem(level, rawValue(relation), source);
            ASSERT_TRUE(record);
            ASSERT_EQ(record->examples.size(), 1u);
            ASSERT_EQ(record->inputs.size(), 1u);
            ASSERT_EQ(record->inputs[0].size(), 1u);
            const Texts& inputs = record->inputs[0][0];
            const std::string& display = record->examples[0].text();
            ASSERT_FALSE(inputs.empty());
            ASSERT_TRUE(forms.contains(inputs.back())) << inputs.back();

            const std::optional<LinearEquationModel> model =
                modelFromInputs(inputs, relation, source.fairBool() ? Technique::balance : Technique::transpose,
                                source.fairBool() ? Style::fraction : Style::rational_fraction,
                                source.fairBool() ? Method::smart : Method::standard);
            ASSERT_TRUE(model) << display;
            bool hasFraction = false;
            for (const auto* side : {&model->coefficients_LHS, &model->coefficients_RHS}) {
                for (const auto& [letter, r] : *side) {
                    EXPECT_TRUE(r.numerator != 0 && r.denominator != 0) << display;
                    EXPECT_TRUE(r.denominator == 1 || r.numerator == 1) << display;  // whole, or a unit fraction
                    hasFraction = hasFraction || r.denominator != 1;
                    EXPECT_TRUE(std::abs(r.numerator) <= 9 && std::abs(r.denominator) <= 9) << display;
                }
            }

            seen.insert(inputs.back() + (hasFraction ? " 1/s" : ""));  // one variant

            // The display text holds the same equation as the inputs.
            const std::string between = " " + rawValue(relation) + " ";
            const std::size_t at = display.find(between);
            ASSERT_NE(at, std::string::npos) << display;
            const std::optional<LinearValue> left = displaySide(display.substr(0, at));
            const std::optional<LinearValue> right = displaySide(display.substr(at + between.size()));
            const std::optional<LinearValue> fromInputs = collected(*model);
            ASSERT_TRUE(left && right && fromInputs) << display;
            EXPECT_EQ(left->k - right->k, fromInputs->k) << display;
            EXPECT_EQ(left->m - right->m, fromInputs->m) << display;

            // x never cancels: one answer, the one the test works out.
            ASSERT_NE(fromInputs->k, Q{}) << display;
            EXPECT_EQ(answerLine(model->solveLinearEquation()), expectedAnswerLine(*model)) << display;
        }
        EXPECT_EQ(seen.size(), 4u) << "level " << level;  // every variant turns up
    }
}

}  // namespace
}  // namespace duolinear

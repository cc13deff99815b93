#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FormEvaluation.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "linear_steps/ExtendedBuilders.h"
#include "linear_steps/ExtendedLinearSteps.h"
#include "support/ScriptedRandom.h"

namespace duolinear {
namespace {

using namespace testing;
using Values = std::map<char, Rational>;
using Lines = std::vector<std::string>;

Lines firstComments(const LinearWorkedSolution& solution) {
    Lines out;
    for (const std::vector<std::string>& c : solution.comments) out.push_back(c.empty() ? "" : c.front());
    return out;
}

void expectDatabaseIssue(const LinearWorkedSolution& solution, const std::string& label) {
    ASSERT_EQ(solution.steps.size(), 1u) << label;
    EXPECT_EQ(readLines(solution.steps[0]), Lines{"unexpected error"}) << label;
    EXPECT_EQ(solution.comments, (StepComments{{"database issue"}})) << label;
    EXPECT_EQ(solution.parameters, StepParameters{"?"}) << label;
}

LinearEquationModel model(std::string format, Values left, Values right, Relation relation = Relation::equal_to,
                          Style style = Style::fraction, Technique technique = Technique::transpose) {
    return LinearEquationModel{std::move(format), std::move(left), std::move(right), relation,
                               technique,         style,           Method::standard};
}

Rational q(std::int64_t n, std::int64_t d = 1) {
    return Rational{n, d};
}

// Every form of the table, each solved and its answer compared with the one
// worked out from the form text itself. The values give fractional answers,
// fractional coefficients, negative x coefficients (a reversed inequality)
// and, in one row, x cancelling.
TEST(LinearEquationModel, SolvesEveryFormOfTheTable) {
    struct Case {
        std::string format;
        Values left, right;
        Relation relation;
    };
    const Case cases[] = {
        {" a ? bx ", {{'a', q(6)}}, {{'b', q(-4)}}, Relation::less_than},
        {" a ? bx + c ", {{'a', q(6)}}, {{'b', q(1)}, {'c', q(-2)}}, Relation::equal_to},
        {" a ? b + cx ", {{'a', q(6)}}, {{'b', q(-2)}, {'c', q(1, 3)}}, Relation::greater_than_or_equal_to},
        {" ax ? b ", {{'a', q(1, -4)}}, {{'b', q(5)}}, Relation::less_than},
        {" ax ? bx + c ", {{'a', q(3)}}, {{'b', q(5)}, {'c', q(7)}}, Relation::greater_than},
        {" ax ? b + cx ", {{'a', q(2)}}, {{'b', q(-9)}, {'c', q(2)}}, Relation::equal_to},
        {" ax + b ? c ", {{'a', q(5)}, {'b', q(8)}}, {{'c', q(-3)}}, Relation::less_than_or_equal_to},
        {" ax + b ? cx + d ", {{'a', q(3)}, {'b', q(-2)}}, {{'c', q(-1)}, {'d', q(8)}}, Relation::less_than},
        {" ax + b ? c + dx ", {{'a', q(-1)}, {'b', q(6)}}, {{'c', q(-5)}, {'d', q(-4)}}, Relation::equal_to},
        {" a + bx ? c ", {{'a', q(2)}, {'b', q(-5)}}, {{'c', q(-9)}}, Relation::greater_than},
        {" a + bx ? cx + d ", {{'a', q(2)}, {'b', q(-1)}}, {{'c', q(7)}, {'d', q(-3)}}, Relation::equal_to},
        {" a + bx ? c + dx ", {{'a', q(-6)}, {'b', q(9)}}, {{'c', q(4)}, {'d', q(-1)}}, Relation::less_than},
        {" a(bx + c) ? d ", {{'a', q(-3)}, {'b', q(2)}, {'c', q(-5)}}, {{'d', q(4)}}, Relation::equal_to},
        {" a(bx + c) ? dx + e ",
         {{'a', q(3, 4)}, {'b', q(2)}, {'c', q(1)}},
         {{'d', q(5, 3)}, {'e', q(-1, 2)}},
         Relation::less_than},
        {" a(bx + c) ? d + ex ",
         {{'a', q(2)}, {'b', q(3)}, {'c', q(-1)}},
         {{'d', q(4)}, {'e', q(6)}},
         Relation::less_than},  // 6x − 2 < 4 + 6x: true for every x
        {" a(b + cx) ? d ", {{'a', q(4)}, {'b', q(3)}, {'c', q(-1)}}, {{'d', q(-2)}}, Relation::less_than},
        {" a(b + cx) ? dx + e ",
         {{'a', q(-2)}, {'b', q(1)}, {'c', q(5)}},
         {{'d', q(3)}, {'e', q(7)}},
         Relation::greater_than_or_equal_to},
        {" a(b + cx) ? d + ex ",
         {{'a', q(1, 2)}, {'b', q(3)}, {'c', q(4)}},
         {{'d', q(-1)}, {'e', q(-3)}},
         Relation::equal_to},
        {" a + b(cx + d) ? ex + f ",
         {{'a', q(4)}, {'b', q(-1)}, {'c', q(3)}, {'d', q(-2)}},
         {{'e', q(1)}, {'f', q(7)}},
         Relation::less_than},
        {" a + b(cx + d(ex + f)) ? g ",
         {{'a', q(2)}, {'b', q(3)}, {'c', q(1)}, {'d', q(-1)}, {'e', q(4)}, {'f', q(-5)}},
         {{'g', q(-6)}},
         Relation::greater_than_or_equal_to},
    };
    std::set<std::string> keys;
    for (const Case& c : cases) {
        const LinearEquationModel m = model(c.format, c.left, c.right, c.relation);
        keys.insert(linearFormKey(c.format));
        const LinearWorkedSolution solution = m.solveLinearEquation();
        ASSERT_GE(solution.steps.size(), 2u) << c.format;
        EXPECT_EQ(solution.steps.size(), solution.comments.size()) << c.format;
        EXPECT_EQ(firstComments(solution).front(), "🤔") << c.format;
        EXPECT_EQ(firstComments(solution).back(), "😎") << c.format;
        EXPECT_EQ(solution.parameters, StepParameters{"?"}) << c.format;
        EXPECT_EQ(answerLine(solution), expectedAnswerLine(m)) << c.format;
    }
    // The cases cover the whole table, and the table is nothing more.
    std::set<std::string> tableKeys;
    for (const auto& [key, entry] : linearFormDatabase()) tableKeys.insert(key);
    EXPECT_EQ(keys, tableKeys);
}

TEST(LinearEquationModel, HandsTheEquationToTheEngineWithHighlightingAndTheModelsChoices) {
    // 2 + 3x = 5 − x through the bracketed engine, red marks included.
    const Values left{{'a', q(2)}, {'b', q(3)}};
    const Values right{{'c', q(5)}, {'d', q(-1)}};
    for (Style style : {Style::fraction, Style::rational_fraction, Style::decimal}) {
        for (Technique technique : {Technique::transpose, Technique::balance}) {
            const Ext_polyEquation equation =
                extEquation(side({{c(2), x(3)}}), side({{c(5), x(-1)}}), Relation::equal_to);
            const WorkedSteps engine = extendedLinearEquationSteps(
                equation, {.technique = technique, .highlight = true, .style = style, .method = Method::standard});
            const LinearWorkedSolution solution =
                model(" a + bx ? c + dx ", left, right, Relation::equal_to, style, technique).solveLinearEquation();
            EXPECT_EQ(solution.steps, engine.steps) << rawValue(style) << ", " << rawValue(technique);
            EXPECT_EQ(solution.comments, engine.comments);
        }
    }
    // The engine's own refusal comes back unchanged.
    const LinearWorkedSolution refused = model(" ax ? b ", {{'a', q(3, 0)}}, {{'b', q(1)}}).solveLinearEquation();
    EXPECT_EQ(firstComments(refused), Lines{"oops"});
    EXPECT_EQ(refused.parameters, StepParameters{"?"});
}

TEST(LinearEquationModel, BlanksDoNotMatterAndEachLetterIsReadFromItsOwnSide) {
    const Values left{{'a', q(2)}, {'b', q(3)}, {'z', q(99)}, {'c', q(99)}};  // extras are ignored
    const Values right{{'c', q(5)}, {'d', q(-1)}, {'a', q(99)}};
    const LinearWorkedSolution spaced = model(" a + bx ? c + dx ", left, right).solveLinearEquation();
    EXPECT_EQ(answerLine(spaced), "x = [3/4]");
    for (const char* format : {"a+bx?c+dx", "a +bx?  c+ dx   ", "  a+b x ?c +d x"}) {
        const LinearWorkedSolution other = model(format, left, right).solveLinearEquation();
        EXPECT_EQ(other.steps, spaced.steps) << format;
        EXPECT_EQ(other.comments, spaced.comments) << format;
    }
}

// Forms that the table does not hold, and letters that the form names but
// its side's map lacks: the one "database issue" step, never an invented value.
TEST(LinearEquationModel, FormsOutsideTheTableAndMissingLettersGiveTheDatabaseIssue) {
    const Values four{{'a', q(1)}, {'b', q(2)}, {'c', q(3)}, {'d', q(4)}};
    const struct Case {
        const char* label;
        LinearEquationModel model;
    } cases[] = {
        {"two x terms on one side", model(" ax + bx ? c ", four, four)},
        {"a decimal form", model(" ax + b ? cx + d !", four, four)},
        {"an empty form", model("", four, four)},
        {"another relation mark", model(" ax + b = c ", four, four)},
        {"a tab is not a blank", model("ax+b?c\t", four, four)},
        {"a left letter missing", model(" ax + b ? c ", {{'a', q(1)}}, four)},
        {"a right letter only on the left", model(" ax + b ? c ", four, {{'a', q(1)}, {'b', q(1)}})},
        {"a bracket factor missing", model(" a(bx + c) ? d ", {{'b', q(1)}, {'c', q(1)}}, four)},
        {"no letters at all", model(" ax ? b ", {}, {})},
    };
    for (const Case& c : cases) expectDatabaseIssue(c.model.solveLinearEquation(), c.label);
}

TEST(LinearEquationModel, ParseTermGroupsReadsEachTokenIntoOneTerm) {
    const Values values{{'a', q(2)}, {'b', q(-3)}, {'c', q(1, 2)}, {'d', q(5)}};
    struct Case {
        TermGroups groups;
        std::optional<std::string> read;  // no value: the side is refused
    };
    const Case cases[] = {
        {{{"bx", "c"}, {"a[0]"}}, "[[-3x, 1/2], [2·(0)]]"},
        {{{"ax", "b"}, {"cx", "d[0]"}, {"a", "b[1]"}}, "[[2x, -3], [1/2x, 5·(0)], [2, -3·(1)]]"},
        {{{"d"}, {"bx[0]"}}, "[[5], [-3x·(0)]]"},  // a variable term times a group
        {{{"a"}, {"b[12]"}}, "[[2], [-3·(12)]]"},  // that the group exists is the engine's business
        {{}, "[]"},
        {{{"a[x]"}}, std::nullopt},
        {{{"a[]"}}, std::nullopt},
        {{{"a[0"}}, std::nullopt},
        {{{"a[-1]"}}, std::nullopt},
        {{{"ax[]"}}, std::nullopt},
        {{{"a[99999999999999999999]"}}, std::nullopt},  // does not fit an index
        {{{"c", ""}}, std::nullopt},
        {{{"ex"}}, std::nullopt},  // e has no value
    };
    for (const Case& c : cases) {
        const std::optional<Ext_polynomial> parsed = parseTermGroups(c.groups, values, Var::x);
        ASSERT_EQ(parsed.has_value(), c.read.has_value()) << (c.read ? *c.read : "refusal");
        if (parsed) {
            EXPECT_EQ(readGroups(*parsed), *c.read);
        }
    }
    // The value is used as stored, colours included; letters and brackets stay black.
    const Rational blue{4, 6, Color::blue, Color::blue, Color::blue};
    const std::optional<Ext_polynomial> coloured = parseTermGroups({{"ax"}, {"a[0]"}}, {{'a', blue}}, Var::x);
    ASSERT_TRUE(coloured);
    const Term& t = coloured->terms[0][0];
    EXPECT_EQ(t.monomial.coefficient.numerator, 4);
    EXPECT_EQ(t.monomial.coefficient.denominator, 6);
    EXPECT_EQ(t.monomial.coefficient.bar_color, Color::blue);
    EXPECT_EQ(t.monomial.variable, 'x');
    EXPECT_EQ(t.monomial.variable_color, Color::black);
    EXPECT_EQ(coloured->terms[1][0].sub_exp_parenthesis_color, Color::black);
}

TEST(LinearEquationModel, MenusAndCoefficientLetters) {
    EXPECT_EQ(L_menu::styleMenu(), (Lines{"show as ˣ∕₃", "show as ¹∕₃ x"}));
    EXPECT_EQ(L_menu::methodMenu(), (Lines{"smart", "standard"}));
    EXPECT_EQ(L_menu::techniqueMenu(), (Lines{"transpose", "balance"}));
    EXPECT_EQ(L_menu::relationMenu(), (Lines{"=", "<", ">", "≤", "≥"}));
    EXPECT_EQ(styleFromRawValue(L_menu::styleMenu()[0]), Style::rational_fraction);

    const std::string letters = "abcdefghi";
    for (char letter : letters) {
        const std::optional<Coeff> coeff = coeffFromRawValue(letter);
        ASSERT_TRUE(coeff) << letter;
        EXPECT_EQ(rawValue(*coeff), letter);
    }
    for (char other : std::string("xjA`\0 ?", 7)) EXPECT_EQ(coeffFromRawValue(other), std::nullopt) << int(other);
}

}  // namespace
}  // namespace duolinear

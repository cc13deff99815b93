#include <map>
#include <set>
#include <string>
#include <vector>

#include "FormEvaluation.h"
#include "linear_problems/Linear_Equation_Model.h"
#include "support/ExtendedBuilders.h"
#include "linear_steps/ExtendedLinearSteps.h"

namespace duolinear {
namespace {

using namespace testing;
using Values = std::map<char, Rational>;
using Lines = std::vector<std::string>;

LinearEquationModel model(std::string format, Values left, Values right, Relation relation = Relation::equal_to,
                          Style style = Style::fraction, Technique technique = Technique::transpose) {
    return {std::move(format), std::move(left), std::move(right), relation, technique, style, Method::standard};
}

Rational q(std::int64_t n, std::int64_t d = 1) {
    return Rational{n, d};
}

// Every form of the table, solved and compared with the answer worked out
// from the form text. The values give fractional answers and coefficients,
// reversed inequalities and, once, x cancelling.
TEST(LinearEquationModel, SolvesEveryFormOfTheTable) {
    using enum Relation;
    const struct {
        std::string format;
        Values left, right;
        Relation relation;
    } cases[] = {
        {" a ? bx ", {{'a', q(6)}}, {{'b', q(-4)}}, less_than},
        {" a ? bx + c ", {{'a', q(6)}}, {{'b', q(1)}, {'c', q(-2)}}, equal_to},
        {" a ? b + cx ", {{'a', q(6)}}, {{'b', q(-2)}, {'c', q(1, 3)}}, greater_than_or_equal_to},
        {" ax ? b ", {{'a', q(1, -4)}}, {{'b', q(5)}}, less_than},
        {" ax ? bx + c ", {{'a', q(3)}}, {{'b', q(5)}, {'c', q(7)}}, greater_than},
        {" ax ? b + cx ", {{'a', q(2)}}, {{'b', q(-9)}, {'c', q(2)}}, equal_to},
        {" ax + b ? c ", {{'a', q(5)}, {'b', q(8)}}, {{'c', q(-3)}}, less_than_or_equal_to},
        {" ax + b ? cx + d ", {{'a', q(3)}, {'b', q(-2)}}, {{'c', q(-1)}, {'d', q(8)}}, less_than},
        {" ax + b ? c + dx ", {{'a', q(-1)}, {'b', q(6)}}, {{'c', q(-5)}, {'d', q(-4)}}, equal_to},
        {" a + bx ? c ", {{'a', q(2)}, {'b', q(-5)}}, {{'c', q(-9)}}, greater_than},
        {" a + bx ? cx + d ", {{'a', q(2)}, {'b', q(-1)}}, {{'c', q(7)}, {'d', q(-3)}}, equal_to},
        {" a + bx ? c + dx ", {{'a', q(-6)}, {'b', q(9)}}, {{'c', q(4)}, {'d', q(-1)}}, less_than},
        {" a(bx + c) ? d ", {{'a', q(-3)}, {'b', q(2)}, {'c', q(-5)}}, {{'d', q(4)}}, equal_to},
        {" a(bx + c) ? dx + e ",
         {{'a', q(3, 4)}, {'b', q(2)}, {'c', q(1)}},
         {{'d', q(5, 3)}, {'e', q(-1, 2)}},
         less_than},
        {" a(bx + c) ? d + ex ",
         {{'a', q(2)}, {'b', q(3)}, {'c', q(-1)}},
         {{'d', q(4)}, {'e', q(6)}},
         less_than},  // 6x − 2 < 4 + 6x holds for every x
        {" a(b + cx) ? d ", {{'a', q(4)}, {'b', q(3)}, {'c', q(-1)}}, {{'d', q(-2)}}, less_than},
        {" a(b + cx) ? dx + e ",
         {{'a', q(-2)}, {'b', q(1)}, {'c', q(5)}},
         {{'d', q(3)}, {'e', q(7)}},
         greater_than_or_equal_to},
        {" a(b + cx) ? d + ex ", {{'a', q(1, 2)}, {'b', q(3)}, {'c', q(4)}}, {{'d', q(-1)}, {'e', q(-3)}}, equal_to},
        {" a + b(cx + d) ? ex + f ",
         {{'a', q(4)}, {'b', q(-1)}, {'c', q(3)}, {'d', q(-2)}},
         {{'e', q(1)}, {'f', q(7)}},
         less_than},
        {" a + b(cx + d(ex + f)) ? g ",
         {{'a', q(2)}, {'b', q(3)}, {'c', q(1)}, {'d', q(-1)}, {'e', q(4)}, {'f', q(-5)}},
         {{'g', q(-6)}},
         greater_than_or_equal_to},
    };
    std::set<std::string> keys, tableKeys;
    for (const auto& c : cases) {
        const LinearEquationModel m = model(c.format, c.left, c.right, c.relation);
        const LinearWorkedSolution solution = m.solveLinearEquation();
        ASSERT_GE(solution.comments.size(), 2u) << c.format;
        EXPECT_EQ(solution.comments.front(), Lines{"🤔"}) << c.format;
        EXPECT_EQ(solution.comments.back(), Lines{"😎"}) << c.format;
        EXPECT_EQ(solution.parameters, StepParameters{"?"});
        EXPECT_EQ(answerLine(solution), expectedAnswerLine(m)) << c.format;
        keys.insert(linearFormKey(c.format));
    }
    for (const auto& [key, entry] : linearFormDatabase()) tableKeys.insert(key);
    EXPECT_EQ(keys, tableKeys);  // the cases cover the table, and it holds nothing more
}

TEST(LinearEquationModel, PassesItsChoicesToTheEngineAndIgnoresBlanksAndOtherLetters) {
    const Ext_polyEquation equation = extEquation(side({{c(2), x(3)}}), side({{c(5), x(-1)}}));  // 2 + 3x = 5 − x
    const Values left{{'a', q(2)}, {'b', q(3)}, {'c', q(99)}, {'z', q(99)}};  // c is read on the right only
    const Values right{{'c', q(5)}, {'d', q(-1)}, {'a', q(99)}};
    for (const char* format : {" a + bx ? c + dx ", "a+bx?c+dx", "  a+b x ?c +d x"}) {
        for (const auto& [style, technique] : {std::pair{Style::rational_fraction, Technique::balance},
                                               std::pair{Style::decimal, Technique::transpose}}) {
            const WorkedSteps engine = extendedLinearEquationSteps(
                equation, {.technique = technique, .highlight = true, .style = style, .method = Method::standard});
            const LinearWorkedSolution solution =
                model(format, left, right, Relation::equal_to, style, technique).solveLinearEquation();
            EXPECT_EQ(solution.steps, engine.steps) << format;
            EXPECT_EQ(solution.comments, engine.comments) << format;
        }
    }
    // The engine's own refusal comes back unchanged.
    EXPECT_EQ(model(" ax ? b ", {{'a', q(3, 0)}}, {{'b', q(1)}}).solveLinearEquation().comments,
              StepComments{{"oops"}});
}

// A form outside the table, or a letter the form names that its side's map
// lacks: the one "database issue" step, never an invented value.
TEST(LinearEquationModel, FormsOutsideTheTableAndMissingLettersGiveTheDatabaseIssue) {
    const Values four{{'a', q(1)}, {'b', q(2)}, {'c', q(3)}, {'d', q(4)}};
    const LinearEquationModel cases[] = {
        model(" ax + bx ? c ", four, four),
        model(" ax + b ? cx + d !", four, four),
        model("", four, four),
        model(" ax + b = c ", four, four),
        model("ax+b?c\t", four, four),
        model(" ax + b ? c ", {{'a', q(1)}}, four),
        model(" ax + b ? c ", four, {{'a', q(1)}}),
        model(" a(bx + c) ? d ", {{'b', q(1)}, {'c', q(1)}}, four),
    };
    for (const LinearEquationModel& m : cases) {
        const LinearWorkedSolution solution = m.solveLinearEquation();
        ASSERT_EQ(solution.steps.size(), 1u) << m.format;
        EXPECT_EQ(readLines(solution.steps[0]), Lines{"unexpected error"}) << m.format;
        EXPECT_EQ(solution.comments, StepComments{{"database issue"}}) << m.format;
        EXPECT_EQ(solution.parameters, StepParameters{"?"});
    }
}

TEST(LinearEquationModel, ParseTermGroupsReadsEachTokenIntoOneTerm) {
    const Values values{{'a', q(2)}, {'b', q(-3)}, {'c', q(1, 2)}, {'d', Rational{5, 1, Color::blue}}};
    const std::pair<TermGroups, std::string> cases[] = {
        {{{"bx", "c"}, {"a[0]"}}, "[[-3x, 1/2], [2·(0)]]"},
        {{{"ax", "b"}, {"cx", "d[0]"}, {"a", "b[1]"}}, "[[2x, -3], [1/2x, 5·(0)], [2, -3·(1)]]"},
        {{{"d"}, {"bx[0]"}, {"a[12]"}}, "[[5], [-3x·(0)], [2·(12)]]"},  // a missing group is the engine's concern
        {{{"a[x]"}}, "refused"},
        {{{"a[]"}}, "refused"},
        {{{"a[0"}}, "refused"},
        {{{"ax[-1]"}}, "refused"},
        {{{"a[99999999999999999999]"}}, "refused"},
        {{{"c", ""}}, "refused"},
        {{{"ex"}}, "refused"},
    };
    for (const auto& [groups, read] : cases) {
        const std::optional<Ext_polynomial> parsed = parseTermGroups(groups, values, Var::x);
        EXPECT_EQ(parsed ? readGroups(*parsed) : "refused", read);
    }
    // The value keeps its colours; the letter stays black.
    const Term d = parseTermGroups({{"dx"}}, values, Var::x)->terms[0][0];
    EXPECT_EQ(d.monomial.coefficient.numerator_color, Color::blue);
    EXPECT_EQ(d.monomial.variable_color, Color::black);
}

TEST(LinearEquationModel, MenusAndCoefficientLetters) {
    EXPECT_EQ(L_menu::styleMenu(), (Lines{"show as ˣ∕₃", "show as ¹∕₃ x"}));
    EXPECT_EQ(L_menu::methodMenu(), (Lines{"smart", "standard"}));
    EXPECT_EQ(L_menu::techniqueMenu(), (Lines{"transpose", "balance"}));
    EXPECT_EQ(L_menu::relationMenu(), (Lines{"=", "<", ">", "≤", "≥"}));
    for (char letter : std::string("abcdefghi")) EXPECT_EQ(rawValue(coeffFromRawValue(letter).value()), letter);
    for (char other : std::string("xjA`\0 ?", 7)) EXPECT_EQ(coeffFromRawValue(other), std::nullopt) << int(other);
}

}  // namespace
}  // namespace duolinear

// The options and menus, the model's worked solution and the solver driver:
// its refusals, opening and closing frames.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTestSupport.h"
#include "algebra/AlgebraLayouts.h"
#include "solver/DuolinearMenus.h"
#include "solver/DuolinearModel.h"
#include "solver/SolverDriver.h"

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::messageText;
using Texts = std::vector<std::string>;
using M = Duolinear_method;

TEST(DuolinearOptions, RawTextsAndMenus) {
    EXPECT_EQ(duolinearMethodFromRawValue("substitution"), M::substitution);
    EXPECT_EQ(rawValue(Duolinear_LCM::smart), "smart");
    EXPECT_EQ(rawValue(Duolinear_solution_type::one), "one solution");
    EXPECT_EQ(rawValue(Duolinear_solution_type::none), "FALSE : no solution");
    EXPECT_EQ(rawValue(Duolinear_solution_type::infinite), "TRUE : infinite solutions");
    for (const char* text : {"Addition", "addition ", ""}) EXPECT_FALSE(duolinearMethodFromRawValue(text));
    EXPECT_FALSE(duolinearLCMFromRawValue("smart \u2716\uFE0F"));
    // Every raw text reads back as its own case.
    for (const auto v : {Duolinear_variable::x, Duolinear_variable::y}) {
        EXPECT_EQ(duolinearVariableFromRawValue(rawValue(v)), v);
    }
    for (const auto e : {Duolinear_equation::first, Duolinear_equation::second}) {
        EXPECT_EQ(duolinearEquationFromRawValue(rawValue(e)), e);
    }
    for (const auto l : {Duolinear_LCM::LCM, Duolinear_LCM::smart}) EXPECT_EQ(duolinearLCMFromRawValue(rawValue(l)), l);
    for (const auto t :
         {Duolinear_solution_type::one, Duolinear_solution_type::none, Duolinear_solution_type::infinite}) {
        EXPECT_EQ(duolinearSolutionTypeFromRawValue(rawValue(t)), t);
    }

    // The addition and elimination screens offer the same lists.
    const Texts eliminate{"eliminate x to find y", "eliminate y to find x"};
    const Texts substituteIn{"substitute in first", "substitute in second"};
    const Texts lcm{"LCM", "smart \xE2\x9C\x96\xEF\xB8\x8F"};  // U+2716 U+FE0F
    EXPECT_EQ(Duolinear_addition_menu::variableOptions(), eliminate);
    EXPECT_EQ(Duolinear_elimination_menu::variableOptions(), eliminate);
    EXPECT_EQ(Duolinear_addition_menu::equationOptions(), substituteIn);
    EXPECT_EQ(Duolinear_elimination_menu::equationOptions(), substituteIn);
    EXPECT_EQ(Duolinear_addition_menu::lcmOptions(), lcm);
    EXPECT_EQ(Duolinear_elimination_menu::lcmOptions(), lcm);
    EXPECT_EQ(Duolinear_substitution_menu::variableOptions(), (Texts{"x in terms of y", "y in terms of x"}));
    EXPECT_EQ(Duolinear_substitution_menu::equationOptions(), (Texts{"from the first", "from the second"}));
}

WorkedSteps solve(const Duolinear& system, M method = M::addition, bool quiet = false) {
    return solveDuolinearSystem(system, {.method = method}, quiet);
}

void expectRefusal(const StepList& steps, const StepComments& comments, const std::string& reason) {
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(comments, StepComments{{"oops"}});
    ASSERT_EQ(steps[0].size(), 2u);
    EXPECT_EQ(messageText(steps[0][0]), reason);
    EXPECT_EQ(messageText(steps[0][1]), "please correct");
}

TEST(SolverDriver, RefusedInputGivesOneOopsStepByEveryMethodWhateverQuietIs) {
    const Duolinear good = integerSystem(2, 3, 7, 1, -1, 1);
    Duolinear undefined = good, bothFaults = integerSystem(0, 0, 5, 1, -1, 1), fraction = good, threeTerms = good;
    undefined.equations[1].LHS.terms[0].coefficient = Rational{1, 0};
    bothFaults.equations[1].RHS.terms[0].coefficient = Rational{1, 0};
    fraction.equations[1].LHS.terms[1].coefficient = Rational{1, 2};
    threeTerms.equations[0].LHS.terms.push_back(Monomial{Rational{1, 1}, 1, 'z'});
    const std::int64_t big = std::int64_t{1} << 40;
    const struct {
        Duolinear system;
        const char* reason;
        bool substitutionToo = true;
        bool eliminationToo = true;  // addition and elimination
    } cases[] = {
        {undefined, "division by zero"},
        {integerSystem(2, 3, 7, 0, 0, 5), "missing variable term"},
        {bothFaults, "division by zero"},
        {threeTerms, "missing coefficient"},
        {Duolinear{}, "missing coefficient"},
        {fraction, "whole numbers only"},
        {integerSystem(INT64_MAX, 2, 1, 3, INT64_MAX, 1), "numbers too large"},  // x = (max − 2)/(max² − 6)
        // The determinants fit but a working leaves 64 bits: its refusal must
        // not show up as "division by zero" inside the solution.
        {integerSystem(707957912, 1238297398, 3792575216, 2336995545, -2, 0), "numbers too large"},
        // By substitution only: the value put back into x in terms of y
        // times 1/30480831 leaves 64 bits; the other methods divide it
        // after working the quotient in lowest terms.
        {integerSystem(30480831, 2, -4, 2, -9827317, 11083090), "numbers too large", true, false},
        // Both equations in x: parallel lines, found without a quotient, but
        // solving -x = min does not fit.
        {integerSystem(1, 0, 1, -1, 0, INT64_MIN), "numbers too large"},
        {integerSystem(big + 1, 1, 1, big - 1, 1, 1), "numbers too large", false},          // lcm does not fit
        {integerSystem(1, 3, std::int64_t{1} << 62, 3, 1, 1), "numbers too large", false},  // 3·c1 does not fit
    };
    for (const auto& c : cases) {
        for (M method : {M::addition, M::elimination, M::substitution}) {
            if (method == M::substitution ? !c.substitutionToo : !c.eliminationToo) continue;
            for (bool quiet : {false, true}) {
                SCOPED_TRACE(::testing::Message() << c.reason << " by " << rawValue(method) << " quiet " << quiet);
                const WorkedSteps result = solve(c.system, method, quiet);
                expectRefusal(result.steps, result.comments, c.reason);
            }
        }
    }
}

// a·x + b·y = c with stacked fractions, zero variable terms left out.
TagLayout line(std::int64_t a, std::int64_t b, std::int64_t c) {
    Monomials left;
    if (a != 0) left.push_back(Monomial{Rational{a, 1}, 1, 'x'});
    if (b != 0) left.push_back(Monomial{Rational{b, 1}, 1, 'y'});
    return equationLayout(PolyEquation{left, {Monomial{Rational{c, 1}, 0}}, Relation::equal_to}, Style::fraction);
}

TEST(SolverDriver, OpensWithTheEquationsAndClosesWithTheVerdict) {
    const WorkedSteps result = solve(integerSystem(2, 3, 7, 1, -1, 1));
    ASSERT_EQ(result.steps.size(), result.comments.size());
    EXPECT_EQ(result.comments.front(), Texts{"🤔"});
    EXPECT_EQ(result.steps.front(), (StepLines{line(2, 3, 7), line(1, -1, 1)}));
    EXPECT_EQ(result.comments.back(), Texts{"😎"});
    const StepLines& closing = result.steps.back();
    ASSERT_EQ(closing.size(), 8u);
    EXPECT_EQ(StepLines(closing.begin(), closing.begin() + 2), result.steps.front());
    EXPECT_EQ(messageText(closing[7]), "graphs are nonparallel lines");

    const WorkedSteps quiet = solve(integerSystem(2, 3, 7, 1, -1, 1), M::addition, true);
    EXPECT_EQ(quiet.steps, StepList(result.steps.begin() + 1, result.steps.end() - 1));
    EXPECT_EQ(quiet.comments, StepComments(result.comments.begin() + 1, result.comments.end() - 1));

    // Shown without zero terms and in black, whatever colours the model gave.
    Duolinear coloured = integerSystem(0, 2, 4, 3, 5, 0);
    coloured.equations[0].LHS.terms[1].coefficient.numerator_color = Color::red;
    coloured.equations[0].LHS.terms[1].variable_color = Color::blue;
    coloured.equations[1].LHS.terms[0].coefficient.numerator_color = Color::red;
    coloured.equations[1].RHS.terms[0].coefficient.numerator_color = Color::blue;
    const WorkedSteps shown = solve(coloured);
    EXPECT_EQ(shown.steps.front(), (StepLines{line(0, 2, 4), line(3, 5, 0)}));
    EXPECT_EQ(StepLines(shown.steps.back().begin(), shown.steps.back().begin() + 2), shown.steps.front());
}

DuolinearModel model(std::vector<std::int64_t> l0, std::vector<std::int64_t> r0, std::vector<std::int64_t> l1,
                     std::vector<std::int64_t> r1) {
    const auto rationals = [](const std::vector<std::int64_t>& values) {
        std::vector<Rational> list;
        for (std::int64_t value : values) list.push_back(Rational{value, 1});
        return list;
    };
    DuolinearModel m;
    m.coeffs_L_0 = rationals(l0);
    m.coeffs_R_0 = rationals(r0);
    m.coeffs_L_1 = rationals(l1);
    m.coeffs_R_1 = rationals(r1);
    return m;
}

TEST(DuolinearModel, SolvesItsListsAndRefusesIncompleteOnes) {
    const WorkedSolution solution = model({2, 3, 7}, {7, 1}, {1, -1}, {1}).workedSolution();
    EXPECT_EQ(solution.parameters, Texts{"?"});
    EXPECT_EQ(solution.steps, solve(integerSystem(2, 3, 7, 1, -1, 1)).steps);  // extra entries ignored

    for (const DuolinearModel& m : {DuolinearModel{}, model({1}, {1}, {1, 1}, {1}), model({1, 1}, {}, {1, 1}, {1}),
                                    model({1, 1}, {1}, {1, 1}, {})}) {
        const WorkedSolution refused = m.workedSolution();
        expectRefusal(refused.steps, refused.comments, "missing coefficient");
        EXPECT_EQ(refused.parameters, Texts{"?"});
    }
}

}  // namespace
}  // namespace duolinear

#include "solver/DuolinearModel.h"
#include "solver/SolverDriver.h"

#include "SystemBuilders.h"
#include "algebra/AlgebraLayouts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace duolinear {
namespace {

using testing::integerSystem;
using testing::messageText;
using Comments = std::vector<std::string>;

WorkedSteps solve(const Duolinear& system, bool quiet = false) {
    return solveDuolinearSystem(system, Duolinear_variable::x, Duolinear_equation::first, Duolinear_LCM::LCM,
                                Duolinear_method::addition, quiet);
}

void expectRefusal(const StepList& steps, const StepComments& comments, const std::string& reason) {
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(comments, StepComments{{"oops"}});
    ASSERT_EQ(steps[0].size(), 2u);
    EXPECT_EQ(messageText(steps[0][0]), reason);
    EXPECT_EQ(messageText(steps[0][1]), "please correct");
}

// a·x + b·y = c with stacked fractions, zero variable terms left out.
TagLayout line(std::int64_t a, std::int64_t b, std::int64_t c) {
    std::vector<Monomial> left;
    if (a != 0) left.push_back(Monomial{Rational{a, 1}, 1, 'x'});
    if (b != 0) left.push_back(Monomial{Rational{b, 1}, 1, 'y'});
    return equationLayout(PolyEquation{left, {Monomial{Rational{c, 1}, 0}}, Relation::equal_to}, Style::fraction);
}

Duolinear withCoefficient(Duolinear system, std::size_t equation, bool left, Rational value) {
    (left ? system.equations[equation].LHS : system.equations[equation].RHS).terms[0].coefficient = value;
    return system;
}

TEST(SolverDriver, RefusedInputGivesOneOopsStepWhateverQuietIs) {
    const Duolinear good = integerSystem(2, 3, 7, 1, -1, 1);
    Duolinear threeTerms = good;
    threeTerms.equations[0].LHS.terms.push_back(Monomial{Rational{1, 1}, 1, 'z'});
    const struct {
        Duolinear system;
        const char* reason;
    } cases[] = {
        {withCoefficient(good, 1, true, Rational{1, 0}), "division by zero"},
        {integerSystem(2, 3, 7, 0, 0, 5), "missing variable term"},
        {withCoefficient(integerSystem(0, 0, 5, 1, -1, 1), 1, false, Rational{1, 0}), "division by zero"},
        {integerSystem(INT64_MAX, 2, 1, 3, INT64_MAX, 1), "numbers too large"},
        {threeTerms, "missing coefficient"},
        {Duolinear{}, "missing coefficient"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        for (bool quiet : {false, true}) {
            const WorkedSteps result = solve(c.system, quiet);
            expectRefusal(result.steps, result.comments, c.reason);
        }
    }
}

TEST(SolverDriver, OpensWithTheEquationsAndClosesWithTheVerdict) {
    const WorkedSteps result = solve(integerSystem(2, 3, 7, 1, -1, 1));
    ASSERT_GE(result.steps.size(), 2u);
    ASSERT_EQ(result.steps.size(), result.comments.size());
    EXPECT_EQ(result.comments.front(), Comments{"🤔"});
    EXPECT_EQ(result.steps.front(), (StepLines{line(2, 3, 7), line(1, -1, 1)}));
    EXPECT_EQ(result.comments.back(), Comments{"😎"});
    const StepLines& closing = result.steps.back();
    ASSERT_EQ(closing.size(), 8u);
    EXPECT_EQ(StepLines(closing.begin(), closing.begin() + 2), result.steps.front());
    EXPECT_EQ(messageText(closing[4]), "one solution");
    EXPECT_EQ(closing[5], line(1, 0, 2));
    EXPECT_EQ(closing[6], line(0, 1, 1));

    const WorkedSteps quiet = solve(integerSystem(2, 3, 7, 1, -1, 1), true);
    EXPECT_EQ(quiet.steps, StepList(result.steps.begin() + 1, result.steps.end() - 1));
    EXPECT_EQ(quiet.comments.size(), quiet.steps.size());
}

TEST(SolverDriver, ShownEquationsDropZeroTermsAndColours) {
    Duolinear system = integerSystem(0, 2, 4, 3, 5, 0);
    system.equations[0].LHS.terms[1].coefficient.numerator_color = Color::red;
    system.equations[0].LHS.terms[1].variable_color = Color::blue;
    EXPECT_EQ(solve(system).steps.front(), (StepLines{line(0, 2, 4), line(3, 5, 0)}));
}

DuolinearModel model(std::vector<Rational> l0, std::vector<Rational> r0, std::vector<Rational> l1,
                     std::vector<Rational> r1) {
    DuolinearModel m;
    m.coeffs_L_0 = std::move(l0);
    m.coeffs_R_0 = std::move(r0);
    m.coeffs_L_1 = std::move(l1);
    m.coeffs_R_1 = std::move(r1);
    return m;
}

TEST(DuolinearModel, IncompleteListsAreRefusedNotReadPast) {
    const Rational one{1, 1};
    for (const DuolinearModel& m : {DuolinearModel{}, model({one}, {one}, {one, one}, {one}),
                                    model({one, one}, {}, {one, one}, {one}), model({one, one}, {one}, {one, one}, {})}) {
        const WorkedSolution solution = m.workedSolution();
        expectRefusal(solution.steps, solution.comments, "missing coefficient");
        EXPECT_EQ(solution.parameters, Comments{"?"});
    }
}

TEST(DuolinearModel, BuildsTheSystemFromItsLists) {
    const Rational two{2, 1}, three{3, 1}, seven{7, 1}, one{1, 1}, minusOne{-1, 1};
    const WorkedSolution solution = model({two, three, seven}, {seven, one}, {one, minusOne}, {one}).workedSolution();
    EXPECT_EQ(solution.parameters, Comments{"?"});
    EXPECT_EQ(solution.steps, solve(integerSystem(2, 3, 7, 1, -1, 1)).steps);  // extra entries ignored

    const WorkedSolution undefined = model({two, Rational{1, 0}}, {seven}, {one, minusOne}, {one}).workedSolution();
    expectRefusal(undefined.steps, undefined.comments, "division by zero");
}

}  // namespace
}  // namespace duolinear

// Whole worked solutions by each method, read by their step captions, and
// the single-variable shortcut that replaces the method's steps.

#include "solver/SolverDriver.h"

#include "StepReading.h"
#include "algebra/EquationTransforms.h"
#include "linear_steps/LinearEquationSteps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duolinear {
namespace {

using testing::integerSystem;
using Captions = std::vector<std::string>;
using M = Duolinear_method;
using V = Duolinear_variable;
using E = Duolinear_equation;

WorkedSteps solve(const Duolinear& system, M method, V variable = V::x, E equation = E::first,
                  Duolinear_LCM mode = Duolinear_LCM::LCM) {
    return solveDuolinearSystem(system, variable, equation, mode, method, false);
}

Captions captionsOf(const WorkedSteps& result) {
    EXPECT_EQ(result.steps.size(), result.comments.size());
    return testing::captions(result.comments);
}

TEST(WorkedSolutionCaptions, ByMethodAndKindOfSystem) {
    const Duolinear one = integerSystem(2, 3, 5, 1, -1, 0);
    const Duolinear none = integerSystem(1, 1, 1, 2, 2, 5);
    const Duolinear infinite = integerSystem(2, 4, 6, 1, 2, 3);  // with a common factor
    const struct {
        Duolinear system;
        V variable;
        E equation;
        Captions elimination;  // addition gives the same captions
        Captions substitution;
    } cases[] = {
        {one, V::x, E::first,
         {"🤔", "commentary", "solve equations for y", "solve first for x", "😎"},
         {"🤔", "x in terms of y from first", "substitute in second", "solve first (rearranged)", "😎"}},
        {one, V::y, E::second,
         {"🤔", "commentary", "solve equations for x", "solve second for y", "😎"},
         {"🤔", "y in terms of x from second", "substitute in first", "solve second (rearranged)", "😎"}},
        {none, V::x, E::first,
         {"🤔", "commentary", "solve equations for y", "😎"},
         {"🤔", "x in terms of y from first", "substitute in second", "😎"}},
        {infinite, V::x, E::first,
         {"🤔", "advisory", "commentary", "solve equations for y", "😎"},
         {"🤔", "advisory", "x in terms of y from first", "substitute in second", "😎"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(captionsOf(solve(c.system, M::addition, c.variable, c.equation)), c.elimination);
        EXPECT_EQ(captionsOf(solve(c.system, M::elimination, c.variable, c.equation)), c.elimination);
        EXPECT_EQ(captionsOf(solve(c.system, M::substitution, c.variable, c.equation)), c.substitution);
    }
}

TEST(WorkedSolutionCaptions, SingleVariableSystemsTakeTheShortcutByEveryMethod) {
    const struct {
        Duolinear system;
        Captions captions;
    } cases[] = {
        {integerSystem(2, 0, 4, 3, 5, 16), {"🤔", "solve first", "solve second", "😎"}},
        {integerSystem(3, 5, 16, 0, 2, 4), {"🤔", "solve second", "solve first", "😎"}},
        {integerSystem(2, 0, 4, 0, 3, 9), {"🤔", "solve first", "solve second", "😎"}},
        {integerSystem(2, 0, 4, 4, 0, 8), {"🤔", "solve first", "solve second", "😎"}},  // both in x
    };
    for (const auto& c : cases) {
        const WorkedSteps reference = solve(c.system, M::addition);
        EXPECT_EQ(captionsOf(reference), c.captions);
        for (M method : {M::elimination, M::substitution}) {  // the choices play no part
            const WorkedSteps other = solve(c.system, method, V::y, E::second, Duolinear_LCM::smart);
            EXPECT_EQ(other.steps, reference.steps);
            EXPECT_EQ(other.comments, reference.comments);
        }
    }
}

StepLines linearStart(const PolyEquation& equation) {
    return linearEquationSteps(Technique::transpose, false, true, Style::fraction, Method::smart, true,
                               dropZeroTermsBothSides(true, equation))
        .steps.front();
}

TEST(WorkedSolutionCaptions, ShortcutSolvesTheSingleVariableEquationFirst) {
    const Duolinear system = integerSystem(3, 5, 16, 0, 2, 4);
    const WorkedSteps result = solve(system, M::elimination);
    ASSERT_EQ(result.steps.size(), 4u);
    EXPECT_EQ(result.steps[1], linearStart(system.equations[1]));
    EXPECT_EQ(testing::messageText(result.steps[2][0]), "substitute y into first");
    EXPECT_EQ(testing::lineText(result.steps[2][1]), "3x5y16 and y2");

    const Duolinear separate = integerSystem(2, 0, 4, 0, 3, 9);
    const WorkedSteps both = solve(separate, M::substitution);
    ASSERT_EQ(both.steps.size(), 4u);
    EXPECT_EQ(both.steps[1], linearStart(separate.equations[0]));
    EXPECT_EQ(both.steps[2], linearStart(separate.equations[1]));
}

}  // namespace
}  // namespace duolinear

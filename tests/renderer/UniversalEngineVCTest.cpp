// The step screen as the step view's data source, and where it puts the view.

#include <gtest/gtest.h>

#include "UniversalEngineTestSupport.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

TEST(UniversalEngineVC, AnswersFromItsListsAndEmptyElsewhere)
{
    UniversalEngineVC screen;
    EXPECT_EQ(screen.numberOfDetailSteps(), std::optional<int>{0});  // present, not absent
    const WorkedSolution solution = systemSolution(Duolinear_method::addition);
    screen.setDetailSteps(solution.steps);
    screen.setDetailComments(solution.comments);
    screen.setDetailParameters(solution.parameters);
    const int count = static_cast<int>(solution.steps.size());
    EXPECT_EQ(screen.numberOfDetailSteps(), std::optional<int>{count});
    EXPECT_EQ(screen.detailStep(count - 1), solution.steps.back());
    EXPECT_EQ(screen.allDetailParameters(), StepParameters{"?"});
    for (int index : {-1, count}) EXPECT_TRUE(screen.detailStep(index).empty() && screen.detailComments(index).empty());
}

TEST(UniversalEngineVC, StepViewFillsTheSafeAreaLessFivePointsAndForgetsAGoneScreen)
{
    ShownStepScreen shown(WorkedSolution{});
    // The safe area starts below the 47-point inset and the 44-point bar.
    EXPECT_EQ(shown.frame(), gfx::Rect::make(5, 96, 380, 844 - 34 - 5 - 96));
    EXPECT_EQ(shown.view().dataSource(), shown.screen.get());

    // A view that outlives its screen asks no one.
    auto screen = std::make_shared<UniversalEngineVC>();
    screen->view();
    const std::shared_ptr<UniversalEngineView> view = screen->universalEngineView();
    screen.reset();
    EXPECT_EQ(view->dataSource(), nullptr);
}

}  // namespace
}  // namespace duolinear

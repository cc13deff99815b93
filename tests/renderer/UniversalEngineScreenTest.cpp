// The step screen: its answers as the step view's data source, where it puts
// the view, and worked solutions of each method handed to it, shown in a
// phone-sized window, paged forward all the way round and back by taps, with
// a screenshot of every step.

#include <gtest/gtest.h>

#include "UniversalEngineTestSupport.h"
#include "renderer/UniversalEngineViewBands.h"
#include "support/TestOutput.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

std::vector<std::uint8_t> pixels(const gfx::ImageSurface& image) {
    return {image.data(), image.data() + image.stride() * image.pixelHeight()};
}

TEST(UniversalEngineScreen, WorkedSolutionsPageForwardAndBackByTaps) {
    const std::pair<std::string, WorkedSolution> solutions[] = {
        {"addition", systemSolution(Duolinear_method::addition)},
        {"elimination", systemSolution(Duolinear_method::elimination)},
        {"substitution", systemSolution(Duolinear_method::substitution)},
    };
    for (const auto& [name, solution] : solutions) {
        const int count = static_cast<int>(solution.steps.size());
        ASSERT_GE(count, 2) << name;
        ShownStepScreen shown(solution);
        const auto bands = universalEngineViewBands(shown.frame().size, {});
        std::vector<std::vector<std::uint8_t>> shots;
        for (int i = 0; i < count; ++i, shown.tap(true)) {
            const auto image = render(*shown.window);
            image->writePng(gfx::testing::outputPath("step-screen-" + name + "-" + std::to_string(i) + ".png"));
            EXPECT_EQ(shown.view().step(), i) << name;
            EXPECT_GT(inkIn(*image, bands.comments, shown.frame().origin), 0) << name << " comments " << i;
            EXPECT_GT(inkIn(*image, bands.lines, shown.frame().origin), 0) << name << " lines " << i;
            EXPECT_GT(inkIn(*image, bands.navigator, shown.frame().origin, true), 0) << name << " navigator " << i;
            shots.push_back(pixels(*image));
            if (i > 0) {
                EXPECT_TRUE(shots[i] != shots[i - 1]) << name << " step " << i << " looks like the one before";
            }
        }
        // Round to the first step, then back over the start to the last and on down.
        EXPECT_TRUE(pixels(*render(*shown.window)) == shots.front()) << name;
        for (int i = count - 1; i >= 0; --i) {
            shown.tap(false);
            EXPECT_EQ(shown.view().step(), i) << name;
            EXPECT_TRUE(pixels(*render(*shown.window)) == shots[i]) << name << " back at step " << i;
        }
    }
}

TEST(UniversalEngineVC, AnswersFromItsListsAndEmptyElsewhere) {
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

TEST(UniversalEngineVC, StepViewFillsTheSafeAreaLessFivePointsAndForgetsAGoneScreen) {
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

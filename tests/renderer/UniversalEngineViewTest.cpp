// The step view alone in a window: its bands, what it asks its data source,
// what it draws where, and how taps turn the page.

#include <gtest/gtest.h>

#include "UniversalEngineTestSupport.h"
#include "renderer/UniversalEngineViewBands.h"
#include "support/TestOutput.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

// The view, 300 x 400 unless said otherwise, at (10, 20) in a window.
struct HostedView {
    std::shared_ptr<ui::Window> window;
    std::shared_ptr<UniversalEngineView> view = std::make_shared<UniversalEngineView>();

    explicit HostedView(UniversalEngineViewDataSource* source, gfx::Size size = {300, 400})
        : window(std::make_shared<ui::Window>(gfx::Rect::make(0, 0, size.width + 20, size.height + 40))) {
        view->setTranslatesAutoresizingMaskIntoConstraints(true);
        view->setFrame(gfx::Rect::make(10, 20, size.width, size.height));
        view->setDataSource(source);
        window->addSubview(view);
    }
    void tap(gfx::Point p) { window->tap({p.x + 10, p.y + 20}); }
};

TEST(UniversalEngineViewBands, FivePercentEightyFiveAndTenOfTheHeightLessTheGaps) {
    // 400 high without insets: H = 390.
    const auto plain = universalEngineViewBands({300, 400}, {});
    EXPECT_EQ(plain.comments, gfx::Rect::make(0, 0, 300, 19.5));
    EXPECT_EQ(plain.lines, gfx::Rect::make(0, 24.5, 300, 331.5));
    EXPECT_EQ(plain.navigator, gfx::Rect::make(0, 361, 300, 39));
    for (gfx::Size none : {gfx::Size{300, 10}, gfx::Size{300, 4}, gfx::Size{0, 400}}) {
        EXPECT_FALSE(universalEngineViewBands(none, {}).hasRoom()) << none.width << " x " << none.height;
    }
}

TEST(UniversalEngineView, NavigatorRowIsFortySevenCharacters) {
    EXPECT_EQ(kStepNavigatorText,
              " \U0001F448\U0001F3FD  prior" + std::string(28, ' ') + "next  \U0001F449\U0001F3FD ");
}

TEST(UniversalEngineView, AsksTheCountFirstAndOnlyForAStepItHas) {
    struct Case {
        const char* name;
        int held, step;
        std::optional<std::optional<int>> count;
        gfx::Size size;
        std::vector<std::string> log;
        int stepAfter, totalAfter;  // totalSteps is 5 before
    };
    const Case cases[] = {
        {"shown step", 3, 1, {}, {300, 400}, {"count", "step 1", "comments 1"}, 1, 3},
        {"past the end", 3, 7, {}, {300, 400}, {"count", "step 2", "comments 2"}, 2, 3},
        {"negative", 3, -4, {}, {300, 400}, {"count", "step 0", "comments 0"}, 0, 3},
        {"no count", 3, 1, std::optional<int>{}, {300, 400}, {"count"}, 1, 5},
        {"no steps", 0, 0, {}, {300, 400}, {"count"}, 0, 0},
        {"too small", 3, 1, {}, {300, 10}, {"count", "step 1", "comments 1"}, 1, 3},
    };
    for (const Case& c : cases) {
        RecordingDataSource source = numberedSteps(c.held);
        source.count = c.count;
        HostedView hosted(&source, c.size);
        hosted.view->setStep(c.step);
        hosted.view->setTotalSteps(5);
        const auto image = render(*hosted.window);
        EXPECT_EQ(source.log, c.log) << c.name;
        EXPECT_EQ(hosted.view->step(), c.stepAfter) << c.name;
        EXPECT_EQ(hosted.view->totalSteps(), c.totalAfter) << c.name;
        const bool drawsNothing = c.log.size() == 1 || c.size.height < 20;
        EXPECT_EQ(inkIn(*image, hosted.window->frame()) == 0, drawsNothing) << c.name;
    }
    HostedView unsourced(nullptr);
    EXPECT_EQ(inkIn(*render(*unsourced.window), unsourced.window->frame()), 0);
}

TEST(UniversalEngineView, TapsBelowTheLineTurnThePageAndWrapAround) {
    // 300 x 400: taps count below y 360 (0.9 × 400); the middle is x 150.
    struct Case {
        int total, from;
        gfx::Point at;
        int to;
        bool redraws;
    };
    const Case cases[] = {
        {3, 0, {225, 390}, 1, true},  {3, 2, {225, 390}, 0, true},    {3, 0, {75, 390}, 2, true},
        {3, 1, {75, 390}, 0, true},   {3, 1, {150, 390}, 0, true},    {3, 1, {150.01, 390}, 2, true},
        {3, 1, {225, 360}, 1, false}, {3, 1, {225, 360.01}, 2, true}, {3, 1, {225, 100}, 1, false},
        {1, 0, {225, 390}, 0, true},  {1, 0, {75, 390}, 0, true},     {3, 7, {225, 390}, 0, true},
    };
    for (const Case& c : cases) {
        RecordingDataSource source = numberedSteps(c.total);
        HostedView hosted(&source);
        render(*hosted.window);
        hosted.view->setStep(c.from);
        hosted.tap(c.at);
        EXPECT_EQ(hosted.view->step(), c.to) << c.total << " from " << c.from << " at " << c.at.x << ", " << c.at.y;
        EXPECT_EQ(hosted.window->needsDisplay(), c.redraws) << c.at.x << ", " << c.at.y;
    }
    RecordingDataSource source = numberedSteps(3);
    HostedView unshown(&source);
    unshown.tap({225, 390});  // before the first redraw there are no steps to turn
    EXPECT_EQ(unshown.view->step(), 0);
}

TEST(UniversalEngineView, CommentsLinesAndNavigatorLandInTheirBands) {
    struct Case {
        const char* name;
        int steps;
        bool comments, navigator;
    };
    for (const Case& c : {Case{"three", 3, true, true}, Case{"one", 1, true, false}, Case{"bare", 2, false, true}}) {
        RecordingDataSource source = numberedSteps(c.steps);
        if (!c.comments) source.comments.assign(c.steps, {});
        HostedView hosted(&source);
        const auto image = render(*hosted.window);
        image->writePng(gfx::testing::outputPath(std::string("step-view-") + c.name + ".png"));
        const auto bands = universalEngineViewBands({300, 400}, hosted.view->tiktokInsets());
        const gfx::Point at{10, 20};
        EXPECT_EQ(inkIn(*image, bands.comments, at) > 0, c.comments) << c.name;
        EXPECT_GT(inkIn(*image, bands.lines, at, true), 0) << c.name;
        EXPECT_EQ(inkIn(*image, bands.navigator, at, true) > 0, c.navigator) << c.name;     // the hands
        EXPECT_EQ(inkIn(*image, {{0, bands.comments.maxY()}, {300, 5}}, at), 0) << c.name;  // the gap
    }
}

}  // namespace
}  // namespace duolinear

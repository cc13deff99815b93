#pragma once
// For the step view and step screen tests: a data source that records what it
// is asked, worked solutions from the solver, a step screen pushed onto
// a navigation controller in a phone-sized window, and ink in a region.

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "renderer/UniversalEngineVC.h"
#include "solver/DuolinearModel.h"
#include "support/Pixels.h"

namespace duolinear::testing {

// Answers from its lists, or with `count` when set; logs "count", "step i",
// "comments i". An index its lists don't have is a test failure.
struct RecordingDataSource : UniversalEngineViewDataSource {
    StepList steps;
    StepComments comments;
    std::optional<std::optional<int>> count;
    std::vector<std::string> log;

    std::optional<int> numberOfDetailSteps() override {
        log.push_back("count");
        return count ? *count : static_cast<int>(steps.size());
    }
    StepLines detailStep(int i) override { return at(steps, i, "step "); }
    std::vector<std::string> detailComments(int i) override { return at(comments, i, "comments "); }
    StepParameters allDetailParameters() override { return {"?"}; }

    template <typename List>
    typename List::value_type at(const List& list, int i, const std::string& what) {
        log.push_back(what + std::to_string(i));
        if (i >= 0 && i < static_cast<int>(list.size())) return list[i];
        ADD_FAILURE() << what << i << " asked for, " << list.size() << " held";
        return {};
    }
};

// `count` steps, step i the red line "i = step" with the comment "step i".
inline RecordingDataSource numberedSteps(int count) {
    RecordingDataSource source;
    for (int i = 0; i < count; ++i) {
        source.steps.push_back({joinLayouts("=", integerLayout(i), messageLayout("step", Color::red), Color::red)});
        source.comments.push_back({"step " + std::to_string(i)});
    }
    return source;
}

// 2x + 3y = 12, 3x − 4y = 1 (x = 3, y = 2) worked by a method.
inline WorkedSolution systemSolution(Duolinear_method method) {
    DuolinearModel model{
        {Rational{2, 1}, Rational{3, 1}}, {Rational{12, 1}}, {Rational{3, 1}, Rational{-4, 1}}, {Rational{1, 1}}};
    model.method = method;
    return model.workedSolution();
}

// A 390 x 844 window (safe area 47 below the top, 34 above the bottom) whose
// navigation controller has pushed a step screen holding a worked solution,
// set before its view loaded, as a segue hands it over.
struct ShownStepScreen {
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(gfx::Rect::make(0, 0, 390, 844));
    std::shared_ptr<UniversalEngineVC> screen = std::make_shared<UniversalEngineVC>();

    explicit ShownStepScreen(const WorkedSolution& solution) {
        screen->setDetailSteps(solution.steps);
        screen->setDetailComments(solution.comments);
        screen->setDetailParameters(solution.parameters);
        window->setSafeAreaInsets({47, 0, 34, 0});
        auto navigation = std::make_shared<ui::NavigationController>(std::make_shared<ui::ViewController>());
        window->setRootViewController(navigation);
        navigation->pushViewController(screen);
        window->layoutIfNeeded();
    }
    UniversalEngineView& view() { return *screen->universalEngineView(); }
    gfx::Rect frame() { return view().frameInRoot(); }
    // A tap low in the step view, on its right (next) or left (prior) half.
    void tap(bool next) { window->tap({frame().minX() + (next ? 0.75 : 0.25) * frame().width(), frame().maxY() - 5}); }
};

// The whole window drawn at 2x.
inline std::unique_ptr<gfx::ImageSurface> render(ui::Window& window) {
    auto image = std::make_unique<gfx::ImageSurface>(window.frame().width(), window.frame().height(), 2.0);
    window.render(*image);
    return image;
}

// The pixels of a region (in points, moved by `by`) that are not white, or
// with `coloured` that are clearly coloured (red lines, skin-toned hands).
inline int inkIn(const gfx::ImageSurface& image, gfx::Rect region, gfx::Point by = {}, bool coloured = false) {
    const double s = image.scale();
    const gfx::testing::PixelRegion pixels{int((region.minX() + by.x) * s), int((region.minY() + by.y) * s),
                                           int((region.maxX() + by.x) * s), int((region.maxY() + by.y) * s)};
    return gfx::testing::countWhere(
        image,
        [&](gfx::Color c) {
            return coloured ? gfx::testing::isColoured(c) : c.a > 0.5 && std::min({c.r, c.g, c.b}) < 0.75;
        },
        pixels);
}

}  // namespace duolinear::testing

// Timing of one whole redraw of the step view as the step screen shows it on
// a phone (390 x 844 points, safe area below a notch and above a home bar) at
// 2x scale: the comment band, the fitting and drawing of every line, and the
// navigator. For each method the step drawn is the largest of its worked
// solution (the most layout rows), of a system whose three-digit coefficients
// make long lines that have to shrink to fit. The goal is under 8 ms.
// Beside it, the step lines alone: fitting and drawing the same step into a
// phone-sized band (380 x 586 points) at 2x, without the view around them.

#include <cstddef>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "layout/drawing/BaseFontSize.h"
#include "platform/gfx/ImageSurface.h"
#include "platform/ui/Window.h"
#include "renderer/StepLines.h"
#include "renderer/UniversalEngineVC.h"
#include "solver/DuolinearModel.h"

namespace {

using namespace duolinear;

// 123x − 457y = 789, −246x + 311y = −505.
WorkedSolution solution(Duolinear_method method) {
    DuolinearModel model;
    model.coeffs_L_0 = {Rational{123, 1}, Rational{-457, 1}};
    model.coeffs_R_0 = {Rational{789, 1}};
    model.coeffs_L_1 = {Rational{-246, 1}, Rational{311, 1}};
    model.coeffs_R_1 = {Rational{-505, 1}};
    model.method = method;
    return model.workedSolution();
}

std::size_t rowCount(const StepLines& lines) {
    std::size_t rows = 0;
    for (const TagLayout& line : lines) rows += line.size();
    return rows;
}

int largestStep(const StepList& steps) {
    int largest = 0;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        if (rowCount(steps[i]) > rowCount(steps[static_cast<std::size_t>(largest)])) largest = static_cast<int>(i);
    }
    return largest;
}

void stepViewRedraw(benchmark::State& state) {
    const auto method = static_cast<Duolinear_method>(state.range(0));
    const WorkedSolution worked = solution(method);

    ui::Window window(gfx::Rect::make(0, 0, 390, 844));
    window.setSafeAreaInsets({47, 0, 34, 0});
    auto screen = std::make_shared<UniversalEngineVC>();
    screen->setDetailSteps(worked.steps);
    screen->setDetailComments(worked.comments);
    screen->setDetailParameters(worked.parameters);
    window.setRootViewController(screen);
    window.layoutIfNeeded();

    UniversalEngineView& view = *screen->universalEngineView();
    const int step = largestStep(worked.steps);
    view.setStep(step);
    gfx::ImageSurface surface(390, 844, 2.0);
    gfx::Context& context = surface.context();

    for (auto _ : state) {
        surface.clear(gfx::Color::white());
        view.drawHierarchy(context);
        benchmark::ClobberMemory();
    }
    state.SetLabel(rawValue(method) + ", step " + std::to_string(step) + " of " + std::to_string(worked.steps.size()) +
                   ", " + std::to_string(worked.steps[static_cast<std::size_t>(step)].size()) + " lines");
}

void stepLinesFitAndDraw(benchmark::State& state) {
    const auto method = static_cast<Duolinear_method>(state.range(0));
    const WorkedSolution worked = solution(method);
    const int step = largestStep(worked.steps);
    const StepLines& lines = worked.steps[static_cast<std::size_t>(step)];
    const double width = 380, height = 586;
    gfx::ImageSurface surface(width, height, 2.0);

    for (auto _ : state) {
        surface.clear(gfx::Color::white());
        gfx::DrawingScope scope(surface.context());
        const LineFontSizes sizes = fitLineFontSizes(lines, width, height, baseFontSize(), gfx::FontWeight::medium());
        drawStepLines(lines, sizes, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetLabel(rawValue(method) + ", step " + std::to_string(step) + ", " + std::to_string(lines.size()) +
                   " lines");
}

}  // namespace

BENCHMARK(stepLinesFitAndDraw)
    ->Arg(static_cast<int>(Duolinear_method::addition))
    ->Arg(static_cast<int>(Duolinear_method::elimination))
    ->Arg(static_cast<int>(Duolinear_method::substitution))
    ->Unit(benchmark::kMillisecond);

BENCHMARK(stepViewRedraw)
    ->Arg(static_cast<int>(Duolinear_method::addition))
    ->Arg(static_cast<int>(Duolinear_method::elimination))
    ->Arg(static_cast<int>(Duolinear_method::substitution))
    ->Unit(benchmark::kMillisecond);

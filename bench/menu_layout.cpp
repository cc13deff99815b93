// Timing of one layout pass of a storyboard menu with many items (each a
// button under the one before, pinned to the safe area's sides) in a
// phone-sized window: 400, 900 and 1,800 items. The app's own menus hold
// three; the goal is that the cost grows about linearly with the items.

#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/ui/MenuViewController.h"
#include "platform/ui/Window.h"

namespace {

void menuLayout(benchmark::State& state) {
    std::vector<ui::Storyboard::MenuItem> items;
    for (long i = 0; i < state.range(0); ++i) items.push_back({"Item " + std::to_string(i), "none"});
    ui::Window window(gfx::Rect::make(0, 0, 390, 844));
    window.setRootViewController(std::make_shared<ui::MenuViewController>(items));
    window.layoutIfNeeded();
    for (auto _ : state) {
        window.setNeedsLayout();
        window.layoutIfNeeded();
    }
    state.counters["items"] = static_cast<double>(state.range(0));
}

BENCHMARK(menuLayout)->Name("menu_layout")->Arg(400)->Arg(900)->Arg(1800)->Unit(benchmark::kMillisecond);

}  // namespace

// Timing of measureText: cold (the measurement cache emptied before every
// call, so each call lays the text out) and warm (answered from the cache).

#include <string>

#include <benchmark/benchmark.h>

#include "platform/gfx/Text.h"

namespace {

const std::string kTexts[] = {"12", "x² − 3y ≤ 7", "solve equations for y", "🤔", "−⁷⁄₉ x + 4 = 2(3 − x)"};

const gfx::TextAttributes& attributes() {
    static const gfx::TextAttributes value{gfx::Font::monospacedDigitSystem(30, gfx::FontWeight::medium())};
    return value;
}

void measureTextCold(benchmark::State& state) {
    const std::string& text = kTexts[state.range(0)];
    for (auto _ : state) {
        gfx::clearTextMeasureCache();
        benchmark::DoNotOptimize(gfx::measureText(text, attributes()));
    }
    state.SetLabel(text);
}

void measureTextWarm(benchmark::State& state) {
    const std::string& text = kTexts[state.range(0)];
    gfx::measureText(text, attributes());
    for (auto _ : state) benchmark::DoNotOptimize(gfx::measureText(text, attributes()));
    state.SetLabel(text);
}

BENCHMARK(measureTextCold)->DenseRange(0, 4);
BENCHMARK(measureTextWarm)->DenseRange(0, 4);

}  // namespace

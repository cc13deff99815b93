// Timing of measuring and then drawing one layout of 100,000 rows through the
// layout interpreter, each pass a walk of its own, at size 30 into a small
// image (what falls outside is clipped, but every item is still laid out):
// - "shared": 30 joins, each naming the join before it as both operands,
//   padded with empty rows that no item uses. Unchecked, the joins alone
//   make 2^30 visits.
//   The goal is well under a second (it takes about a millisecond).
// - "tree": for scale, a well-formed balanced tree of "+" joins over some
//   14,000 integers, every item measured and drawn once; its time is that of
//   laying out and drawing some 28,000 texts.

#include <cstddef>
#include <string>

#include <benchmark/benchmark.h>

#include "layout/TagLayout.h"
#include "platform/gfx/ImageSurface.h"
#include "renderer/LayoutInterpreter.h"

namespace {

using namespace duolinear;

constexpr std::size_t kRows = 100000;

TagLayout sharedJoins() {
    TagLayout layout = integerLayout(7);
    for (int i = 0; i < 30; ++i) {
        const std::string previous(layout[0][1]);
        layout = joinLayouts("+", layout, integerLayout(1));
        layout[layout.size() - 3] = {"join_locator", previous, previous};
    }
    layout.resize(kRows);
    return layout;
}

// Integers first ... first + count - 1 joined by "+" as a balanced tree.
TagLayout balancedSum(long long first, long long count) {
    if (count == 1) return integerLayout(first);
    const long long left = count / 2;
    return joinLayouts("+", balancedSum(first, left), balancedSum(first + left, count - left));
}

// A balanced sum whose rows come nearest to kRows without passing it (an
// integer takes 3 rows, a join 4).
TagLayout balancedTree() {
    return balancedSum(1, static_cast<long long>((kRows - 1 + 4) / 7));
}

void measureAndDraw(benchmark::State& state, const TagLayout& layout) {
    const std::string root = std::to_string(layoutRootIndex(layout));
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    gfx::ImageSurface image(400, 160);
    gfx::DrawingScope scope(image.context());
    for (auto _ : state) {
        benchmark::DoNotOptimize(measureLayout(layout, root, 30, weight));
        drawLayout(layout, root, 20, 80, 30, weight);
    }
    state.counters["rows"] = static_cast<double>(layout.size());
}

void sharedLayout(benchmark::State& state) {
    measureAndDraw(state, sharedJoins());
}

void treeLayout(benchmark::State& state) {
    measureAndDraw(state, balancedTree());
}

BENCHMARK(sharedLayout)->Name("hostile_layout/shared")->Unit(benchmark::kMillisecond);
BENCHMARK(treeLayout)->Name("hostile_layout/tree")->Unit(benchmark::kMillisecond);

}  // namespace

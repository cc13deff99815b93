#include "renderer/StepLines.h"

#include <algorithm>

#include "layout/Metric.h"
#include "renderer/LayoutInterpreter.h"

namespace duolinear {

namespace {

// Lines whose share of the base size is this close to the largest shrink together.
constexpr double kRatioTolerance = 0.01;

LayoutSize measureLine(const TagLayout& line, double size, gfx::FontWeight weight) {
    return measureLayout(line, lineRootIndex(line), size, weight);
}

bool canShrink(double size) {
    return size * kLayOut::lineShrinkFactor >= kSmallestLineFontSize;
}

// The leading between two lines grows with the mean of their sizes.
double leadingBetween(const LineFontSize& upper, const LineFontSize& lower, double baseSize, double unit) {
    return ((upper.fitted + lower.fitted) * 0.5 / baseSize) * unit;
}

}  // namespace

std::string lineRootIndex(const TagLayout& line) {
    if (line.empty() || line[0].size() < 2) return std::string();
    return std::string(line[0][1]);
}

double lineLeadingUnit(double baseSize, gfx::FontWeight weight) {
    const gfx::FontMetrics metrics = gfx::Font::monospacedDigitSystem(baseSize, weight).metrics();
    return metrics.lineHeight - metrics.pointSize;
}

LineFontSizes fitLineFontSizes(const StepLines& lines, double width, double height, double baseSize,
                               gfx::FontWeight weight) {
    const double unit = lineLeadingUnit(baseSize, weight);
    LineFontSizes sizes(lines.size(), LineFontSize{baseSize, baseSize});
    // The height of each line at its current fitted size: a line is measured
    // again only when its size changes.
    std::vector<double> heights(lines.size(), 0.0);

    // Width: the first try is at the base size itself.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LayoutSize measured = measureLine(lines[i], sizes[i].fitted, weight);
        while (width < measured.width && canShrink(sizes[i].fitted)) {
            sizes[i].fitted *= kLayOut::lineShrinkFactor;
            measured = measureLine(lines[i], sizes[i].fitted, weight);
        }
        heights[i] = measured.height;
    }

    // Height: shrink the lines with the largest share of the base size first.
    while (true) {
        double total = 0.0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            total += heights[i];
            if (i > 0) total += leadingBetween(sizes[i - 1], sizes[i], baseSize, unit);
        }
        if (total <= height) return sizes;

        double largest = 0.0;
        for (const LineFontSize& size : sizes) {
            const double ratio = size.fitted / size.base;
            if (ratio > largest) largest = ratio;
        }
        bool shrunk = false;
        for (std::size_t j = 0; j < lines.size(); ++j) {
            if (!(largest - sizes[j].fitted / sizes[j].base < kRatioTolerance) || !canShrink(sizes[j].fitted)) continue;
            sizes[j].fitted *= kLayOut::lineShrinkFactor;
            heights[j] = measureLine(lines[j], sizes[j].fitted, weight).height;
            shrunk = true;
        }
        // Every line is as small as it may get: the band can't be met.
        if (!shrunk) return sizes;
    }
}

void drawStepLines(const StepLines& lines, const LineFontSizes& sizes, double x, double y) {
    const std::size_t count = std::min(lines.size(), sizes.size());
    if (count == 0) return;
    const gfx::FontWeight weight = gfx::FontWeight::medium();
    const double baseSize = sizes[0].base;
    const double unit = lineLeadingUnit(baseSize, weight);
    double top = y;
    for (std::size_t i = 0; i < count; ++i) {
        const double size = sizes[i].fitted;
        const LayoutSize measured = measureLine(lines[i], size, weight);
        drawLayout(lines[i], lineRootIndex(lines[i]), x, top + measured.ascent, size, weight);
        top += measured.height;
        if (i + 1 < count) top += leadingBetween(sizes[i], sizes[i + 1], baseSize, unit);
    }
}

}  // namespace duolinear

#pragma once
// The lines of one step fitted into a band and drawn top-down.
//
// Every line starts at the base size. A line too wide for the band shrinks in
// steps of 2 % until it fits; then, while the lines and the leading between
// them are too tall for the band, the lines with the largest share of the
// base size shrink together by 2 %. Sizes never grow, and never shrink below
// kSmallestLineFontSize: a line (or band) that can never fit stops there.

#include <vector>

#include "layout/TagLayout.h"
#include "platform/gfx/Font.h"

namespace duolinear {

// A line is never fitted smaller than this.
inline constexpr double kSmallestLineFontSize = 1.0;

// The sizes of one line: the step's base size and the size it was fitted to.
struct LineFontSize {
    double base = 0.0;
    double fitted = 0.0;
    friend bool operator==(const LineFontSize&, const LineFontSize&) = default;
};
using LineFontSizes = std::vector<LineFontSize>;

// One entry per line, in line order, fitted to a band `width` wide and
// `height` high, measured at `weight`.
LineFontSizes fitLineFontSizes(const StepLines& lines, double width, double height, double baseSize,
                               gfx::FontWeight weight);

// Draws the lines at their fitted sizes (medium weight) into the current
// graphics context, left-aligned at x, the first with its top at y. Lines
// without a size entry are not drawn.
void drawStepLines(const StepLines& lines, const LineFontSizes& sizes, double x, double y);

// The extra space between lines of the monospaced-digit font at a size:
// its line height less its point size.
double lineLeadingUnit(double baseSize, gfx::FontWeight weight);

// The root item index of a line (the value of its row 0), or "" when missing.
std::string lineRootIndex(const TagLayout& line);

}  // namespace duolinear

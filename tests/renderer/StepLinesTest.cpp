#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "renderer/StepLines.h"

namespace duolinear {
namespace {

using namespace duolinear::testing;

constexpr double kBase = 30;

// What the fitting adds up: the lines' heights and the leading between them.
double totalHeight(const StepLines& lines, const std::vector<double>& sizes) {
    double total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        total += measureRoot(lines[i], sizes[i]).height;
        if (i > 0) total += (sizes[i - 1] + sizes[i]) * 0.5 / kBase * lineLeadingUnit(kBase, kMedium);
    }
    return total;
}

std::vector<double> fit(const StepLines& lines, double width, double height) {
    std::vector<double> out;
    for (const LineFontSize& size : fitLineFontSizes(lines, width, height, kBase, kMedium)) {
        EXPECT_EQ(size.base, kBase);
        out.push_back(size.fitted);
    }
    return out;
}

TEST(StepLines, WidthPassShrinksByTwoPercentStepsFromTheBaseSize) {
    const TagLayout line = messageLayout("2x + 3y = 5 and 4x − 6y = 7");
    const double width = measureRoot(line).width;
    EXPECT_EQ(fit({line}, width, 1000), std::vector<double>{kBase});
    // 1.5 times too wide: 0.98^20 is still above 1/1.5, 0.98^21 below.
    EXPECT_NEAR(fit({line}, width / 1.5, 1000)[0], kBase * std::pow(0.98, 21), 1e-9);
    EXPECT_TRUE(fit({}, 100, 100).empty());
}

TEST(StepLines, HeightPassShrinksTheLargestLinesFirst) {
    const TagLayout wide = messageLayout("12x + 34y = 56"), narrow = integerLayout(7);
    const StepLines lines{wide, blankLayouts(1)[0], narrow};
    const double width = measureRoot(wide).width - 0.01;  // the wide line needs one step
    const double a = kBase * 0.98, b = a * 0.98;
    EXPECT_EQ(fit(lines, width, totalHeight(lines, {a, kBase, kBase})), (std::vector<double>{a, kBase, kBase}));
    // The blank and narrow lines come down to the wide one before it moves again.
    EXPECT_EQ(fit(lines, width, totalHeight(lines, {a, a, a})), (std::vector<double>{a, a, a}));
    EXPECT_EQ(fit(lines, width, totalHeight(lines, {a, a, a}) - 0.001), (std::vector<double>{b, b, b}));
    EXPECT_EQ(fit({narrow}, 100, measureRoot(narrow).height), std::vector<double>{kBase});  // no leading
}

TEST(StepLines, BandsThatCanNeverBeMetStopAtTheSmallestSize) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [width, height] : {std::pair{0.0, 500.0}, {500.0, 0.0}, {-5.0, -5.0}, {500.0, nan}}) {
        for (double size : fit({messageLayout("x = 1"), integerLayout(2)}, width, height)) {
            EXPECT_TRUE(size >= kSmallestLineFontSize && size * 0.98 < kSmallestLineFontSize)
                << width << " x " << height;
        }
    }
}

TEST(StepLines, LinesAreDrawnTopDownWithLeadingBetweenThem) {
    const StepLines lines{integerLayout(12, Color::red), integerLayout(34, Color::blue)};
    gfx::ImageSurface image(300, 200);
    {
        gfx::DrawingScope scope(image.context());
        drawStepLines(lines, {{kBase, kBase}, {kBase, 0.5 * kBase}}, 10, 20);
        drawStepLines(lines, {}, 10, 20);  // no sizes: nothing
    }
    const LayoutSize first = measureRoot(lines[0]), second = measureRoot(lines[1], 0.5 * kBase);
    const double leading = 0.75 * lineLeadingUnit(kBase, kMedium);
    EXPECT_NEAR(redInk(image).maxY + 1, 20 + first.ascent, 1);
    EXPECT_NEAR(blueInk(image).maxY + 1, 20 + first.height + leading + second.ascent, 1);
    EXPECT_NEAR(blueInk(image).minX, 10, 2);
}

}  // namespace
}  // namespace duolinear

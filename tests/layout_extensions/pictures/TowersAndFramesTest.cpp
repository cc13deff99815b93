// Towers of boxes and ten-frames, read back from the pixels they draw at one
// pixel per point.

#include <filesystem>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "layout/drawing/TextDrawing.h"
#include "layout_extensions/pictures/PictureTestSupport.h"
#include "layout_extensions/pictures/PictureText.h"
#include "layout_extensions/pictures/TenFrames.h"
#include "layout_extensions/pictures/Towers.h"

namespace duolinear {
namespace {

using testing::Canvas;

const gfx::Color kRed = gfx::Color::red();
const gfx::Color kBlack = gfx::Color::black();
const gfx::Color kCyan = gfx::Color::cyan();
const gfx::Color kWhite = gfx::Color::white();
const gfx::Color kNone = gfx::Color::clear();

struct Probe {
    double x;
    double y;
    gfx::Color expected;  // clear: nothing drawn there
};

void expectProbes(const Canvas& canvas, const std::vector<Probe>& probes) {
    for (const Probe& p : probes) {
        const bool ok = p.expected.isClear() ? canvas.blank(p.x, p.y) : canvas.is(p.x, p.y, p.expected);
        EXPECT_TRUE(ok) << "at (" << p.x << ", " << p.y << ")";
    }
}

TEST(ChalkFont, IsCabinSketchWhenInstalledAndTheSystemFontOtherwise) {
    if (std::filesystem::exists("/usr/share/fonts/truetype/cabinsketch/CabinSketch-Regular.ttf")) {
        EXPECT_EQ(chalkFont(30).family(), "Cabin Sketch");
        EXPECT_EQ(chalkFont(30).pointSize(), 30);
    } else {
        EXPECT_EQ(chalkFont(30), gfx::Font::system(30));
    }
}

TEST(Towers, BoxesStackFromTheBottomCentredOnTheBottomBoxTheirOutlinesInside) {
    EXPECT_EQ(box{}, (box{20, 3, kBlack, kRed, "", ""}));
    const box big{60, 3, kBlack, kRed, "", ""};
    Canvas canvas(300, 600);
    canvas.draw([&](gfx::Context& context) {
        tower{{big, big, big}}.drawTower(context, 100, 500, 1);
        tower{{big, box{40, 3, kBlack, kRed, "", ""}}}.drawTower(context, 200, 500, 1);
        box{60, 4, kBlack, kRed, "", ""}.drawBox(context, 20, 580, 1);
    });
    // clang-format off
    expectProbes(canvas, {
        // Squares x 100–160, y 440–500, 380–440 and 320–380, 3-point outlines inside.
        {99, 470, kNone}, {100.5, 470, kBlack}, {103.5, 470, kRed}, {159.5, 470, kBlack}, {160.5, 470, kNone},
        {130, 499.5, kBlack}, {130, 500.5, kNone}, {130, 410, kRed}, {130, 350, kRed}, {130, 320.5, kBlack},
        {130, 319.5, kNone},
        // A 40-unit box on a 60-unit one: x 210–250, y 400–440.
        {209.5, 420, kNone}, {210.5, 420, kBlack}, {230, 420, kRed}, {249.5, 420, kBlack}, {250.5, 420, kNone},
        {230, 399.5, kNone},
        // A 4-point outline covers the outer 4 points of the square x 20–80.
        {19.5, 550, kNone}, {23.5, 550, kBlack}, {24.5, 550, kRed}, {75.5, 550, kRed}, {76.5, 550, kBlack},
        {80.5, 550, kNone}});
    // clang-format on
}

TEST(TenFrames, TheGridAndItsCountersStandWhereTheCellsAre) {
    EXPECT_DOUBLE_EQ(frame{}.frameLength(), 617.5);
    EXPECT_NEAR(frame{}.cellCounterDiameter(), 97.916666, 1e-5);
    frame measured;
    measured.setFrameLength(617.5);
    EXPECT_DOUBLE_EQ(measured.frameWidth, 250);
    measured.setCellCounterDiameter(frame{}.cellCounterDiameter());
    EXPECT_NEAR(measured.frameWidth, 250, 1e-12);

    // frame() at (0, 700): cells 117.5 wide, divider at x = 125 from 695 up to
    // 87.5, row lines at y = 575, 452.5, 330, 207.5 from x = 5 to 245.
    Canvas canvas(260, 720);
    canvas.draw([](gfx::Context& context) { frame{}.drawFrame(context, 0, 700, 1); });
    // clang-format off
    expectProbes(canvas, {
        {60, 650, kCyan}, {125, 650, kWhite}, {121, 650, kCyan}, {129, 650, kCyan}, {125, 89, kWhite},
        {60, 575, kWhite}, {60, 571, kCyan}, {60, 579, kCyan}, {200, 452.5, kWhite}, {60, 330, kWhite},
        {200, 207.5, kWhite}, {60, 100, kCyan}, {60, 84, kWhite}, {60, 81, kNone}, {2, 400, kWhite},
        {248, 400, kWhite}, {251, 400, kNone}, {60, 698, kWhite}, {60, 701, kNone}});
    // clang-format on

    // Counters fill the left column from the bottom, then the right one; the
    // eleventh and twelfth have no cell.
    for (std::size_t count : {7, 12}) {
        filledFrame filled;
        filled.counters.assign(count, counter{filled.emptyFrame.cellCounterDiameter(), kRed, kBlack, "", kWhite});
        Canvas cells(260, 720);
        cells.draw([&](gfx::Context& context) { filled.drawFilledFrame(context, 0, 700, 1); });
        for (std::size_t i = 0; i < 10; ++i) {
            const double x = i < 5 ? 63.75 : 63.75 + 122.5;
            EXPECT_TRUE(cells.is(x, 636.25 - 122.5 * (i % 5), i < count ? kRed : kCyan)) << count << ", " << i;
        }
        EXPECT_TRUE(cells.blank(255, 400));
    }
}

TEST(TenFrames, ACounterNumberShrinksToThreeQuartersOfTheCounterAndDegenerateSizesDrawNothing) {
    // "10" in a counter 20 points across: too wide at 15 points, so it shrinks.
    ASSERT_GT(gfx::measureText("10", {captionFont(15)}).width, 15);
    Canvas small(40, 40);
    small.draw([](gfx::Context& context) {
        counter{20, kBlack, kBlack, "10", kWhite}.drawCounter(context, 20, 20, 1);
    });
    const Canvas::Span text = small.span(0, 40, [](gfx::Color c) { return c.r > 0.5; });
    EXPECT_LE(text.width(), 15);
    EXPECT_GE(text.width(), 8);
    EXPECT_NEAR(text.middle(), 20, 1.5);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    Canvas canvas(100, 100);
    canvas.draw([&](gfx::Context& context) {
        tower{}.drawTower(context, 10, 90, 1);
        for (double scale : {0.0, -1.0, nan}) box{}.drawBox(context, 10, 90, scale);
        box{}.drawBox(context, nan, 90, 1);
        frame{15}.drawFrame(context, 10, 90, 1);  // three 5-point lines and no room for a cell
        frame{}.drawFrame(context, 10, 90, 0.06);
        filledFrame{frame{15}, {counter{10, kRed, kBlack, "1", kWhite}}}.drawFilledFrame(context, 10, 90, 1);
        for (double diameter : {3.0, 0.0, -20.0, nan}) {
            counter{diameter, kRed, kBlack, "10", kWhite}.drawCounter(context, 50, 50, 1);
        }
    });
    EXPECT_TRUE(canvas.empty());

    // Shrinking to an empty width stops at the smallest size.
    for (double width : {0.0, -5.0, 1e-9}) {
        const double size = shrunkFontSize("double 66 plus 99", captionFont(40), width);
        EXPECT_GE(size, kSmallestFittingFontSize);
        EXPECT_LT(size * kFittingShrinkFactor, kSmallestFittingFontSize);
    }
}

}  // namespace
}  // namespace duolinear

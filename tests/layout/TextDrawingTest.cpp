#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "layout/TextDrawing.h"
#include "platform/gfx/GfxTestSupport.h"
#include "platform/gfx/ImageSurface.h"

namespace duolinear {
namespace {

using gfx::testing::inkBounds;

const gfx::Font kFittingFont = gfx::Font::system(1, gfx::FontWeight{0.25});

// Point size at which a line of the fitting font is `height` points high.
double sizeForLineHeight(double height) { return height / kFittingFont.metrics().lineHeight; }

TEST(FittingFontSize, KeepsTheStartingSizeWhenEverythingFits)
{
    gfx::TextAttributes attributes{gfx::Font::system(20)};
    EXPECT_EQ(fittingFontSize({}, attributes, 100, 100), (FittedFontSize{20, true}));
    EXPECT_EQ(fittingFontSize({"ab", "c"}, attributes, 500, 500), (FittedFontSize{20, true}));
    EXPECT_EQ(smallestFittingFontSize({}, attributes, 1, 1), (FittedFontSize{20, true}));
}

TEST(FittingFontSize, ShrinksByStepsUntilTheRowsFitTheHeight)
{
    // Two rows 10 points high in a box 15 points high.
    double start = sizeForLineHeight(10);
    gfx::TextAttributes attributes{gfx::Font::system(start, gfx::FontWeight{0.25})};
    double expected = start;
    while (2 * kFittingFont.withSize(expected).metrics().lineHeight > 15) expected *= 0.95;
    FittedFontSize fitted = fittingFontSize({"x", "y"}, attributes, 1000, 15);
    EXPECT_TRUE(fitted.fits);
    EXPECT_DOUBLE_EQ(fitted.size, expected);
    EXPECT_LT(fitted.size, start);
    EXPECT_GT(2 * kFittingFont.withSize(fitted.size / 0.95).metrics().lineHeight, 15);

    // The width decides as well: the widest row must fit.
    FittedFontSize narrow = fittingFontSize({"x", "wide row"}, attributes, 20, 1000);
    EXPECT_LE(gfx::measureText("wide row", {kFittingFont.withSize(narrow.size)}).width, 20);
}

TEST(FittingFontSize, StopsOnABoxNothingFits)
{
    gfx::TextAttributes attributes{gfx::Font::system(30)};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Box {
        double width;
        double height;
    };
    for (Box box : {Box{0, 100}, Box{100, 0}, Box{-5, -5}, Box{nan, 100}}) {
        FittedFontSize fitted = fittingFontSize({"12"}, attributes, box.width, box.height);
        EXPECT_FALSE(fitted.fits) << box.width << " x " << box.height;
        EXPECT_GE(fitted.size, kSmallestFittingFontSize);
        EXPECT_LT(fitted.size * 0.95, kSmallestFittingFontSize);
    }
    // A starting size that is not a number stops at once.
    EXPECT_FALSE(fittingFontSize({"1"}, {gfx::Font::system(nan)}, 0, 0).fits);

    FittedFontSize smallest = smallestFittingFontSize({{"1"}, {"1", "2", "3"}, {"1"}}, attributes, 100, 60);
    EXPECT_TRUE(smallest.fits);
    EXPECT_EQ(smallest.size, fittingFontSize({"1", "2", "3"}, attributes, 100, 60).size);
    EXPECT_FALSE(smallestFittingFontSize({{"1"}, {"1"}}, attributes, 0, 60).fits);
}

class DrawTextRows : public ::testing::Test {
protected:
    gfx::ImageSurface image{300, 200};
    gfx::DrawingScope scope{image.context()};
    const double lineHeight = gfx::Font::system(20, gfx::FontWeight::medium()).metrics().lineHeight;

    void draw(const std::vector<std::string>& rows, bool centred)
    {
        drawTextRows(rows, centred, gfx::Color::black(), gfx::Color::clear(), 40, 10, 220, 180, 20,
                     gfx::FontWeight::medium());
    }
};

TEST_F(DrawTextRows, LeftAlignedRowsStartAtTheLeftEdge)
{
    draw({"IIII", "I"}, false);
    auto ink = inkBounds(image);
    ASSERT_TRUE(ink.any);
    EXPECT_NEAR(ink.minX, 40, 4);
    EXPECT_GE(ink.minX, 40);
    EXPECT_GT(ink.maxY, 10 + lineHeight);  // the second row
}

TEST_F(DrawTextRows, CentredRowsAreCentredInTheBox)
{
    draw({"IIIIIIII", "solve equations for y 🤔"}, true);
    EXPECT_TRUE(image.writePng(gfx::testing::outputPath("layout_text_rows.png")));
    auto ink = inkBounds(image);
    ASSERT_TRUE(ink.any);
    EXPECT_NEAR((ink.minX + ink.maxX + 1) / 2.0, 40 + 110, 3);
    EXPECT_LT(ink.maxX, 40 + 220);  // the long row was shrunk to the box
}

TEST_F(DrawTextRows, AnEmptyRowStillTakesALine)
{
    draw({"", "H"}, false);
    auto ink = inkBounds(image);
    ASSERT_TRUE(ink.any);
    EXPECT_GT(ink.minY, 10 + lineHeight);
    EXPECT_LT(ink.maxY, 10 + 2 * lineHeight);
}

TEST(DrawLine, StrokesInTheColourAndKeepsTheState)
{
    gfx::ImageSurface image(50, 50);
    gfx::Context& context = image.context();
    drawLine(context, gfx::Color::red(), {5, 25}, {45, 25});
    EXPECT_EQ(image.pixel(25, 25), gfx::Color::red());
    EXPECT_EQ(image.pixel(25, 24), gfx::Color::red());  // 2.5 wide by default
    EXPECT_EQ(image.pixel(25, 28), gfx::Color::clear());
    EXPECT_EQ(context.strokeColor(), gfx::Color::red());
    EXPECT_EQ(context.lineWidth(), kDefaultLineWidth);

    drawLine(context, gfx::Color::blue(), {25, 0}, {25, 50}, 6);
    EXPECT_EQ(image.pixel(23, 10), gfx::Color::blue());
}

}  // namespace
}  // namespace duolinear

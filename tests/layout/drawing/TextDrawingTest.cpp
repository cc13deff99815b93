#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "layout/drawing/TextDrawing.h"
#include "platform/gfx/ImageSurface.h"
#include "support/Pixels.h"
#include "support/TestOutput.h"

namespace duolinear {
namespace {

using gfx::testing::inkBounds;

const gfx::Font kFittingFont = gfx::Font::system(1, gfx::FontWeight{0.25});

// Point size at which a line of the fitting font is `height` points high.
double sizeForLineHeight(double height) {
    return height / kFittingFont.metrics().lineHeight;
}

TEST(FittingFontSize, KeepsTheStartingSizeWhenEverythingFits) {
    gfx::TextAttributes attributes{gfx::Font::system(20)};
    EXPECT_EQ(fittingFontSize({}, attributes, 100, 100), (FittedFontSize{20, true}));
    EXPECT_EQ(fittingFontSize({"ab", "c"}, attributes, 500, 500), (FittedFontSize{20, true}));
    EXPECT_EQ(smallestFittingFontSize({}, attributes, 1, 1), (FittedFontSize{20, true}));
    // A box exactly as large as the rows, measured in the fitting weight, still holds them.
    const gfx::Size row = gfx::measureText("ab", {kFittingFont.withSize(20)});
    EXPECT_EQ(fittingFontSize({"ab", "c"}, attributes, row.width, 2 * row.height), (FittedFontSize{20, true}));
}

TEST(FittingFontSize, ShrinksByStepsUntilTheRowsFitTheHeight) {
    // Two rows 10 points high in a box 15 points high.
    double start = sizeForLineHeight(10);
    gfx::TextAttributes attributes{gfx::Font::system(start, gfx::FontWeight{0.25})};
    double expected = start;
    while (2 * kFittingFont.withSize(expected).metrics().lineHeight > 15) expected *= 0.95;
    FittedFontSize fitted = fittingFontSize({"x", "y"}, attributes, 1000, 15);
    EXPECT_TRUE(fitted.fits);
    EXPECT_DOUBLE_EQ(fitted.size, expected);

    // The tallest row counts once per row.
    const double tall = fittingFontSize({"x\ny", "z"}, attributes, 1000, 30).size;
    EXPECT_LE(2 * gfx::measureText("x\ny", {kFittingFont.withSize(tall)}).height, 30);

    // The width decides as well: the widest row must fit.
    for (const std::vector<std::string>& rows : {std::vector<std::string>{"x", "wide row"}, {"wide row", "x"}}) {
        FittedFontSize narrow = fittingFontSize(rows, attributes, 20, 1000);
        EXPECT_LE(gfx::measureText("wide row", {kFittingFont.withSize(narrow.size)}).width, 20);
    }
}

TEST(FittingFontSize, StopsOnABoxNothingFits) {
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

TEST(DrawTextRows, RowsStartAtTheLeftEdgeOrAreCentredOneLineApart) {
    const double lineHeight = gfx::Font::system(20, gfx::FontWeight::medium()).metrics().lineHeight;
    auto draw = [](const std::vector<std::string>& rows, bool centred, const char* png = nullptr) {
        gfx::ImageSurface image(300, 200);
        {
            gfx::DrawingScope scope(image.context());
            drawTextRows(rows, centred, gfx::Color::blue(), gfx::Color::clear(), 40, 10, 220, 180, 20,
                         gfx::FontWeight::medium());
        }
        if (png != nullptr) {
            EXPECT_TRUE(image.writePng(gfx::testing::outputPath(png)));
        }
        // The text is in its colour.
        EXPECT_GT(gfx::testing::countWhere(image, [](gfx::Color c) { return c.a >= 0.5 && c.b > 0.6 && c.r < 0.4; }),
                  0);
        return inkBounds(image);
    };
    const auto left = draw({"IIII", "I"}, false);
    EXPECT_TRUE(left.minX >= 40 && left.minX <= 44);
    EXPECT_GT(left.maxY, 10 + lineHeight);  // the second row

    // The long row is shrunk to the box; both are centred on it.
    const auto centred = draw({"IIIIIIII", "solve equations for y 🤔"}, true, "layout_text_rows.png");
    EXPECT_NEAR((centred.minX + centred.maxX + 1) / 2.0, 40 + 110, 3);
    EXPECT_LT(centred.maxX, 40 + 220);

    const auto narrow = draw({"II"}, true);
    EXPECT_NEAR((narrow.minX + narrow.maxX + 1) / 2.0, 40 + 110, 2);

    // An empty row still takes a line.
    const auto second = draw({"", "H"}, false);
    EXPECT_TRUE(second.minY > 10 + lineHeight && second.maxY < 10 + 2 * lineHeight);
}

TEST(DrawLine, StrokesInTheColourAndKeepsTheState) {
    gfx::ImageSurface image(50, 50);
    gfx::Context& context = image.context();
    drawLine(context, gfx::Color::red(), {5, 25}, {45, 25});
    EXPECT_EQ(image.pixel(25, 25), gfx::Color::red());
    EXPECT_EQ(image.pixel(25, 24), gfx::Color::red());  // 2.5 wide by default
    EXPECT_EQ(image.pixel(25, 28), gfx::Color::clear());
    EXPECT_EQ(context.strokeColor(), gfx::Color::red());
    EXPECT_EQ(context.fillColor(), gfx::Color::red());
    EXPECT_EQ(context.lineWidth(), kDefaultLineWidth);

    drawLine(context, gfx::Color::blue(), {25, 0}, {25, 50}, 6);
    EXPECT_EQ(image.pixel(23, 10), gfx::Color::blue());
}

}  // namespace
}  // namespace duolinear

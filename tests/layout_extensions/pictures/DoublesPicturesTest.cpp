// The doubles pictures: captions, the towers and the loose box of each
// strategy, the sizing, and where the towers stand in the drawing.

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "layout_extensions/pictures/DoublesPictures.h"
#include "layout_extensions/pictures/PictureTestSupport.h"

namespace duolinear {
namespace {

using testing::Canvas;
using S = DoublesStrategy;

const gfx::Color kGrey = gfx::Color::lightGray();
const gfx::Color kWhite = gfx::Color::white();
const gfx::Color kBlack = gfx::Color::black();

void drawPicture(gfx::Context& context, S strategy, std::int64_t n, bool hideAnswer, double width, double height) {
    using Draw = void (*)(gfx::Context&, std::int64_t, bool, double, double);
    const Draw draws[] = {drawDoublePicture, drawDoublePlusOnePicture, drawDoubleMinusOnePicture,
                          drawMakeADoublePicture};
    draws[static_cast<int>(strategy)](context, n, hideAnswer, width, height);
}

TEST(DoublesPictures, CaptionsOfEachStrategyAndFormAndNumbersOutsideTheLimitsDrawNothing) {
    const std::int64_t huge = std::numeric_limits<std::int64_t>::max();
    const struct {
        S strategy;
        std::int64_t n;
        bool hideAnswer;
        const char* top;  // null: refused, nothing is drawn
        const char* bottom;
    } cases[] = {
        {S::plainDouble, 7, true, "double", "7 + 7"},
        {S::plainDouble, 7, false, "double 7", "7 + 7 = 14"},
        {S::plainDouble, 0, false, "double 0", "0 + 0 = 0"},
        {S::doublePlusOne, 7, true, "double plus 1", "7 + 6"},
        {S::doublePlusOne, 7, false, "double 6 plus 1", "7 + 6 = 6 + 1 + 6 = 13"},
        {S::doubleMinusOne, 7, true, "double minus 1", "7 + 6"},
        {S::doubleMinusOne, 7, false, "double 7 minus 1", "7 + 6 = 7 + 7 − 1 = 13"},
        {S::makeADouble, 8, true, "make a double", "8 + 6"},
        {S::makeADouble, 8, false, "8 + 6 = double 7", "8 − 1 + 6 + 1 = 7 + 7"},
        {S::doubleMinusOne, 1, true, "double minus 1", "1 + 0"},
        {S::plainDouble, 1000, false, "double 1000", "1000 + 1000 = 2000"},
        {S::plainDouble, -1, false, nullptr, nullptr},
        {S::doublePlusOne, 0, true, nullptr, nullptr},
        {S::doubleMinusOne, 1, false, nullptr, nullptr},
        {S::makeADouble, 1, true, nullptr, nullptr},
        {S::plainDouble, 1001, true, nullptr, nullptr},
        {S::doublePlusOne, huge, false, nullptr, nullptr},
        {S::makeADouble, -huge, true, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto plan = doublesPicturePlan(c.strategy, c.n, c.hideAnswer);
        ASSERT_EQ(plan.has_value(), c.top != nullptr) << c.n;
        if (plan) {
            EXPECT_EQ(plan->captions, (PictureCaptions{c.top, c.bottom}));
            continue;
        }
        Canvas canvas(100, 200);
        canvas.draw([&](gfx::Context& context) {
            drawPicture(context, c.strategy, c.n, c.hideAnswer, 100, 200);
            drawPicture(context, c.strategy, 3, c.hideAnswer, 0, 200);  // and empty areas
            drawPicture(context, c.strategy, 3, c.hideAnswer, 100, std::numeric_limits<double>::quiet_NaN());
        });
        EXPECT_TRUE(canvas.empty()) << c.n;
    }
    // A tiny area draws what fits and returns.
    Canvas canvas(10, 10);
    canvas.draw([](gfx::Context& context) { drawMakeADoublePicture(context, 9, false, 0.01, 0.02); });
}

TEST(DoublesPictures, FacesEdgesAndTheLooseBoxOfEachStrategy) {
    // n = 8: the left tower shows the first face, the right one the second;
    // edges alternate from white at the bottom.
    const auto eight = doublesPicturePlan(S::plainDouble, 8, true);
    ASSERT_EQ(eight->right.bricks.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const gfx::Color edge = i % 2 == 0 ? kWhite : kBlack;
        EXPECT_EQ(eight->left.bricks[i], (box{60, 4, edge, kGrey, "🌿", ""}));
        EXPECT_EQ(eight->right.bricks[i], (box{60, 4, edge, kGrey, "\u2618\uFE0F", ""}));
    }
    // n = 7, double minus one: a copy of the right top box (index 5, black
    // edge), crossed out and edged like the left top box (index 6, white).
    const auto minus = doublesPicturePlan(S::doubleMinusOne, 7, false);
    EXPECT_EQ(minus->left.bricks.size(), 7u);
    EXPECT_EQ(minus->right.bricks.size(), 6u);
    EXPECT_EQ(minus->looseBox, (box{60, 4, kWhite, kGrey, "🌿", "❌"}));
    EXPECT_TRUE(minus->looseBoxOnRight);
    EXPECT_DOUBLE_EQ(minus->looseBoxRaise, 3.5 - 0.75);
    // Make a double moves the left top box onto the two-box-shorter right tower.
    const auto make = doublesPicturePlan(S::makeADouble, 8, false);
    EXPECT_TRUE(make->left.bricks.size() == 7 && make->right.bricks.size() == 6 && make->looseBoxOnRight);
    EXPECT_DOUBLE_EQ(make->looseBoxRaise, 3.0 - 0.75);
}

TEST(DoublesPictures, SizedByTheWidthForSmallNAndByTheHeightForLargeNTheSmallerSideBeingTheWidth) {
    const PictureScale small = doublesPictureScale(1, 0.5, 300, 2000);
    EXPECT_DOUBLE_EQ(small.fontSize, testing::probeCaption(300).size);
    EXPECT_DOUBLE_EQ(small.scale, 300.0 / 6 / 60);
    const double lineHeight = testing::probeCaption(400).lineHeight;
    EXPECT_DOUBLE_EQ(doublesPictureScale(20, 0.5, 400, 800).scale, (800 - 3 * lineHeight) / 20.5 / 60);

    Canvas wide(800, 800);
    Canvas tall(800, 800);
    wide.draw([](gfx::Context& context) { drawDoubleMinusOnePicture(context, 7, false, 800, 400); });
    tall.draw([](gfx::Context& context) { drawDoubleMinusOnePicture(context, 7, false, 400, 800); });
    EXPECT_TRUE(!wide.empty() && wide.samePixels(tall));
}

TEST(DoublesPictures, TowersStandWhereEachFormPutsThem) {
    const double w = 390;
    const double h = 700;
    const double b = 60 * doublesPictureScale(3, 0.5, w, h).scale;
    const double baseline = h / 2 + b * 1.5;
    const double y = baseline - 5;  // low in the bottom box, below its face
    ASSERT_GT(b, 20);

    Canvas question(w, h);
    question.draw([&](gfx::Context& context) { drawDoublePlusOnePicture(context, 3, true, w, h); });
    EXPECT_TRUE(question.blank(w / 2 - 2 * b - 1, y) && question.is(w / 2 - 2 * b + 6, y, kGrey));
    EXPECT_TRUE(question.blank(w / 2, y) && question.is(w / 2 + b + 6, y, kGrey));
    EXPECT_TRUE(question.blank(w / 2 + 2 * b + 1, y));
    EXPECT_TRUE(question.blank(w / 2 + b + 6, baseline - 2.5 * b)) << "the right tower is one box shorter";

    // The answer closes up to a 4-point gap and lifts the left top box a
    // quarter box above the place it left.
    Canvas answer(w, h);
    answer.draw([&](gfx::Context& context) { drawDoublePlusOnePicture(context, 3, false, w, h); });
    EXPECT_TRUE(answer.is(w / 2 - 8, y, kGrey) && answer.blank(w / 2 - 1, y));
    EXPECT_TRUE(answer.blank(w / 2 + 1, y) && answer.is(w / 2 + 8, y, kGrey));
    const double lifted = h / 2 - b * (1.5 - 0.75);
    const double x = w / 2 - b - 2 + 6;
    EXPECT_TRUE(answer.is(x, lifted - 5, kGrey));
    EXPECT_TRUE(answer.blank(x, lifted + b / 8));
    EXPECT_TRUE(answer.is(x, lifted + 1.25 * b - 5, kGrey));
}

TEST(DoublesPictures, ALongAnswerCaptionShrinksWhileTheTopCaptionKeepsItsSize) {
    const double w = 250;
    const double h = 900;
    const testing::ProbeCaption caption = testing::probeCaption(w);
    const gfx::TextAttributes fitted{gfx::Font::system(caption.size, gfx::FontWeight::medium())};
    ASSERT_GT(gfx::measureText("17 + 16 = 16 + 1 + 16 = 33", fitted).width, 0.95 * w);

    Canvas canvas(w, h);
    canvas.draw([&](gfx::Context& context) { drawDoublePlusOnePicture(context, 17, false, w, h); });
    auto ink = [](gfx::Color c) { return c.a > 0.5; };
    const int band = static_cast<int>(1.5 * caption.lineHeight);
    EXPECT_LE(canvas.span(static_cast<int>(h) - band, static_cast<int>(h), ink).width(), 0.95 * w);
    EXPECT_NEAR(canvas.span(0, band, ink).width(), gfx::measureText("double 16 plus 1", fitted).width, 6);
}

}  // namespace
}  // namespace duolinear

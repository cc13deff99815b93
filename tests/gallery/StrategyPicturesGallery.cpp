// The strategy pictures of early arithmetic, in their question and answer
// forms: towers of boxes, the doubles pictures and the ten-frame pictures.
// Each must keep its ink inside the area it was given, drawn with a blank
// margin around it.

#include <functional>
#include <string>

#include "gallery/Gallery.h"
#include "layout_extensions/pictures/DoublesPictures.h"
#include "layout_extensions/pictures/TenFramePicture.h"
#include "layout_extensions/pictures/Towers.h"

namespace duolinear::gallery {
namespace {

constexpr double kWidth = 390;
constexpr double kHeight = 700;

// Blank points around the area, so that ink outside it shows.
constexpr double kMargin = 10;

// Draws into an area of the given size, its top-left corner at the picture's
// (kMargin, kMargin); all ink must stay in the area.
void drawPicture(const std::string& name, double width, double height, const std::function<void(gfx::Context&)>& draw) {
    auto image = blankPicture(width + 2 * kMargin, height + 2 * kMargin);
    {
        gfx::DrawingScope scope(image->context());
        image->context().translate(kMargin, kMargin);
        draw(image->context());
    }
    EXPECT_TRUE(inkWithin(*image, gfx::Rect::make(kMargin, kMargin, width, height))) << name;
    savePicture(*image, name);
}

tower towerOf(int count) {
    tower stack;
    for (int i = 0; i < count; ++i) {
        box brick{60, 4, i % 2 == 0 ? gfx::Color::white() : gfx::Color::black(), gfx::Color::lightGray(), "🍀", ""};
        stack.bricks.push_back(brick);
    }
    return stack;
}

TEST(StrategyPicturesGallery, TowersOfBoxes) {
    drawPicture("towers-3-and-5.png", 300, 400, [](gfx::Context& context) {
        towerOf(3).drawTower(context, 40, 360, 1);
        tower five = towerOf(5);
        five.bricks[1] = box{40, 3, gfx::Color::black(), gfx::Color::red(), "7", ""};
        five.bricks[4].faceOver = "❌";
        five.bricks.push_back(box{});
        five.bricks.back().face = "1";
        five.drawTower(context, 180, 360, 1);
    });
}

TEST(StrategyPicturesGallery, DoublesPicturesForFour) {
    using Draw = void (*)(gfx::Context&, std::int64_t, bool, double, double);
    const struct {
        const char* name;
        Draw draw;
    } pictures[] = {
        {"double", drawDoublePicture},
        {"double-plus-one", drawDoublePlusOnePicture},
        {"double-minus-one", drawDoubleMinusOnePicture},
        {"make-a-double", drawMakeADoublePicture},
    };
    for (const auto& picture : pictures) {
        for (bool hideAnswer : {true, false}) {
            const std::string name =
                std::string("doubles-") + picture.name + "-4-" + (hideAnswer ? "question" : "answer") + ".png";
            drawPicture(name, kWidth, kHeight,
                        [&](gfx::Context& context) { picture.draw(context, 4, hideAnswer, kWidth, kHeight); });
        }
    }
}

// Captions that are long for their area: "n + (n − 2) = double (n − 1)" at
// n = 17 across 390 points, "double n minus 1" at n = 10 across 300.
TEST(StrategyPicturesGallery, DoublesPicturesWithLongCaptions) {
    drawPicture("doubles-make-a-double-17-answer-390.png", kWidth, kHeight,
                [](gfx::Context& context) { drawMakeADoublePicture(context, 17, false, kWidth, kHeight); });
    drawPicture("doubles-double-minus-one-10-answer-300.png", 300, 600,
                [](gfx::Context& context) { drawDoubleMinusOnePicture(context, 10, false, 300, 600); });
}

TEST(StrategyPicturesGallery, TenFramePictures) {
    const struct {
        const char* name;
        const char* strategy;
    } strategies[] = {{"count-on", "count on"}, {"combine-to-ten", "combine to ten"}, {"make-a-ten", "make a ten"}};
    const struct {
        int a;
        int b;
    } sums[] = {{8, 5}, {6, 4}};
    for (const auto& strategy : strategies) {
        for (const auto& sum : sums) {
            for (bool hideAnswer : {true, false}) {
                const std::string name = std::string("ten-frames-") + strategy.name + "-" + std::to_string(sum.a) +
                                         "+" + std::to_string(sum.b) + "-" + (hideAnswer ? "question" : "answer") +
                                         ".png";
                drawPicture(name, kWidth, kHeight, [&](gfx::Context& context) {
                    drawTenFramePicture(context, sum.a, sum.b, hideAnswer, strategy.strategy, kWidth, kHeight);
                });
            }
        }
    }
}

}  // namespace
}  // namespace duolinear::gallery

#pragma once
// Doubles pictures: the doubles strategies of mental addition drawn with two
// towers of boxes on a common baseline, a caption at the top and one at the
// bottom. A double (7 + 7), a double plus one (7 + 6 as double 6 plus 1), a
// double minus one (7 + 6 as double 7 minus 1) and making a double (8 + 6 as
// 7 + 7). The answer form lifts, crosses out or moves one box and writes the
// worked sum.
//
// Each picture is drawn in one call into the context, in an area whose
// top-left corner is the context's origin; the smaller of width and height is
// taken as the width. A picture draws nothing at all when n is outside its
// limits (below 0, 1 or 2 as the strategy needs, or above kMostPictureUnits)
// or when the area is empty. Both captions are drawn smaller where they would
// fill more than 0.95 of the width (drawPictureCaptions).

#include <cstdint>
#include <optional>

#include "layout_extensions/pictures/PictureText.h"
#include "layout_extensions/pictures/Towers.h"
#include "platform/gfx/Context.h"

namespace duolinear {

// The scale that makes a box of height 60 one unit u tall, where u =
// (height − 3T) / (n + extraBoxes), or width / 6 when six such units would not
// fit across; the caption font sized to the probe text, and its line height T.
PictureScale doublesPictureScale(std::int64_t n, double extraBoxes, double width, double height);

enum class DoublesStrategy { plainDouble, doublePlusOne, doubleMinusOne, makeADouble };

// What a doubles picture shows, before it is placed in an area: the captions,
// the two towers as they stand, and the one box that the answer form lifts,
// crosses out or moves, drawn over the left or the right tower with its
// bottom at H/2 − b × looseBoxRaise (b the drawn side of a box).
struct DoublesPicturePlan {
    PictureCaptions captions;
    tower left;
    tower right;
    std::optional<box> looseBox;
    bool looseBoxOnRight = false;
    double looseBoxRaise = 0.0;
};

// Absent when n is outside the strategy's limits for the form asked for.
std::optional<DoublesPicturePlan> doublesPicturePlan(DoublesStrategy strategy, std::int64_t n, bool hideAnswer);

// n + n.
void drawDoublePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height);
// n + (n − 1) as double (n − 1) plus 1.
void drawDoublePlusOnePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height);
// n + (n − 1) as double n minus 1.
void drawDoubleMinusOnePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height);
// n + (n − 2) as double (n − 1).
void drawMakeADoublePicture(gfx::Context& context, std::int64_t n, bool hideAnswer, double width, double height);

}  // namespace duolinear

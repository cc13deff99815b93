#pragma once
// The make-a-ten and count-on picture: a + b shown as two upright ten-frames
// side by side, a red counters on the left and b blue ones on the right, with
// the strategy's name and the sum as captions. Three strategies share it:
// "count on", "combine to ten" and "make a ten". The answer form moves blue
// counters into the empty cells of the left frame, numbers the counters when
// counting on, and writes the worked sum.
//
// The picture is drawn in one call into the context, in an area whose
// top-left corner is the context's origin; the smaller of width and height is
// taken as the width. It draws nothing at all when a or b is negative or above
// kMostPictureUnits, when the answer form is asked for with a above 10, or
// when the area is empty.

#include <cstdint>
#include <optional>
#include <string>

#include "layout_extensions/pictures/PictureText.h"
#include "layout_extensions/pictures/TenFrames.h"
#include "platform/gfx/Context.h"

namespace duolinear {

// The scale of frames frameWidth wide: at most 1, small enough that two
// frames and three gaps of 15 points fit across the width and that a frame
// 2.5 widths long fits between the captions (3T); the caption font sized to
// the probe text, and its line height T.
PictureScale frameScale(double frameWidth, double width, double height);

// What the picture shows, before it is placed in an area: the captions and
// the two filled frames with their counters as drawn (in the answer form,
// after the counters have moved and been numbered).
struct TenFramePicturePlan {
    PictureCaptions captions;
    filledFrame left;
    filledFrame right;
};

// Absent when the numbers are outside the limits above. A strategy text other
// than the three draws no captions but still moves counters in the answer
// form.
std::optional<TenFramePicturePlan> tenFramePicturePlan(std::int64_t a, std::int64_t b, bool hideAnswer,
                                                       const std::string& strategy);

void drawTenFramePicture(gfx::Context& context, std::int64_t a, std::int64_t b, bool hideAnswer,
                         const std::string& strategy, double width, double height);

}  // namespace duolinear

#pragma once
// What the strategy pictures share: the chalk-style font of the box faces, the
// caption font fitted to a probe text, the captions, the upright drawing area
// and the largest number a picture builds.
//
// Fonts shrink to a width with shrunkFontSize (layout/drawing/TextDrawing.h),
// which stops at a smallest size, so an empty, tiny or nonsensical area can
// never make it run for ever.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/gfx/Context.h"
#include "platform/gfx/Font.h"

namespace duolinear {

// The family of the chalk-style font; when it isn't installed the faces are
// drawn in the system font.
inline constexpr const char* kChalkFontFamily = "Cabin Sketch";

// Towers taller and numbers of counters larger than this are refused (the
// pictures draw nothing): no area shows them, and building them could
// exhaust memory. It also keeps every sum a caption writes far from overflow.
inline constexpr std::int64_t kMostPictureUnits = 1000;

// The chalk-style font at a size, or the regular system font of that size
// when no installed family carries the chalk font's name.
gfx::Font chalkFont(double size);

// The caption font of the pictures: the system font of medium weight.
gfx::Font captionFont(double size);

// The caption size of a picture of a given width: the caption font starts at
// 40 points and shrinks until the probe text "double 66 plus 99" fits the
// width; lineHeight is the probe's height in that font.
struct CaptionSizing {
    double fontSize = 0.0;
    double lineHeight = 0.0;
};
CaptionSizing captionSizing(double width);

// How a picture is drawn in its area: the scale of its towers or frames, and
// the caption font size with its line height.
struct PictureScale {
    double scale = 0.0;
    double fontSize = 0.0;
    double lineHeight = 0.0;
};

// A picture's area, upright: width W no greater than height H. Absent when a
// side is not a positive finite number, for there is nothing to draw into.
struct PictureArea {
    double width = 0.0;
    double height = 0.0;
};
std::optional<PictureArea> uprightArea(double width, double height);

// The top and bottom caption of a picture.
struct PictureCaptions {
    std::string top;
    std::string bottom;
    friend bool operator==(const PictureCaptions&, const PictureCaptions&) = default;
};

// Draws the top caption centred on 0.75 T from the top and the bottom caption
// centred on 0.75 T from the bottom (T the sizing's line height), both centred
// across the width, in the caption font of the sizing in the default text
// colour. A caption wider than 0.95 W is drawn in its font shrunk until it is
// no wider, so that it never reaches the area's edges.
void drawPictureCaptions(gfx::Context& context, const PictureCaptions& captions, const CaptionSizing& sizing,
                         const PictureArea& area);

}  // namespace duolinear

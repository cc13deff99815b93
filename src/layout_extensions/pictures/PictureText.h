#pragma once
// What the strategy pictures share: the chalk-style font of the box faces, the
// caption font fitted to a probe text, fonts shrunk to a width, the upright
// drawing area and the largest number a picture builds.
//
// Every shrinking stops at kSmallestPictureFontSize, so an empty, tiny or
// nonsensical area can never make it run for ever.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/gfx/Context.h"
#include "platform/gfx/Font.h"

namespace duolinear {

// The family of the chalk-style font; when it isn't installed the faces are
// drawn in the system font.
inline constexpr const char* kChalkFontFamily = "Cabin Sketch";

// Each shrinking step is this much smaller than the one before, and shrinking
// never goes below the smallest size.
inline constexpr double kPictureShrinkFactor = 0.95;
inline constexpr double kSmallestPictureFontSize = 1.0;

// Towers taller and numbers of counters larger than this are refused (the
// pictures draw nothing): no area shows them, and building them could
// exhaust memory. It also keeps every sum a caption writes far from overflow.
inline constexpr std::int64_t kMostPictureUnits = 1000;

// The chalk-style font at a size, or the regular system font of that size
// when no installed family carries the chalk font's name.
gfx::Font chalkFont(double size);

// The caption font of the pictures: the system font of medium weight.
gfx::Font captionFont(double size);

// The point size reached by shrinking the font by kPictureShrinkFactor while
// the text is wider than `widthLimit`, stopping at kSmallestPictureFontSize
// (or at once when a size or width is not a number).
double shrunkFontSize(const std::string& text, const gfx::Font& font, double widthLimit);

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
// across the width, in the caption font in the default text colour. With
// shrinkBottom the bottom caption's font shrinks until the caption is no wider
// than 0.95 W.
void drawPictureCaptions(gfx::Context& context, const PictureCaptions& captions, const CaptionSizing& sizing,
                         const PictureArea& area, bool shrinkBottom);

}  // namespace duolinear

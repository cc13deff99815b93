#pragma once
// What the plug-in measurers and drawers share: their fonts (the
// monospaced-digit system font of medium weight at a share of the size S),
// the gap between their columns (S / 5, never below 10 points), the colours
// their records name, and the rotated place-value labels above the columns of
// the tableau, column addition and counting drawings.
//
// The drawers draw texts into the current drawing and strokes and fills only
// when a graphics context is current; they keep nothing between calls.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Text.h"

namespace duolinear {

// The width of rules, brackets and grid lines.
inline constexpr double kPlugInLineWidth = 2.5;

gfx::Font plugInFont(double size);
// S / 5, but never below 10 points.
double plugInGap(double size);
double widthIn(const gfx::Font& font, const std::string& text);
// Characters as a reader counts them (an emoji with its selector is one).
std::int64_t plugInCharacterCount(std::string_view text);

// The colour a record's text colour names; black when it names none.
gfx::Color plugInTextColor(std::string_view colorName);
// The colour a record's background colour names; a name that names no colour
// paints nothing, as "clear" and "invisible" do.
gfx::Color plugInBackgroundColor(std::string_view colorName);

// How deep the band of the labels of `columns` columns is above the first
// row (without its gap): as deep as the longest label, "10…0" in the labels'
// font, is wide or high, whichever is more; a label stands upright enough to
// take either.
double placeValueLabelBand(const gfx::Font& labelFont, std::int64_t columns);

// The labels "10…0" (columns − 1 zeros) down to "1", one per column from the
// left, each turned by `angle` about its anchor: (firstAnchorX + i × pitch,
// anchorY) for column i.
void drawPlaceValueLabels(std::int64_t columns, const gfx::TextAttributes& attributes, double firstAnchorX,
                          double pitch, double anchorY, double angle);

}  // namespace duolinear

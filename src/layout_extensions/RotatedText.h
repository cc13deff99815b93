#pragma once
// Text turned about a point, for the rotated place-value labels of the column
// addition, tableau and counting drawings.

#include <string>

#include "platform/gfx/Text.h"

namespace duolinear {

// Draws the text with the attributes into the current drawing context, turned
// by `angle` radians (clockwise on screen) about (x, y): the text starts at
// the point and its middle lies on the turned line through it. The context's
// transform is the same afterwards as before, whatever the angle. Outside a
// drawing pass (no current context) nothing is drawn.
void drawRotatedText(const std::string& text, const gfx::TextAttributes& attributes, double x, double y, double angle);

}  // namespace duolinear

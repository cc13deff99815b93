#pragma once
// The "join" item: two children combined by the join text:
//   "🖇"                      side by side on one baseline;
//   "+", "−", "×", "÷", "=", "<", ">", "≤", "≥", "➩", "∙", "±", "?"
//                             either side of the operator, set as " T ";
//   "^"                       base with a raised exponent in the small size;
//   "/"                       numerator over a bar over denominator;
//   anything else             nothing at all (neither child is visited).
// Rows after the kind row: locator (left index, right index), colour (the
// operator's or the bar's colour), tag (unread). In place of an index, "BLANK"
// marks an empty operand of a juxtaposition or an operator join. Only a
// juxtaposition hands its own font name to its children; every other join
// gives them the default.

#include "renderer/LayoutFrame.h"

namespace duolinear {

LayoutSize measureJoinItem(const LayoutFrame& frame);
void drawJoinItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

#pragma once
// The "unary" item: one child with a decoration, chosen by the unary text:
//   "√"              a radical sign drawn as strokes over the child;
//   "√2" ... "√6"    the same with the digit as a small index;
//   "()", "(]", "[]", "[)", "[[", "]]", "][", "{}", "||"
//                    a bracket pair (first and last character) scaled to the
//                    child's height; no room and no marks when the colour
//                    entry is "invisible";
//   any other text   the text itself before the child.
// Rows after the kind row: locator (child index), colour (the decoration's
// colour), tag (unread). The child always gets the default font name.

#include "renderer/LayoutFrame.h"

namespace duolinear {

LayoutSize measureUnaryItem(const LayoutFrame& frame);
void drawUnaryItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

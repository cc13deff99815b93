#pragma once
// A small picture of a system: the line of each equation a·x + b·y = c on a
// square grid centred on the origin, the first line red and the second blue,
// with a dot where they cross.

#include "guides/GuideModel.h"
#include "platform/gfx/Geometry.h"

namespace duolinear::guides {

// The grid is the largest square inside the box, centred in it.
void drawLineGraph(const GraphPanel& panel, gfx::Rect box);

}  // namespace duolinear::guides

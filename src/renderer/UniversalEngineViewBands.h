#pragma once
// Where the step view draws: three bands, one under the other, inside the
// view's bounds less its insets. With W the inner width and H the inner
// height less the two 5-point gaps between the bands, the comment band takes
// the top 5 % of H, the band of the step's lines the next 85 % and the
// navigator band the last 10 %.

#include "platform/gfx/Geometry.h"
#include "platform/ui/EdgeInsets.h"

namespace duolinear {

struct UniversalEngineViewBands {
    gfx::Rect comments;
    gfx::Rect lines;
    gfx::Rect navigator;

    // False when the bands have no room (a width or a height of 0 or less).
    bool hasRoom() const { return !lines.isEmpty(); }
};

UniversalEngineViewBands universalEngineViewBands(gfx::Size bounds, const ui::EdgeInsets& insets);

}  // namespace duolinear

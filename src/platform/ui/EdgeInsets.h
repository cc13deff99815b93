#pragma once
// Distances inwards from the four edges of a rectangle, in points.

#include "platform/gfx/Geometry.h"

namespace ui {

struct EdgeInsets {
    double top = 0.0;
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;

    gfx::Rect inset(gfx::Rect rect) const {
        return gfx::Rect::make(rect.minX() + left, rect.minY() + top, rect.width() - left - right,
                               rect.height() - top - bottom);
    }

    friend constexpr bool operator==(const EdgeInsets&, const EdgeInsets&) = default;
};

}  // namespace ui

#pragma once
// One finger (or mouse button) on the screen.

#include "platform/gfx/Geometry.h"

namespace ui {

class View;

struct Touch {
    // Where the touch is, in the coordinates of the root of the view tree
    // (the window).
    gfx::Point windowLocation;

    // Where the touch is in a view's own coordinates.
    gfx::Point location(const View& view) const;
};

}  // namespace ui

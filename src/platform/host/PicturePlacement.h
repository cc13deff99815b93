#pragma once
// Where the app's picture stands in a window of whatever size the window
// manager gives it: scaled by one factor in both directions so that it fits,
// and centred; the rest of the window is left to the background. The picture
// is never stretched unevenly, and a point in the window maps back to the
// point of the picture under it.

#include "platform/gfx/Geometry.h"

namespace host {

// The picture's rectangle in the window, in the window's units. Empty (zero
// size, at the origin) when either size is not positive.
gfx::Rect placedPicture(gfx::Size window, gfx::Size picture);

// The point of the picture under a point of the window; outside the placed
// rectangle the result lies outside the picture.
gfx::Point pointInPicture(gfx::Point inWindow, gfx::Rect placed, gfx::Size picture);

}  // namespace host

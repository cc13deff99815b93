#pragma once
// The bounds of the main screen in points. A host sets them from its window
// (or command line); tests set them to try narrow and wide screens. Until set
// they are those of a phone-sized screen, 390 x 844.

#include "platform/gfx/Geometry.h"

namespace gfx {

Rect mainScreenBounds();
void setMainScreenBounds(Rect bounds);

}  // namespace gfx

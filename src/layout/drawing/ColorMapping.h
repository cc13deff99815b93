#pragma once
// The platform colours of the layout colours. "invisible" and "clear" both
// draw transparent; the renderer tells them apart by the layout colour.

#include "layout/Enumerations.h"
#include "platform/gfx/Color.h"

namespace duolinear {

// For text.
gfx::Color uiColor(Color color);
// For bars, rules and strokes; the same colour as uiColor.
gfx::Color cgColor(Color color);

}  // namespace duolinear

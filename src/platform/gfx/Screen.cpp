#include "platform/gfx/Screen.h"

namespace gfx {

namespace {
Rect& bounds() {
    static Rect value = Rect::make(0.0, 0.0, 390.0, 844.0);
    return value;
}
}  // namespace

Rect mainScreenBounds() {
    return bounds();
}

void setMainScreenBounds(Rect newBounds) {
    bounds() = newBounds;
}

}  // namespace gfx

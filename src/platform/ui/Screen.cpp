#include "platform/ui/Screen.h"

#include "platform/gfx/Screen.h"

namespace ui {

Screen& Screen::main() {
    static Screen screen;
    return screen;
}

// The bounds live in the graphics layer, where the text-size rules read them.
gfx::Rect Screen::bounds() const {
    return gfx::mainScreenBounds();
}

void Screen::setBounds(gfx::Rect bounds) {
    gfx::setMainScreenBounds(bounds);
}

}  // namespace ui

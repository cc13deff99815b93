#include "platform/host/PicturePlacement.h"

#include <algorithm>

namespace host {

gfx::Rect placedPicture(gfx::Size window, gfx::Size picture) {
    if (window.width <= 0 || window.height <= 0 || picture.width <= 0 || picture.height <= 0) return {};
    const double scale = std::min(window.width / picture.width, window.height / picture.height);
    const double width = picture.width * scale;
    const double height = picture.height * scale;
    return gfx::Rect::make(0.5 * (window.width - width), 0.5 * (window.height - height), width, height);
}

gfx::Point pointInPicture(gfx::Point inWindow, gfx::Rect placed, gfx::Size picture) {
    if (placed.size.width <= 0 || placed.size.height <= 0) return {};
    return {(inWindow.x - placed.origin.x) * picture.width / placed.size.width,
            (inWindow.y - placed.origin.y) * picture.height / placed.size.height};
}

}  // namespace host

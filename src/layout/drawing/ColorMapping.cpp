#include "layout/drawing/ColorMapping.h"

namespace duolinear {

gfx::Color uiColor(Color color) {
    switch (color) {
        case Color::invisible:
            return gfx::Color::clear();
        case Color::white:
            return gfx::Color::white();
        case Color::clear:
            return gfx::Color::clear();
        case Color::black:
            return gfx::Color::black();
        case Color::light_gray:
            return gfx::Color::lightGray();
        case Color::gray:
            return gfx::Color::gray();
        case Color::dark_gray:
            return gfx::Color::darkGray();
        case Color::red:
            return gfx::Color::red();
        case Color::blue:
            return gfx::Color::blue();
        case Color::green:
            return gfx::Color::green();
        case Color::cyan:
            return gfx::Color::cyan();
        case Color::brown:
            return gfx::Color::brown();
        case Color::magenta:
            return gfx::Color::magenta();
    }
    return gfx::Color::black();
}

gfx::Color cgColor(Color color) {
    return uiColor(color);
}

}  // namespace duolinear

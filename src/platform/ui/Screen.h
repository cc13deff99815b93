#pragma once
// The main screen: its bounds in points (the window's size; the text-size
// rules read the same width) and how many pixels it has per point.

#include "platform/gfx/Geometry.h"

namespace ui {

class Screen {
public:
    static Screen& main();

    gfx::Rect bounds() const;
    void setBounds(gfx::Rect bounds);
    double scale() const { return scale_; }
    void setScale(double scale) { scale_ = scale; }

private:
    Screen() = default;
    double scale_ = 1.0;
};

}  // namespace ui

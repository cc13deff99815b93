#pragma once
// Towers of boxes: a `box` is one square block with an outline, a fill and up
// to two texts on its face; a `tower` is a stack of boxes, the first at the
// bottom. Both draw straight into the graphics context they are given and
// keep no state between calls.

#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Context.h"

namespace duolinear {

struct box {
    double height = 20.0;    // side of the square, in units multiplied by the drawing scale
    double edgeWidth = 3.0;  // outline width in points, not scaled
    gfx::Color edgeColor = gfx::Color::black();
    gfx::Color color = gfx::Color::red();  // fill
    std::string face;                      // text on the box
    std::string faceOver;                  // second text, drawn over `face`

    // Draws the box with its bottom-left corner at (x, y), y growing downward:
    // the square (x, y − s) to (x + s, y), s = height × scale, filled and
    // outlined, the outline inset by half its width so that it stays inside.
    // The two texts are drawn in white in the chalk-style font of size 0.75 s,
    // centred across the box, their top at y − 1.5 s plus half their height.
    // A box whose side is not a positive finite number, or drawn at a point
    // that is not finite, draws nothing.
    void drawBox(gfx::Context& context, double x, double y, double scale) const;

    friend bool operator==(const box&, const box&) = default;
};

struct tower {
    std::vector<box> bricks;  // bricks[0] stands at the bottom

    // Draws the boxes from (x, y), the bottom-left corner of the bottom box,
    // upward with no gap between them, each centred on the centre line of the
    // bottom box. An empty tower draws nothing.
    void drawTower(gfx::Context& context, double x, double y, double scale) const;

    friend bool operator==(const tower&, const tower&) = default;
};

}  // namespace duolinear

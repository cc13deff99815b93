#pragma once
// Ten-frames: an upright grid of two columns of five cells (`frame`), round
// counters that may carry a number (`counter`), and a frame with its counters
// (`filledFrame`), counter i in cell i: 0–4 up the left column from the
// bottom, 5–9 up the right one. They draw straight into the graphics context
// they are given and keep no state between calls.
//
// A frame W wide (W = frameWidth × scale) with grid lines e wide has square
// cells of side c = (W − 3e) / 2 and is 5c + 6e long. The grid lines and the
// counters' outlines keep their widths in points at every scale.

#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Context.h"

namespace duolinear {

struct frame {
    static constexpr double frameEdgeWidth = 5.0;  // grid lines, in points

    double frameWidth = 250.0;  // two cells and three lines, in units multiplied by the scale
    gfx::Color frameColor = gfx::Color::cyan();
    gfx::Color frameEdgeColor = gfx::Color::white();

    // The long side, 2.5 × (frameWidth − 3e) + 6e; setting it sets the width
    // that gives it.
    double frameLength() const;
    void setFrameLength(double length);

    // The diameter of a counter that fits a cell (five sixths of a cell's
    // side, 0.5 × (frameWidth − 3e) × 5/6); setting it sets the width that
    // gives it.
    double cellCounterDiameter() const;
    void setCellCounterDiameter(double diameter);

    // Draws the grid with its bottom-left corner at (x, y), y growing
    // downward: the frame's rectangle filled, its outline, the column divider
    // and the four row lines. Draws nothing when the cell side is not a
    // positive finite number (grid lines too wide for the frame's width).
    void drawFrame(gfx::Context& context, double x, double y, double scale) const;

    friend bool operator==(const frame&, const frame&) = default;
};

struct counter {
    static constexpr double counterEdgeWidth = 3.0;  // outline, in points

    double counterDiameter = 0.0;  // in units multiplied by the scale
    gfx::Color counterColor;
    gfx::Color counterEdgeColor;
    std::string counterNumber;  // drawn in the middle; may be empty
    gfx::Color counterFontColor;

    // Draws the circle of diameter D = counterDiameter × scale centred on the
    // point, its outline inside the diameter, and the number centred on it in
    // the medium system font, starting at 0.75 D and shrinking by 5 % while the
    // number is wider than 0.75 D (never below one point). Draws nothing when
    // the circle is no wider than its outline.
    void drawCounter(gfx::Context& context, double centreX, double centreY, double scale) const;

    friend bool operator==(const counter&, const counter&) = default;
};

struct filledFrame {
    frame emptyFrame;
    std::vector<counter> counters;  // only the first ten are drawn

    // Draws the frame at (x, y) as drawFrame does, then its first ten
    // counters centred in their cells. Draws nothing when the frame draws
    // nothing.
    void drawFilledFrame(gfx::Context& context, double x, double y, double scale) const;

    friend bool operator==(const filledFrame&, const filledFrame&) = default;
};

}  // namespace duolinear

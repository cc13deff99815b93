#pragma once
// Steps and equation lines drawn by the step renderer on a guide page: the
// room they need and their drawing, the way the step screen fits them.

#include <string>
#include <vector>

#include "layout/TagLayout.h"
#include "platform/gfx/Geometry.h"

namespace duolinear::guides {

// The step screen's base size on a phone.
inline constexpr double kStepBaseSize = 30.0;

// The height of the lines once each is fitted to the width, before any
// shrinking for height.
double naturalLinesHeight(const StepLines& lines, double width, double baseSize);

// The lines fitted into the box, drawn top-down from its top-left corner.
void drawFittedLines(const StepLines& lines, gfx::Rect box, double baseSize);

// The frame of a step: a rounded screen with the comment lines centred in a
// band at its top and the step's lines fitted below.
double stepFrameHeight(const StepLines& lines, double width);
void drawStepFrame(const StepLines& lines, const std::vector<std::string>& comments, gfx::Rect frame);

}  // namespace duolinear::guides

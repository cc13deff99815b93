#pragma once
// The item kinds of the extended layouts: number cells ("block", "whole",
// "fraction", "extended_fraction", "mixed_number"), cancelled fractions, box
// grids and tables, and the plug-ins ("plug_in": multiplications, tableaux,
// divisions, column additions, counts and prime trees).
//
// The interpreter hands every one of these kinds to this one place. Their
// measurers and drawers are not part of the renderer yet: until they are, an
// item of these kinds measures (0, 0, 0) and draws nothing, exactly like a
// kind that is not recognised.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isExtendedItemKind(std::string_view kind);

LayoutSize measureExtendedItem(const LayoutFrame& frame);
void drawExtendedItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

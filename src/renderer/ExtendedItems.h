#pragma once
// The item kinds of the extended layouts: number cells ("block", "whole",
// "fraction", "extended_fraction", "mixed_number"), cancelled fractions, box
// grids and tables, and the plug-ins ("plug_in": multiplications, tableaux,
// divisions, column additions, counts and prime trees).
//
// The interpreter hands every one of these kinds to this one place, which
// passes each to the branch of its kind: the number cells to
// NumberCellItems.h, the cancelled fractions to CancelledFractionItems.h.
// The kinds whose branches are not part of the renderer yet (box grids and
// tables, plug-ins) measure (0, 0, 0) and draw nothing, exactly like a kind
// that is not recognised.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isExtendedItemKind(std::string_view kind);

LayoutSize measureExtendedItem(const LayoutFrame& frame);
void drawExtendedItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

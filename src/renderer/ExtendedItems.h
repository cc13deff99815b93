#pragma once
// The item kinds of the extended layouts: number cells ("block", "whole",
// "fraction", "extended_fraction", "mixed_number"), cancelled fractions, box
// grids and tables, and the plug-ins ("plug_in": multiplications, tableaux,
// divisions, column additions, counts and prime trees).
//
// The interpreter hands every one of these kinds to this one place, which
// passes each to the branch of its kind: the number cells to
// NumberCellItems.h, the cancelled fractions to CancelledFractionItems.h, the
// box grids and tables to BoxItems.h and the plug-ins to PlugInItems.h.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isExtendedItemKind(std::string_view kind);

LayoutSize measureExtendedItem(const LayoutFrame& frame);
void drawExtendedItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

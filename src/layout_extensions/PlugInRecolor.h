#pragma once
// Recolouring a lattice or grid multiplication already written into a layout.
// The item is the first "plug_in" item of its kind met in the row walk
// (RowWalk.h) whose tag row holds the tag: the walk steps over every item by
// its true row count, so blank lines, box grids and other plug-ins before it
// never put it out of step. Each non-empty list replaces its whole row, key
// first; an empty list leaves its row as it was. No matching item leaves the
// layout as it was.

#include <string>

#include "layout/TagLayout.h"
#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

// Partials, factor colours, product colours and partial colours.
void recolorLatticeMultiply(TagLayout& layout, const TextList& partials, const TextList& factorColors,
                            const TextList& productColors, const TextList& partialColors, const std::string& tag);

// Factor colours and partial colours.
void recolorGridMultiply(TagLayout& layout, const TextList& factorColors, const TextList& partialColors,
                         const std::string& tag);

}  // namespace duolinear

#pragma once
// Rewriting an item's colour row, the row right after its kind row. The new
// row is the kind followed by "_color" and one colour per slot; a slot
// without a colour keeps the colour already in that place (black when the old
// row was too short to have one).

#include <cstddef>
#include <optional>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear {

using ColorSlot = std::optional<Color>;

// Nothing happens when the kind row or the colour row is missing.
void rewriteColorRow(TagLayout& layout, std::size_t kindRow, const std::vector<ColorSlot>& slots);

}  // namespace duolinear

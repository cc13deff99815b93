#pragma once
// The row walk of the recolourers: a plain scan of a layout's rows from row 0
// that visits every item's kind row in row order, stepping over each item by
// the number of rows its builder writes. It needs no start row and does not
// follow the item tree, so it also reaches items that the root does not.
//
// Row counts: "start", "block" and "BLANK" take one row; "unary", "join",
// "box_grid" and "box_table" four; a "plug_in" item the count N its row
// carries (["plug_in", name, N]); every other kind three (kind, colour and tag
// rows). A plug-in row whose N is not a positive decimal number is stepped
// over as one row, so that the walk always moves on and ends.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "layout/TagLayout.h"

namespace duolinear {

// The rows of the item whose kind row is at kindRow, that row included.
std::size_t itemRowCount(const TagLayout& layout, std::size_t kindRow);

// Calls matches(kindRow) for each kind row in row order until it answers
// true; that row, or none when the walk reaches the end.
std::optional<std::size_t> findInRowWalk(const TagLayout& layout,
                                         const std::function<bool(std::size_t kindRow)>& matches);

// Value 1 of the row `offset` rows after kindRow (an item's tag, for the
// offset of its tag row); no value when that row or value is missing.
std::optional<std::string_view> itemTagAt(const TagLayout& layout, std::size_t kindRow, std::size_t offset);

}  // namespace duolinear

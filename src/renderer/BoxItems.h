#pragma once
// The grid items "box_grid" and "box_table": short texts in the whole font
// laid out in a grid, centred vertically on the baseline.
//
// Rows, by position from the kind row (the tag row is never read):
//   ["box_grid", "4"], [key, t1 ... t9], [key, c1 ... c9]
//   ["box_table", "4", R, C], [key, e1 ... eR·C], [key, c1 ... cR·C]
//
// A box grid is the area picture of a product: 3 × 3 square cells of side
// s = (widest of the four box cells t5, t6, t8, t9) + the width of "0";
// t1 is the corner, t2 and t3 label the columns, t4 and t7 the rows. Each
// text is centred in its cell in its own colour; black lines 2.5 wide
// enclose the four box cells only (the outer two drawn just inside the
// item's edge so that no ink leaves it). Without a graphics context only
// the texts are drawn. Size 3s × 3s, ascent 1.5s.
//
// A box table is R rows of C texts, right-aligned in columns z·L wide (z the
// width of "0", L the character count of the longest entry) with gaps of z,
// one whole line height per row, no lines. Width z·(C·(L + 1) − 1) (never
// below 0), height R line heights, ascent half of it.
//
// A malformed item stands for nothing ((0, 0, 0), nothing drawn): a box grid
// with fewer than nine texts or colours; a box table whose R or C is not a
// whole decimal number, or whose entries or colours are fewer than R·C.
// A colour that names no colour draws black.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isBoxItemKind(std::string_view kind);

LayoutSize measureBoxItem(const LayoutFrame& frame);
void drawBoxItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

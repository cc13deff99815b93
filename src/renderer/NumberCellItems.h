#pragma once
// The number-cell items: "whole", "fraction", "mixed_number",
// "extended_fraction" and the column calculation "block". The numbers are
// drawn by the cell drawers (layout_extensions/NumberCells.h); none of these
// items calls the interpreter again.
//
// Rows, by position after the kind row (the tag row is never read):
//   "whole", number                    | colour row: key, text colour
//   "fraction", numerator, denominator | key, numerator and bar, denominator
//   "mixed_number", whole, num, den    | key, whole, numerator and bar, denominator
//   "extended_fraction", operator, num, den, num operand, den operand
//                                      | key, top line and bar, bottom line
//   "block", R                         | (no companion rows)
// The four single numbers take the box of a bare stacked fraction: height
// fracHeight, ascent fracCapHeight + wholeHalfXHeight + halfBarSpace. A
// leading "-" of a fraction's numerator (or of an extended fraction's top
// line) is drawn in the whole font before the bar, and the width makes room
// for it; a mixed number's width makes none.
//
// A block reads the join tree (A operator B) relation E that joinLayouts
// writes: R is the relation join, rows[R+1] = (key, P, E), rows[R+2] = (key,
// rule colour), rows[P] = (kind, operator), rows[P+1] = (key, A, B), rows[P+2]
// = (key, operator colour); A, B and E are number cells, each with its colour
// row after it. It is drawn as a column: A over operator B, a rule, E, a rule,
// with the baseline on B's line. A cell of another kind than the three cell
// kinds (or one whose row lacks a value) takes the common cell height and
// draws nothing.
//
// Malformed items stand for nothing ((0, 0, 0), nothing drawn): a kind or
// colour row shorter than its kind needs, and for a block a reference that is
// not a decimal row index or does not stand before the row that names it, or
// a row of the join tree that is missing or short. A colour that names no
// colour draws black.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isNumberCellItemKind(std::string_view kind);

LayoutSize measureNumberCellItem(const LayoutFrame& frame);
void drawNumberCellItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

#pragma once
// The prime tree plug-in: a factor tree drawn as a staircase of pairs in the
// whole font. Row r of the tree shows a factor on the left and the remaining
// cofactor on the right; two short black strokes branch from below the
// cofactor to the next row's pair, half a slot further right and one row
// lower.
//
// Rows, by position from the "plug_in" row (the tag row is never read):
//   ["plug_in", "prime_tree", N], [key, P0, P1, ... P2k−1], [key, Q0 ... Q2k−1]
// Row r shows P2r and P2r+1 in the colours Q2r and Q2r+1. Every slot is d
// wide, d the width of P1; g = a quarter line height is the gap between the
// two slots of a row and the extra room between rows. Width d·(k/2 + 3/2) +
// g·(k/2 + 1/2), height 1.25 line heights per row, ascent the whole font's
// ascender: the first row stands on the baseline and the tree hangs below.
// Strokes are 0.67 half bar spaces wide and drawn only with a graphics
// context.
//
// A malformed item stands for nothing ((0, 0, 0), nothing drawn): fewer than
// two pair texts, an odd number of them, or fewer colours than texts. A
// colour that names no colour draws black.

#include "renderer/LayoutFrame.h"

namespace duolinear {

LayoutSize measurePrimeTree(const LayoutFrame& frame);
void drawPrimeTree(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

#pragma once
// The "plug_in" items: self-contained arithmetic pictures named by the second
// value of their kind row, ["plug_in", name, N]. The name is compared exactly
// with "lattice_multiply", "grid_multiply", "tableau_op", "divide_partial_op",
// "divide_op", "add_column", "count_op" and "prime_tree"; any other name
// measures (0, 0, 0) and draws nothing. N and the keys are never read.
//
// Measuring: the prime tree measures itself (PrimeTreeItems.h); every other
// plug-in's size is its measurer's result unchanged (PlugInMeasurers.h),
// called with the current size S and the values read by position from the
// item's rows (i the "plug_in" row, "values" a row without its key):
//   lattice_multiply   rows i+1[1], i+1[2]
//   grid_multiply      the same, and the character counts of i+2[1] and
//                      i+2[q+1] (the first column and row headings)
//   tableau_op         mode i+1[1], globals = values of i+4, locals = values of i+5
//   divide_partial_op  the same
//   divide_op          mode, globals = values of i+5, locals = values of i+6
//   add_column         mode i+1[1] and the counts i+1[2], i+1[3], i+1[4]
//   count_op           mode, globals = values of i+4, locals = values of i+5
// A number that is not a decimal integer, or a position that is missing,
// measures (0, 0, 0). Neither the font name nor the weight of the call
// reaches a plug-in.
//
// Drawing: the prime tree draws itself; every other plug-in is drawn by its
// drawer (MultiplicationDrawings.h, PlaceValueDrawings.h, DivisionDrawings.h,
// CountDrawing.h) with the values read from the same rows, reshaped where the
// drawer takes cells or grids:
//   lattice_multiply   cells (text, colour, background) of the top factor
//                      i+2[1..q], the side factor i+2[q+1..n], the left
//                      products i+4[1..p] and the bottom ones i+4[p+1..n], each
//                      coloured from the next row at k and n + k (n = p + q);
//                      first digits i+6[k] coloured i+7[k] and i+7[m + k],
//                      second digits i+6[m + k] coloured i+7[2m + k] and
//                      i+7[3m + k], k = r·q + c + 1 for cell (r, c), m = p·q
//   grid_multiply      headings as the lattice's factors; cells i+4[k]
//                      coloured i+5[k] and i+5[m + k]
//   tableau_op         the values of i+2 and i+3 as R rows of K, R = i+5[1],
//                      K = i+4[2]; then globals and locals as measured
//   add_column         the values of i+2 and i+3 as b rows of c (i+1[3] and
//                      i+1[4]); a = i+1[2]
//   divide_partial_op  the value lists of i+2 ... i+5 in row order
//   divide_op          the value lists of i+2 ... i+6
//   count_op           the value lists of i+2 ... i+5
// An item whose rows are too short for what its counts ask draws nothing.
// Nothing is clipped: the drawers keep inside the box they measure by drawing
// a text that has less room than it needs smaller, never cut.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isPlugInItemKind(std::string_view kind);

LayoutSize measurePlugInItem(const LayoutFrame& frame);
void drawPlugInItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

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
// Drawing: the prime tree. The other plug-ins draw nothing here yet.

#include <string_view>

#include "renderer/LayoutFrame.h"

namespace duolinear {

bool isPlugInItemKind(std::string_view kind);

LayoutSize measurePlugInItem(const LayoutFrame& frame);
void drawPlugInItem(const LayoutFrame& frame, double x, double y);

}  // namespace duolinear

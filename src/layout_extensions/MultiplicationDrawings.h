#pragma once
// The drawings of the lattice and grid multiplication plug-ins.
//
// Lattice: the top factor's digits stand over a grid of square cells, one
// column each; the side factor's digits stand right of the grid, one row
// each. A diagonal from each cell's top-right to its bottom-left corner parts
// the tens digit of the cell's partial product (upper left) from its units
// digit (lower right); the diagonals run on a quarter cell past the left and
// bottom edges, and the product's digits stand left of the rows (the higher
// ones) and under the columns, at the ends of the diagonal bands they sum.
//
// Grid: the top factor's parts head the columns of a grid of square cells,
// the side factor's parts head its rows on the left, and each cell holds the
// product of its headings.
//
// Every text is a PlugInCell: its text drawn in its colour over its
// background. A partial's background fills its triangle (lattice) or its whole
// cell (grid) rather than the text's own box. Each drawer sizes itself with
// its measurer (PlugInMeasurers.h) from the counts of the lists it gets and
// fills exactly that box: left edge x, top y − ascent, where y is the
// baseline. The box is sized for the first headings' digits: a longer text
// (a later heading, a product wider than its cell) is drawn smaller where it
// stands, within its cell or the margin beside the grid. Lists that do not
// fit together (no factor digits, a product list or a grid of another shape
// than the factors give) draw nothing.

#include <vector>

#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

using PlugInCells = std::vector<PlugInCell>;
using PlugInCellGrid = std::vector<PlugInCells>;

// Grids: one row per side-factor digit, one cell per top-factor digit.
void drawLatticeMultiply(const PlugInCells& topFactor, const PlugInCells& sideFactor, const PlugInCells& leftProducts,
                         const PlugInCells& bottomProducts, const PlugInCellGrid& upperDigits,
                         const PlugInCellGrid& lowerDigits, double x, double y, double size);

// The first top heading and the first side heading size every cell: room for
// a product with as many digits as the two together.
void drawGridMultiply(const PlugInCells& topFactor, const PlugInCells& sideFactor, const PlugInCellGrid& cells,
                      double x, double y, double size);

}  // namespace duolinear

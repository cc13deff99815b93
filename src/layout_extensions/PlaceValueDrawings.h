#pragma once
// The drawings that write numbers in place-value columns under turned labels
// ("1000", "100", "10", "1" from the left): the tableau (column sums and
// differences with small rows of carries or regrouped digits on top, struck
// digits and highlights) and column addition (addends, a rule and the column
// sums, with thin lines between the columns).
//
// Every cell has an attribute code, one letter per property, "N" (or any
// other letter) for off:
//   tableau          1st "Y" shown, 2nd "Y" struck through, 3rd "G" gray or
//                    "R" light gray behind it
//   column addition  1st "Y" shown, 2nd "G" gray or "R" light gray
// A missing letter is off. A cell whose text is "Z" is never drawn: it keeps
// its place empty.
//
// Each drawer sizes itself with its measurer (PlugInMeasurers.h) and fills
// that box: left edge x, top y − ascent, where y is the baseline. A record its
// measurer refuses, a grid of another shape than its counts say, or a number
// field that is not a decimal integer draws nothing. A two-digit text in the
// smaller font is centred on its column; a text with less room than it needs
// (its column's pitch less the line between columns, and no further than the
// box's right edge) is drawn smaller where it stands, so that it neither
// leaves the box nor touches a neighbour's text or a column line.

#include <cstdint>
#include <string>

#include "layout_extensions/PlugInMeasurers.h"
#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

// globals: [0] R (the row R − 2 is followed by the plus section's gap),
// [1] the column count, [2] the number of small rows on top, [3] "true" for
// compact mode; locals: [0] the row count, [1] "true" for the plus section.
// The text is drawn as the operator in front of the first full-size row after
// the top one; a rule follows that row.
void drawTableauOp(const std::string& text, const TextGrid& tableau, const TextGrid& attributes,
                   const TextList& globals, const TextList& locals, double x, double y, double size);

// measureAddColumn's box for a record whose tableau and attributes have the
// shape its counts say; but nothing, (0, 0, 0), when a cell it shows would
// still be wider than its room at the smallest size a text is shrunk to (see
// shrunkFontSize): such a record is broken, and draws nothing rather than
// draw outside its box. A tableau of another shape measures as
// measureAddColumn says (and draws nothing).
PlugInSize measureAddColumnCells(double size, const std::string& text, std::int64_t lines, std::int64_t rows,
                                 std::int64_t columns, const TextGrid& tableau, const TextGrid& attributes);

// `lines` rows are sized for and crossed by the lines between the columns;
// the tableau has `rows` rows of `columns` cells. The text stands in front of
// row 1, and a rule follows that row. A one-character text is drawn full size
// at its column's left edge, any other in the smaller font.
void drawAddColumn(const std::string& text, std::int64_t lines, std::int64_t rows, std::int64_t columns,
                   const TextGrid& tableau, const TextGrid& attributes, double x, double y, double size);

}  // namespace duolinear

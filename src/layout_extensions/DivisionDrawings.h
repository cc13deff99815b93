#pragma once
// The drawings of long division and of division by partial quotients: the
// divisor left of a bracket whose bar runs over the dividend, the quotient
// above the bar (with " R " and the remainder when there is one), and below
// it the products taken away step by step, each with a minus sign and a rule,
// and the differences left.
//
// locals: [0] the stage, which says what is shown and highlighted; [1] m, the
// number of steps drawn. globals: [0] the dividend, [1] the divisor, [2] the
// quotient (partial division only), [3] the remainder, "0" for none.
//
// Each drawer sizes itself with its measurer (PlugInMeasurers.h) and fills
// that box: left edge x, top y − ascent, where y is the baseline. A record its
// measurer refuses, a step count that is not a whole number, or too few
// entries for the steps drawn draws nothing. In partial division a product
// wider than the dividend is drawn smaller, together with its minus sign, so
// that both stay inside the box.

#include <string>

#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

// Long division on a grid of digit-wide columns: tableau row i is written one
// character per column ("B" leaves a column blank) over the background codes
// of the same row ("L" light gray, "D" gray, anything else none). The divisor
// fills the first columns; the dividend's columns start two gaps further
// right. Row 0 is the quotient, row 1 divisor and dividend; step k has its
// product on row 2k + 2 and its difference on row 2k + 3. `lines` holds four
// whole numbers per rule, dividend column and grid row of its two ends; the
// stage "SUBTRACT" draws one rule more than m. "SOLUTION" shows the remainder
// highlighted, "SUMMARY" plain.
void drawDivideOp(const std::string& text, const TextList& tableau, const TextList& background, const TextList& lines,
                  const TextList& globals, const TextList& locals, double x, double y, double size);

// Division by partial quotients, every number right-aligned: tableau[2k + 1]
// is the product taken away in step k and tableau[2k + 2] what is left;
// partials[k] is the step's partial quotient, written right of a separator.
// The stages "ADD", "SOLUTION" and "SUMMARY" add up the partial quotients
// under a rule; "SOLUTION" and "SUMMARY" show the quotient above the bar.
void drawDividePartialOp(const std::string& text, const TextList& tableau, const TextList& partials,
                         const TextList& globals, const TextList& locals, double x, double y, double size);

}  // namespace duolinear

#pragma once
// The drawing of counting up or down in steps: each step is written in
// place-value columns under turned labels as three numbers, the value before
// it, its amount with "+" (or "−" when counting down) and a rule under it, and
// the value after it, where the next step starts. In the stages "COUNT" and
// "SUMMARY" a second set of columns on the right adds up the amounts counted.
//
// tableau: three texts per step (before, amount, after); countUps: the amounts
// of the second columns, top to bottom. globals: [0] "COUNT DOWN" or another
// text for counting up, [1] the main column count, [2] the second column
// count, [3] the total under the second columns. locals: [0] the stage, [1] m,
// the number of steps drawn. The stages highlight in gray: "STEP" the last
// step, "SHOW" the last step's values and every amount, "COUNT" every amount
// and count-up (the total in red), "SUMMARY" and "SUMMARY SHORT" nothing; any
// other stage every amount.
//
// The drawer sizes itself with measureCountOp (PlugInMeasurers.h) and fills
// that box: left edge x, top y − ascent, where y is the baseline. A record the
// measurer refuses, fewer than four globals, a step count that is not a whole
// number or fewer than 3m tableau texts draws nothing. A number wider than its
// room is drawn smaller, right-aligned on its columns; the second columns list
// at most m amounts, one per step, for which the box has room.

#include <string>

#include "layout_extensions/PlugInRecords.h"

namespace duolinear {

void drawCountOp(const std::string& text, const TextList& tableau, const TextList& countUps, const TextList& globals,
                 const TextList& locals, double x, double y, double size);

}  // namespace duolinear

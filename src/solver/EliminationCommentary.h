#pragma once
// The commentary step of addition and elimination: the two equations in gray
// with the eliminated variable's coefficients in black, what is eliminated
// and how, the two coefficients compared, and what each equation is
// multiplied by before the equations are added or subtracted.

#include "algebra/Outcome.h"
#include "solver/SolverFacts.h"
#include "solver/SolverFrame.h"

namespace duolinear {

// Nothing for substitution. The frame's comment is "commentary". Fails when
// the facts have no multipliers or the arithmetic overflows.
Outcome<SolverFrame> eliminationCommentary(const SolverFacts& facts);

}  // namespace duolinear

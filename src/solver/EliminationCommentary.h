#pragma once
// The commentary step of addition and elimination: the two equations in gray
// with the eliminated variable's coefficients in black, what is eliminated
// and how, the two coefficients compared, and what each equation is
// multiplied by before the equations are added or subtracted.

#include "algebra/Outcome.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"
#include "solver/SolverFrame.h"

namespace duolinear {

// Nothing for substitution. The frame's comment is "commentary". Fails when
// the system has no whole coefficients, an eliminated coefficient is 0 or
// the arithmetic overflows.
Outcome<SolverFrame> eliminationCommentary(const Duolinear& system, Duolinear_variable variable, Duolinear_LCM use_LCM,
                                           Duolinear_method method);

}  // namespace duolinear

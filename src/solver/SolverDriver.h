#pragma once
// The entry of the two-equation solver: checks a system, classifies it and
// assembles its worked solution, one frame (a step's lines and its comment
// lines) at a time.
//
// Input it refuses comes back as a single step captioned "oops", whatever
// quiet is: a system not of the solver's shape ("missing coefficient"), a
// coefficient with denominator 0 ("division by zero"), an equation without a
// variable term ("missing variable term"), a coefficient that is not a whole
// number ("whole numbers only") and numbers whose arithmetic would overflow
// 64 bits ("numbers too large"), each followed by "please correct".
//
// Between the opening and the closing frame stand either the two steps of
// the single-variable shortcut or, in this order, the common-factor advice,
// the elimination commentary and the method's own steps.

#include <string>

#include "linear_steps/WorkedSteps.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"

namespace duolinear {

// The system's facts (SolverFacts.h) are worked out once, after the checks,
// and handed with the choices to every step. quiet leaves out the opening
// ("🤔") and closing ("😎") frames.
WorkedSteps solveDuolinearSystem(const Duolinear& system, const SolverChoices& choices, bool quiet);

// The one-step refusal: the reason, then "please correct"; comment "oops".
WorkedSteps refusalSteps(const std::string& reason);

}  // namespace duolinear

#pragma once
// One step of a worked solution as the solver's producers make it: its lines
// and its comment lines. A producer that may have nothing to say, or whose
// 64-bit arithmetic may give out, gives an Outcome<SolverFrame>
// (algebra/Outcome.h); on a failure the driver refuses the whole system
// in-band.

#include <string>
#include <vector>

#include "layout/TagLayout.h"

namespace duolinear {

struct SolverFrame {
    StepLines lines;
    std::vector<std::string> comments;
};

}  // namespace duolinear

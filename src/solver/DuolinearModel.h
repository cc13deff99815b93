#pragma once
// The model that every entry and practice screen owns: the coefficients of
// a·x + b·y = c for two equations and the learner's four choices, and the
// worked solution that the step screen shows.

#include <vector>

#include "algebra/Rational.h"
#include "layout/TagLayout.h"
#include "solver/DuolinearOptions.h"

namespace duolinear {

// The three lists that the step screen holds.
struct WorkedSolution {
    StepList steps;
    StepComments comments;
    StepParameters parameters;  // always ["?"]
};

struct DuolinearModel {
    std::vector<Rational> coeffs_L_0;  // first equation: [x coefficient, y coefficient]
    std::vector<Rational> coeffs_R_0;  // first equation: [constant]
    std::vector<Rational> coeffs_L_1;  // second equation: [x coefficient, y coefficient]
    std::vector<Rational> coeffs_R_1;  // second equation: [constant]
    Duolinear_variable variable = Duolinear_variable::x;
    Duolinear_equation equation = Duolinear_equation::first;
    Duolinear_LCM use_LCM = Duolinear_LCM::LCM;
    Duolinear_method method = Duolinear_method::addition;

    // The two equations built from the lists (entries beyond two and one are
    // ignored) and solved with the opening and closing steps. A list that is
    // too short (the default model has empty lists) gives the one-step
    // refusal "missing coefficient"; every other refusal is the solver's.
    WorkedSolution workedSolution() const;
};

}  // namespace duolinear

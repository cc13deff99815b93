#pragma once
// The entry point of the quadratic step solver: one quadratic equation in one
// variable worked step by step by the chosen method, with the choices of the
// linear step engine (see each method's header for the choices it reads).
//   formula              formulaSteps (FormulaSteps.h)
//   complete_the_square  completeTheSquareSteps (CompleteTheSquareSteps.h)
//   factor, and any other value   factoringSteps (FactoringSteps.h)

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "linear_steps/LinearStepChoices.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

WorkedSteps quadraticSteps(Quadratic_method quadraticMethod, const PolyEquation& equation,
                           const LinearStepChoices& choices = {});

}  // namespace duolinear

#include "quadratic/QuadraticSteps.h"

#include "quadratic/CompleteTheSquareSteps.h"
#include "quadratic/FactoringSteps.h"
#include "quadratic/FormulaSteps.h"

namespace duolinear {

WorkedSteps quadraticSteps(Quadratic_method quadraticMethod, const PolyEquation& equation,
                           const LinearStepChoices& choices) {
    switch (quadraticMethod) {
        case Quadratic_method::formula:
            return formulaSteps(equation, choices);
        case Quadratic_method::complete_the_square:
            return completeTheSquareSteps(equation, choices);
        default:
            return factoringSteps(equation, choices);
    }
}

}  // namespace duolinear

#pragma once
// The stages of linearEquationSteps after its opening, in the order it runs
// them. Each adds at most one step to work.worked and moves work.current on:
// it has nothing to do, or it is done, or it failed because the 64-bit
// arithmetic gave out (or the equation was not of the shape the stage
// expects); the engine then drops everything and answers with its refusal.

#include <cstdint>
#include <optional>
#include <string>

#include "algebra/Outcome.h"
#include "linear_steps/LinearWork.h"

namespace duolinear {

// An equation that is already solved, or nearly (a constant against x or -x,
// or two constants), is finished in one "solve" step and the closing frame.
// Nothing to do when the equation is not of that form.
Outcome<Done> solvedFormShortcut(LinearWork& work);

Outcome<Done> simplifyStage(LinearWork& work, Step_exclusions exclusions);
Outcome<Done> combineSimpleLikeTermsStage(LinearWork& work);
Outcome<Done> clearFractionsStage(LinearWork& work);
Outcome<Done> combineLikeTermsStage(LinearWork& work);
Outcome<Done> termsToOneSideStage(LinearWork& work);
Outcome<Done> constantTermsOppositeStage(LinearWork& work);
Outcome<Done> divisionStage(LinearWork& work);

// An equation cleared of its decimals and the power of ten that did it.
struct ClearedDecimals {
    std::int64_t factor = 1;
    PolyEquation equation;
};

// When factor, the common denominator, is a power of ten greater than the
// highest count of decimal places of the numbers (as the decimal style shows
// them, from their values), the equation cleared by 10 to that count instead:
// by 1 when every number is whole in value (11090/10 reads 1109). No value
// when the factor already fits the places (or is no power of ten).
std::optional<ClearedDecimals> clearedByPlacesShown(const PolyEquation& equation, std::int64_t factor);

}  // namespace duolinear

#pragma once
// The stages of linearEquationSteps after its opening, in the order it runs
// them. Each adds at most one step to work.worked and moves work.current on.
// A stage returns false only when the 64-bit arithmetic gave out; the engine
// then drops everything and answers with its refusal.

#include <cstdint>
#include <string>

#include "linear_steps/LinearWork.h"

namespace duolinear {

enum class ShortcutOutcome { not_solved, solved, overflow };

// An equation that is already solved, or nearly (a constant against x or -x,
// or two constants), is finished in one "solve" step and the closing frame.
ShortcutOutcome solvedFormShortcut(LinearWork& work);

bool simplifyStage(LinearWork& work, Step_exclusions exclusions);
bool combineSimpleLikeTermsStage(LinearWork& work);
bool clearFractionsStage(LinearWork& work);
bool combineLikeTermsStage(LinearWork& work);
bool termsToOneSideStage(LinearWork& work);
bool constantTermsOppositeStage(LinearWork& work);
bool divisionStage(LinearWork& work);

// The message under a clearing step: a power of ten in decimal style is
// announced as 10ⁿ (n one superscript digit, "..." from ten places on); every
// other factor as the LCM of the denominators.
std::string clearingMessage(Style style, std::int64_t factor);

}  // namespace duolinear

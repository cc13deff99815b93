#pragma once
// The one step with which both step engines refuse an equation they cannot
// work, and the reason it gives: the equation, two blank lines, the reason
// and "please correct", commented "oops". Each reason has its own text, so a
// learner reads what to correct: a denominator 0 ("division by zero"),
// arithmetic that leaves 64 bits ("numbers too large"), or an equation that
// is not linear in one letter (a square term, two different letters).

#include <string>

#include "algebra/Equation.h"
#include "layout/TagLayout.h"
#include "linear_steps/WorkedSteps.h"

namespace duolinear {

enum class Refusal { zero_denominator, numbers_too_large, not_linear };

// "division by zero", "numbers too large" or "not linear in one variable".
std::string refusalText(Refusal reason);

// The refusal step drawn under the given equation line.
WorkedSteps refusalOf(Refusal reason, TagLayout equationLine);

// Whether a working is such a refusal: its one step commented "oops".
inline bool isRefusal(const WorkedSteps& worked) {
    return worked.comments.size() == 1 && worked.comments.front().size() == 1 &&
           worked.comments.front().front() == "oops";
}

// Every term with a non-zero numerator is a constant or a first power of one
// and the same letter.
bool isLinearInOneVariable(const PolyEquation& equation);

}  // namespace duolinear

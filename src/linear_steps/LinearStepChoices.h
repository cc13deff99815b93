#pragma once
// The caller's choices for one worked solution of a linear equation: the one
// parameter of both the plain and the bracketed step engines, kept by their
// working state. Call sites name what they change, for instance
//   linearEquationSteps(equation, {.skipOpeningFrame = true});
//
// technique: how terms move (balance writes the operation on both sides).
// highlight: the parts each step acts on in red rather than black.
// skipOpeningFrame: no "🤔" and "😎" steps and no sign-change notice.
// style: how coefficients are drawn; also decides "clear decimals", and the
//   bracketed engine draws its answer in decimals in the decimal style.
// method: the advice on collecting variable terms (smart draws from random).
// clearFractions: false leaves out the plain engine's clearing stage.
// clearExtFractions: the bracketed engine's own clearing step.
// random: the source of the smart advice; none means the process default.
// kept: the steps the caller keeps: all, or only the first or the last (the
//   solver shows one step of a working). The engines then put together only
//   that step; every stage still does its arithmetic, so a failure anywhere
//   still refuses the equation and the smart advice draws as often.

#include "algebra/Options.h"
#include "algebra/RandomSource.h"

namespace duolinear {

enum class KeptSteps { all, first, last };

struct LinearStepChoices {
    Technique technique = Technique::transpose;
    bool highlight = false;
    bool skipOpeningFrame = false;
    Style style = Style::fraction;
    Method method = Method::smart;
    bool clearFractions = true;
    bool clearExtFractions = true;
    RandomSource* random = nullptr;
    KeptSteps kept = KeptSteps::all;
};

}  // namespace duolinear

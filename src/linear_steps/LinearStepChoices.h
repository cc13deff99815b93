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
// clearExtFractions: the bracketed engine's own "clear fractions" step.
// random: the source of the smart advice; none means the process default.

#include "algebra/Options.h"
#include "algebra/RandomSource.h"

namespace duolinear {

struct LinearStepChoices {
    Technique technique = Technique::transpose;
    bool highlight = false;
    bool skipOpeningFrame = false;
    Style style = Style::fraction;
    Method method = Method::smart;
    bool clearFractions = true;
    bool clearExtFractions = true;
    RandomSource* random = nullptr;
};

}  // namespace duolinear

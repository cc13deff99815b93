#pragma once
// The caller's choices for one worked solution of a linear equation, kept by
// the working state of both the plain and the bracketed step engines.

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
    RandomSource* random = nullptr;
};

}  // namespace duolinear

#pragma once
// The three guides, one per method, and the chapters and pages they share.

#include <string>
#include <vector>

#include "guides/GuideModel.h"
#include "guides/Systems.h"
#include "solver/DuolinearOptions.h"

namespace duolinear::guides {

// "addition", "elimination", "substitution".
std::string methodName(Duolinear_method method);

// The first chapter of every guide: what a system of two linear equations is,
// what its solutions can be, and how the app is used. Starts at page 0.
Chapter introChapter(Duolinear_method method);

// Pages every technique chapter has, told for the method at hand.
Page commonFactorPage(Duolinear_method method);
Page shortcutPage(Duolinear_method method);
Page specialCasesPage(Duolinear_method method);
Page movingTermsPage(Duolinear_method method);
Page checkingPage(Duolinear_method method);
Page glossaryPage(Duolinear_method method);

// Systems with one solution in whole numbers, for exercises.
const std::vector<SystemSpec>& exerciseSystems();

Guide additionGuide();
Guide eliminationGuide();
Guide substitutionGuide();

}  // namespace duolinear::guides

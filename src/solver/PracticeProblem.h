#pragma once
// Random practice systems a1·x + b1·y = c1, a2·x + b2·y = c2 with integer
// coefficients, by level of difficulty and method. The easier levels build
// the constants from an integer solution and reject singular draws and
// equations that a common factor would simplify; the harder levels only keep
// the coefficients of each variable from dividing one another.
//
// All draws go through a RandomSource. Every rejection loop gives up after a
// fixed number of attempts (far more than a fair source ever needs), so that
// a broken source cannot hang the caller; the generator then gives no value.

#include <cstdint>
#include <optional>

#include "algebra/RandomSource.h"
#include "solver/DuolinearOptions.h"
#include "solver/PracticeQuestion.h"

namespace duolinear {

// Attempts of one rejection loop before the generator gives up.
inline constexpr int kPracticeMaxAttempts = 10000;

// The coefficients for a level and method. Substitution at level 0 puts a
// unit coefficient on different variables in the two equations; otherwise
// substitution at level n draws as the other methods at level n − 1. Levels
// above 3 and negative levels draw as level 3.
std::optional<PracticeCoefficients> practiceCoefficients(std::int64_t level, Duolinear_method method,
                                                         RandomSource& source = defaultRandomSource());

std::optional<PracticeProblem> generatePracticeProblem(std::int64_t level, Duolinear_method method,
                                                       RandomSource& source = defaultRandomSource());

}  // namespace duolinear

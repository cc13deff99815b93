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
#include <string>
#include <vector>

#include "algebra/RandomSource.h"
#include "solver/DuolinearOptions.h"

namespace duolinear {

// The six integers of a practice system.
struct PracticeCoefficients {
    std::int64_t a1 = 0, b1 = 0, c1 = 0;
    std::int64_t a2 = 0, b2 = 0, c2 = 0;
    friend bool operator==(const PracticeCoefficients&, const PracticeCoefficients&) = default;
};

// What the practice keypad receives: the question as one plain line (the
// screen shows it as a label's text), and the coefficients as decimal texts in
// the shape [[[a1, b1, c1]], [[a2, b2, c2]]].
struct PracticeProblem {
    std::vector<std::string> examples;
    std::vector<std::vector<std::vector<std::string>>> inputs;
};

// Attempts of one rejection loop before the generator gives up.
inline constexpr int kPracticeMaxAttempts = 10000;

// The coefficients for a level and method. Substitution at level 0 puts a
// unit coefficient on different variables in the two equations; otherwise
// substitution at level n draws as the other methods at level n − 1. Levels
// above 3 and negative levels draw as level 3.
std::optional<PracticeCoefficients> practiceCoefficients(std::int64_t level, Duolinear_method method,
                                                         RandomSource& source = defaultRandomSource());

// "2x + 3y = 7 and -x − y = -2": the minus before a y term is U+2212, every
// other minus a hyphen-minus; a unit x coefficient shows as "x" or "-x", a
// unit y coefficient as "y".
std::string practiceQuestionText(const PracticeCoefficients& k);

// The record of a system: its question line and its coefficient texts.
PracticeProblem practiceProblemRecord(const PracticeCoefficients& k);

std::optional<PracticeProblem> generatePracticeProblem(std::int64_t level, Duolinear_method method,
                                                       RandomSource& source = defaultRandomSource());

}  // namespace duolinear

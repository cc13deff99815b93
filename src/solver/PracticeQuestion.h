#pragma once
// A practice system a1·x + b1·y = c1, a2·x + b2·y = c2 with integer
// coefficients, and what the practice keypad is handed of it: the question as
// one plain line and the coefficients as decimal texts.

#include <cstdint>
#include <string>
#include <vector>

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

// "2x + 3y = 7 and -x − y = -2": the minus before a y term is U+2212, every
// other minus a hyphen-minus; a unit x coefficient shows as "x" or "-x", a
// unit y coefficient as "y".
std::string practiceQuestionText(const PracticeCoefficients& k);

// The record of a system: its question line and its coefficient texts.
PracticeProblem practiceProblemRecord(const PracticeCoefficients& k);

}  // namespace duolinear

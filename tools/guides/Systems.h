#pragma once
// The systems that the guides work through: their worked solutions as the app
// makes them, their equations drawn and written out, and their verdicts.

#include <optional>
#include <string>

#include "guides/GuideModel.h"
#include "solver/Classification.h"
#include "solver/DuolinearModel.h"
#include "solver/DuolinearOptions.h"

namespace duolinear::guides {

// a1·x + b1·y = c1 and a2·x + b2·y = c2, with whole coefficients.
struct SystemSpec {
    long long a1 = 0, b1 = 0, c1 = 0;
    long long a2 = 0, b2 = 0, c2 = 0;
};

// The learner's choices on an entry screen.
struct Choices {
    Duolinear_method method = Duolinear_method::addition;
    Duolinear_variable variable = Duolinear_variable::x;
    Duolinear_equation equation = Duolinear_equation::first;
    Duolinear_LCM lcm = Duolinear_LCM::LCM;
};

// The worked solution the step screen would show after typing the system and
// choosing these options.
WorkedSolution workedSolutionOf(const SystemSpec& system, const Choices& choices);

std::optional<DuolinearClassification> classificationOf(const SystemSpec& system);

// "2x + 3y = 7", with U+2212 minus signs and no-break spaces; zero terms left out.
std::string equationText(long long a, long long b, long long c);
std::string firstEquationText(const SystemSpec& system);
std::string secondEquationText(const SystemSpec& system);

// The two equations laid out for the step renderer, zero terms left out.
StepLines systemLines(const SystemSpec& system);

// The verdict lines of the closing step ("one solution", x = .., y = .., and
// what the graphs look like), without the blank lines above them.
StepLines verdictLines(const SystemSpec& system);

// Both equations with the solution put in, e.g. "2·2 + 3·1 = 7 and 2 − 1 = 1";
// empty unless the system has one solution in whole numbers.
std::string checkText(const SystemSpec& system);

GraphPanel graphOf(const SystemSpec& system, const std::string& caption);

// A whole number with a U+2212 minus sign.
std::string numberText(long long value);

}  // namespace duolinear::guides

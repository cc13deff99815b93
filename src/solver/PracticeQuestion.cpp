#include "solver/PracticeQuestion.h"

#include "algebra/Checked.h"

namespace duolinear {

namespace {

const char* const kMinusSign = "\u2212";  // U+2212 MINUS SIGN

std::string xTermText(std::int64_t a) {
    if (a == 1) return "x";
    if (a == -1) return "-x";
    return std::to_string(a) + "x";
}

std::string yTermText(std::int64_t b) {
    // The sign goes into the separator, so only the size is written here.
    const std::uint64_t size = magnitude(b);
    if (size == 1) return "y";
    return std::to_string(size) + "y";
}

std::string equationText(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::string separator = b < 0 ? std::string(" ") + kMinusSign + " " : std::string(" + ");
    return xTermText(a) + separator + yTermText(b) + " = " + std::to_string(c);
}

}  // namespace

std::string practiceQuestionText(const PracticeCoefficients& k) {
    return equationText(k.a1, k.b1, k.c1) + " and " + equationText(k.a2, k.b2, k.c2);
}

PracticeProblem practiceProblemRecord(const PracticeCoefficients& k) {
    PracticeProblem problem;
    problem.examples.emplace_back(practiceQuestionText(k));
    problem.inputs = {
        {{std::to_string(k.a1), std::to_string(k.b1), std::to_string(k.c1)}},
        {{std::to_string(k.a2), std::to_string(k.b2), std::to_string(k.c2)}},
    };
    return problem;
}

}  // namespace duolinear

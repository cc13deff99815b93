#pragma once
// The record of a generated practice problem for one linear equation or
// inequality in x, and the pieces that every level of the generators builds
// it from: the coefficient texts, the input list of an equation and the
// plain display line.
//
// The input list of an equation holds, for each coefficient letter of the
// left side in the order the letters stand in the spaced form, its numerator
// text and its denominator text; then "RHS:"; then the same for the right
// side; then the spaced form itself, blanks included. " ax + b ? c " with
// a = 1, b = -4, c = 7 gives "1", "1", "-4", "1", "RHS:", "7", "1",
// " ax + b ? c ". The relation is not in it; only the display line shows it.

#include <string>
#include <string_view>
#include <vector>

#include "linear_problems/LinearOptions.h"
#include "platform/gfx/AttributedText.h"

namespace duolinear {

// examples: one display line per problem. inputs: one entry per problem,
// each a list with the input list of each of its equations.
struct LinearProblemRecord {
    std::vector<gfx::AttributedText> examples;
    std::vector<std::vector<std::vector<std::string>>> inputs;
};

// The decimal texts of one coefficient: "-7" and "1" for a whole number, "1"
// and "-4" for the unit fraction 1/−4 (a negative denominator stays there).
struct CoefficientText {
    std::string numerator;
    std::string denominator = "1";
    friend bool operator==(const CoefficientText&, const CoefficientText&) = default;
};

// The text between the two sides' pairs in an input list.
inline constexpr std::string_view kRightSideMarker = "RHS:";

// The coefficient letters of a spaced form in the order they stand, those
// before the first "?" on the left and the rest on the right. Anything that
// is not a letter a to i ("x", "+", brackets, blanks, a trailing "!") is passed
// over.
struct FormLetters {
    std::vector<Coeff> left;
    std::vector<Coeff> right;
};
FormLetters formLetters(std::string_view spacedForm);

// The input list of an equation of the spaced form whose letters, in the
// order they stand, have the given coefficients. The first coefficients go
// to the left side's letters, the next ones to the right side's; a
// coefficient beyond the form's letters is left out.
std::vector<std::string> problemInputList(std::string_view spacedForm,
                                          const std::vector<CoefficientText>& coefficients);

// The record of one problem of one equation: the display text as a line
// without attributes, and the inputs [[inputList]].
LinearProblemRecord plainProblemRecord(std::string displayText, std::vector<std::string> inputList);

}  // namespace duolinear

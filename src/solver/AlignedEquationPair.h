#pragma once
// Two equations set one above the other, a rule under them and their sum or
// difference below, as in a column sum. Every line is a padded text drawn in
// the monospaced font, so the x terms, the operators, the y terms, the
// equals signs and the constants stand in columns. Lengths are counted in
// characters: " − " (with U+2212) is three, the rule's "–" (U+2013) one.
//
// Equations have the solver's shape and whole coefficients: only numerators
// are read; the relation and the colours are not (every line shows " = ").
// A missing term reads as 0.

#include <cstdint>
#include <string>
#include <vector>

#include "algebra/Equation.h"
#include "layout/TagLayout.h"

namespace duolinear {

struct AlignedColumnWidths {
    std::int64_t x = 0;         // x coefficients, sign included
    std::int64_t y = 0;         // magnitudes of the y coefficients
    std::int64_t constant = 0;  // constants, sign included
};

AlignedColumnWidths alignedColumnWidths(const std::vector<PolyEquation>& equations);

// The padded text, x width + y width + constant width + 8 characters long
// when the widths were measured over a list holding the equation.
std::string formatAlignedEquation(const PolyEquation& equation, const AlignedColumnWidths& widths);

// The colours of the table's rows and the texts beside the second equation:
// the prefix (the operator) before it, the suffix (a remark) after it.
struct AlignedPairLook {
    Color firstColor = Color::black;
    Color secondColor = Color::black;
    Color resultColor = Color::black;
    std::string prefix;
    Color prefixColor = Color::black;
    std::string suffix;
    Color suffixColor = Color::black;
};

// The four lines of the table, each in the monospaced font: the first
// equation, the prefix + second equation + suffix, the rule, the result.
// The first and last carry blanks in the places of prefix and suffix so all
// four have the same length. equations holds [first, second, result]; a
// missing entry reads as 0 = 0.
StepLines alignedEquationPairTags(const std::vector<PolyEquation>& equations, const AlignedPairLook& look);

}  // namespace duolinear

#pragma once
// The middle steps of completing the square, on v² + b·v + c = 0:
//
// constantToRightSideStep moves a constant last term across:
//   v² + b·v + c = 0    c in red
//   v² + b·v = −c       −c in red, reduced (the zero right side is dropped)
//
// halveAndSquareStep, on v² + b·v = r, halves b to h = b/2, squares h to
// s = h², adds s to both sides and writes the left side as a square:
//   v² + b·v = r               b in red
//   v² + b·v + s = r + s       both s in blue, nothing combined
//   (v + h)² = r + s           h in red, the right side one number
// with three notes: "halve v coefficient from " b " to " h (red), "square to "
// s " , add to both sides" (blue), "complete the square" (black). The notes
// draw their numbers in the style given (the method gives the fraction style).
//
// appendBlackEquationLine is the fold step that turns a list of equations
// into step lines drawn all in black.
//
// The relation is carried over unchanged; new relation colours are black.

#include <vector>

#include "algebra/Equation.h"
#include "algebra/FactoredPolynomial.h"
#include "algebra/Options.h"
#include "algebra/Outcome.h"
#include "layout/TagLayout.h"

namespace duolinear {

// Nothing to do unless the last left-hand term is a constant; then [before,
// after]. Fails for an empty left side or a constant that cannot be negated.
Outcome<std::vector<PolyEquation>> constantToRightSideStep(const PolyEquation& equation);

struct HalveAndSquareStep {
    std::vector<PolyEquation> equations;  // before, after
    Polynomial_Equation_XL square;
    Layouts notes;  // the three note lines
};

// Nothing to do unless the last left-hand term has power 1 (r is 0 when the
// right side is a zero side). Fails for an empty side or on 64-bit overflow.
Outcome<HalveAndSquareStep> halveAndSquareStep(const PolyEquation& equation, Style style = Style::fraction);

// lines followed by the equation's line in the style, all black.
Layouts appendBlackEquationLine(Style style, Layouts lines, const PolyEquation& equation);

}  // namespace duolinear

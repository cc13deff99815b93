#pragma once
// How the quadratic methods state their roots: the roots line and the closing
// "😎" step of the formula and completing-the-square methods.
//
// The roots line sets its pieces side by side, all black with the tag "anon":
//   x = r               a repeated root
//   x = r1 or x = r2    two roots, the smaller first
// Rational roots are drawn as numbers or stacked fractions whatever the style;
// irrational ones in the style the caller names. A root that the exact styles
// cannot draw (one outside what quadraticRoots produces) is drawn as its
// decimal value, so a present root is never left out of the line.

#include <optional>

#include "algebra/Options.h"
#include "algebra/QuadraticSolution.h"
#include "layout/TagLayout.h"
#include "quadratic/QuadraticOpening.h"
#include "quadratic/QuadraticRoots.h"

namespace duolinear {

// rootLayout in the style, or the root's decimal value when it has none;
// none when even the decimal digits cannot be assured.
std::optional<TagLayout> rootLayoutOrDecimal(const Quadratic_solution& root, Style style);

// The roots line; no value when there are no roots (status none), or when a
// root cannot be drawn.
std::optional<TagLayout> rootsLine(char variable, const QuadraticRoots& roots, Style irrationalStyle);

// The style of irrational roots in a closing step: over one common
// denominator in place of the stacked fraction style, else the chosen style.
Style closingSurdStyle(Style style);

// The closing step's lines: the opening line, two blank lines, the roots line
// of the opening's roots (left out when there are none) and the verdict, the
// raw value of the status ("distinct rational solutions", "no solution", ...).
StepLines closingLines(const OpeningState& state, Style style);

}  // namespace duolinear

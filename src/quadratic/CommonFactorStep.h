#pragma once
// The common-factor step of the factoring method ("simplify the equation"):
// once the equation is a polynomial against 0, the greatest common divisor G
// of its coefficients is taken out, negated when the leading coefficient is
// negative so that the quadratic left over leads with a positive coefficient.
// The step shows three equations, then the message of gcdFactorMessage(G):
//   2x² − 4x − 6 = 0      the coefficients divided, red
//   2(x² − 2x − 3) = 0    G in red before the bracket
//   x² − 2x − 3 = 0       the equation the method goes on with
// and the fold steps that turn such equations into step lines.

#include <string>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/Options.h"
#include "algebra/Outcome.h"
#include "algebra/Term.h"
#include "layout/TagLayout.h"

namespace duolinear {

struct CommonFactorStep {
    std::vector<Ext_polyEquation> equations;  // the three equations, in the order shown
    std::string message;
};

// Nothing to do unless one side is a zero side (the other side S is worked
// on; RHS is tested first), S has a constant term last, its coefficients are
// whole numbers (denominator 1) and G is neither 1 nor 0. S keeps its side of
// the relation, the other side is copied; relation as given, black relation
// colour. Fails only when a quotient does not fit 64 bits.
Outcome<CommonFactorStep> factorOutGCDStep(const PolyEquation& equation);

// Fold steps: lines followed by the equation's line in the style, with its
// colours (appendExtEquationLine) or all black (appendBlackExtEquationLine).
Layouts appendExtEquationLine(Style style, Layouts lines,
                                             const Ext_polyEquation& equation);
Layouts appendBlackExtEquationLine(Style style, Layouts lines,
                                                  const Ext_polyEquation& equation);

}  // namespace duolinear

#pragma once
// The steps of the bracket phase of the extended linear step engine. Given the
// equation in hand, each producer gives nothing when its step does not apply,
// and otherwise the equations that the step shows; the engine lays them out
// and supplies the comment. A failure (arithmetic out of 64 bits, a malformed
// side) carries no equations and makes the engine refuse.

#include <cstdint>

#include "algebra/Outcome.h"
#include "algebra/Term.h"
#include "layout/Enumerations.h"

namespace duolinear {

// The equation as the step shows it first, and the result of the step.
struct ExtEquationPair {
    Ext_polyEquation before;
    Ext_polyEquation after;
};

// The three pictures of clearing fractions and the factor that clears them.
struct ClearedFractions {
    Ext_polyEquation first;   // the top-level denominators marked
    Ext_polyEquation second;  // each side as factor(side), the factor marked
    Ext_polyEquation third;   // each top-level term multiplied out
    std::int64_t factor = 1;
    std::int64_t lcm = 1;   // the lcm of the top-level denominators
    bool decimals = false;  // factor is 10 to the places that the decimals show
};

// "simplify": every coefficient in lowest terms with a positive denominator,
// and brackets whose multiplier became 1 opened.
Outcome<ExtEquationPair> simplifyStep(const Ext_polyEquation& equation);

// "clear fractions": both sides multiplied by the lcm of the denominators of
// their top-level terms; nothing to do when that lcm is 1. With highlight the
// denominators and the factor are red. With decimals (the decimal style) the
// factor is instead 10 to the most places a top-level coefficient shows as a
// decimal (0.25 is cleared by 100, not by 4), when the decimal style writes
// every one of them as a decimal that ends and that power is a multiple of
// the lcm; a line with a fraction bar among them keeps the lcm.
Outcome<ClearedFractions> clearFractionsStep(bool highlight, const Ext_polyEquation& equation, bool decimals = false);

// "combine simple like terms": like terms of each group summed (simple: only
// whole coefficients).
Outcome<ExtEquationPair> combineSimpleLikeTermsStep(bool simple, const Ext_polyEquation& equation);

// "distribute to remove (  )": the first bracket of the LHS distributed, or
// when it has none the first of the RHS; one bracket per call. With highlight
// the multiplier, its group and the products are red.
Outcome<ExtEquationPair> distributeStep(bool highlight, const Ext_polyEquation& equation);

// Each side wholly in its colour, brackets included; the relation in relationColor.
Ext_polyEquation recolorExtEquation(Color lhsColor, Color rhsColor, Color relationColor, Ext_polyEquation equation);

}  // namespace duolinear

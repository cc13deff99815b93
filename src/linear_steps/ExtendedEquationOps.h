#pragma once
// Equation-level forms of the side operations of ExtendedPolynomialOps.h:
// each applies its side operation to the LHS and to the RHS and rebuilds the
// equation with the same relation and a black relation colour.

#include "algebra/Equation.h"
#include "algebra/Outcome.h"
#include "algebra/Term.h"

namespace duolinear {

// Both sides well formed (isWellFormedExtSide).
bool isWellFormedExtEquation(const Ext_polyEquation& equation);

// A denominator 0 anywhere on either side, inside brackets and dead groups too.
bool eitherExtSideHasZeroDenominator(const Ext_polyEquation& equation);

// Zero terms and brackets around a lone zero dropped on both sides.
Ext_polyEquation pruneExtEquation(bool resetColors, Ext_polyEquation equation);

// Every bracket whose multiplier is 1 opened on both sides.
Ext_polyEquation unwrapUnitBracketsBothSides(Ext_polyEquation equation);

// The plain equation of the two top-level groups.
PolyEquation extToPolyEquation(const Ext_polyEquation& equation);

// The top-level group of either side holds a bracket term.
bool eitherExtSideHasBrackets(const Ext_polyEquation& equation);

// Constants multiplied into bracketed constants on both sides; nothing to do
// when neither side has such a pair (a side without one stays as it was).
Outcome<Ext_polyEquation> absorbSingleTermGroupsBothSides(const Ext_polyEquation& equation);

}  // namespace duolinear

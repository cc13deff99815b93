#pragma once
// Operations on one side of an equation whose terms may multiply bracketed
// groups (an Ext_polynomial). The side's groups are addressed by position; the
// LAST group is the top-level sum, every other group a bracketed group that
// one term of a later group multiplies.
//
// A group whose bracket is opened (distributed, unwrapped or absorbed) is not
// removed but replaced by the single zero term, so that the positions of the
// groups after it never change. Such a dead group is referred to by nothing
// and never drawn.
//
// Wherever an operation looks for "the first" term it scans the groups by
// ascending position and each group's terms in order; each single rewrite
// changes one term per call. The operations are pure: they return new values
// (a side taken by value may be handed over with std::move to spare a copy).
//
// Sides are expected to be well formed (isWellFormedExtSide). A bracket that
// names no earlier group makes the arithmetic rewrites fail and is passed over
// by the others; arithmetic that leaves 64 bits makes a rewrite fail.

#include <cstdint>
#include <optional>

#include "algebra/Equation.h"
#include "algebra/Outcome.h"
#include "algebra/Term.h"
#include "layout/Enumerations.h"
#include "layout/TagLayout.h"

namespace duolinear {

// The side as it stood (marked up where an operation says so) and the side
// after the rewrite.
struct ExtSidePair {
    Ext_polynomial before;
    Ext_polynomial after;
};

// The zero term: 0/1 with exponent 0 and letter x, all black, multiplying no group.
Term extZeroTerm();

// At least one group; every bracket names a group before its own; no group is
// named by two brackets.
bool isWellFormedExtSide(const Ext_polynomial& side);

// The first bracket term M multiplied into its group G: the products (reduced,
// positive denominator, exponents added, G's letters) take M's place, and G
// becomes the zero term. With highlight, before shows M and G's terms in red
// and after shows the products in red.
Outcome<ExtSidePair> distributeFirstBracket(bool highlight, const Ext_polynomial& side);

// A constant multiplier of a group holding a single plain constant, such as
// 3(5), becomes one constant term (15) in the bracket's place. Nothing to do
// when there is no such pair. The plural form repeats until none is left.
Outcome<Ext_polynomial> absorbSingleTermGroup(const Ext_polynomial& side);
Outcome<Ext_polynomial> absorbSingleTermGroups(const Ext_polynomial& side);

// The first bracket whose multiplier is the constant 1 by value (2/2 counts,
// -1 does not) is opened: the group's terms, unchanged, take its place. The
// plural form opens them all and returns the side itself when there is none.
std::optional<Ext_polynomial> unwrapUnitBracket(const Ext_polynomial& side);
Ext_polynomial unwrapUnitBrackets(Ext_polynomial side);

// Every coefficient in lowest terms with a positive denominator (rebuilt terms
// black), then the brackets whose multiplier has become 1 opened. Nothing to
// do when every coefficient is reduced already. n/0 becomes ±1/0.
Outcome<ExtSidePair> reduceExtCoefficients(const Ext_polynomial& side);

// Within each group, the later plain terms like a plain term are summed into
// it (simple: only coefficients with denominator 1 take part); bracket terms
// stay as they are. Then terms with numerator 0 are dropped, a group left
// empty becoming the zero term. Nothing to do when nothing was summed.
Outcome<ExtSidePair> combineExtLikeTerms(bool simple, const Ext_polynomial& side);

// The pieces of clearing fractions from a side's top-level group.
// lcm(accumulator, the term's denominator); no value when it does not fit.
std::optional<std::int64_t> denominatorLcmStep(std::int64_t accumulator, const Term& term);
// The term with its denominator red (highlight) and every other colour black.
Term markedDenominatorTerm(const Term& term, bool highlight);
// numerator × (lcm ÷ denominator) over 1, black; no value when it does not fit
// or the denominator is 0.
std::optional<Term> clearedTerm(const Term& term, std::int64_t lcm);

// Terms with numerator 0 dropped, then brackets around a lone zero dropped
// until none is left; a group left empty becomes the zero term. With
// resetColors everything is black.
Ext_polynomial pruneExtSide(bool resetColors, Ext_polynomial side);

// Every term in color, its brackets included.
Ext_polynomial recolorExtSide(Color color, Ext_polynomial side);
// Every coefficient in color; letters and brackets black.
Ext_polynomial recolorExtSideCoefficients(Color color, Ext_polynomial side);
// Each side's coefficients in its colour; relation kept, relation colour black.
Ext_polyEquation recolorExtCoefficients(Color lhsColor, Color rhsColor, const Ext_polyEquation& equation);

// Some term of some group, dead groups included, has denominator 0.
bool extSideHasZeroDenominator(const Ext_polynomial& side);
// The top-level group holds a bracket term.
bool extSideHasBrackets(const Ext_polynomial& side);
// The monomials of the top-level group in order (a bracket term gives its
// multiplier alone); the zero term when that leaves nothing.
Polynomial extSideToPolynomial(const Ext_polynomial& side);

// The captured lines followed by the step's own lines.
StepLines prependLayoutRows(StepLines step, const StepLines& captured);

}  // namespace duolinear

#pragma once
// PolyEquation: an equation or inequality between two sides, and
// PolyEquationClear: an equation with the whole-number factor by which both
// sides are about to be multiplied (a clear-fractions or clear-decimals step).

#include <cstdint>

#include "algebra/Polynomial.h"
#include "layout/Enumerations.h"

namespace duolinear {

// Built as PolyEquation{LHS, RHS, relation} (black relation) or with all four
// fields; the sides may be given as lists of monomials.
struct PolyEquation {
    Polynomial LHS;
    Polynomial RHS;
    Relation relation = Relation::equal_to;
    Color relation_color = Color::black;
};

struct PolyEquationClear {
    std::int64_t factor = 1;
    PolyEquation equation;
    Color factor_color = Color::black;
};

// Left sides, then right sides, by equals(Polynomial, Polynomial), then the same
// relation; the relation colour is ignored and the sides are never exchanged.
bool equals(const PolyEquation& a, const PolyEquation& b);

}  // namespace duolinear

#pragma once
// The stage "constant terms opposite to x": the constant term on the side that
// holds the variable term moves to the other side. With Technique::transpose
// it disappears from its side and reappears negated on the other; with
// Technique::balance the negated term is written on both sides.

#include <optional>

#include "algebra/Equation.h"
#include "algebra/Options.h"

namespace duolinear {

struct ConstantMove {
    PolyEquation marked;      // the equation with the moving constant marked
    PolyEquation moved;       // the negated constant written in (marked too)
    PolyEquation plainMoved;  // the same, all black
    bool didMove = false;     // false: nothing moved; the three are the input in black
};

// No value when negating the constant overflows.
std::optional<ConstantMove> moveConstantTermsOpposite(Technique technique, bool highlight,
                                                      const PolyEquation& equation);

}  // namespace duolinear

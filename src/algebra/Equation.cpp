#include "algebra/Equation.h"

namespace duolinear {

bool equals(const PolyEquation& a, const PolyEquation& b) {
    return equals(a.LHS, b.LHS) && equals(a.RHS, b.RHS) && a.relation == b.relation;
}

}  // namespace duolinear

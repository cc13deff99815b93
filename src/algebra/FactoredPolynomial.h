#pragma once
// Polynomial_XL: a factored polynomial, a list of groups of Term_XL. The last
// group is the expression itself; every other group is a bracketed group that
// a Factor of a later term names by its index. The algebra core only builds
// these values; their algebra and layouts belong to the factored-polynomial
// subsystem.

#include <vector>

#include "algebra/FactoredTerm.h"

namespace duolinear {

struct Polynomial_XL {
    std::vector<std::vector<Term_XL>> terms;
};

}  // namespace duolinear

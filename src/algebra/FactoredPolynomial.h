#pragma once
// Polynomial_XL: a factored polynomial, a list of groups of Term_XL. The last
// group is the expression itself (the root group); every other group is a
// bracketed group that a Factor of a later term names by its index, so that
// following pointers always reaches a group of smaller index. A polynomial of
// exactly one group is plain: that group is both the root and the whole.
// Polynomial_Equation_XL sets two of them side by side with a relation. The
// algebra core only holds these values; their algebra and layouts belong to
// the factored-polynomial subsystem (src/rational_expressions).

#include <utility>
#include <vector>

#include "algebra/FactoredTerm.h"
#include "layout/Enumerations.h"

namespace duolinear {

struct Polynomial_XL {
    std::vector<std::vector<Term_XL>> terms;
};

// Built as Polynomial_Equation_XL{LHS, RHS, relation} (black relation) or
// with all four fields.
struct Polynomial_Equation_XL {
    Polynomial_XL LHS;
    Polynomial_XL RHS;
    Relation relation = Relation::equal_to;
    Color relation_color = Color::black;
};

// The factored polynomial made of the given groups.
inline Polynomial_XL wrapArray(std::vector<std::vector<Term_XL>> groups) {
    return Polynomial_XL{std::move(groups)};
}

}  // namespace duolinear

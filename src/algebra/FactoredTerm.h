#pragma once
// The records of factored polynomials: a Factor names a bracketed group of
// the same polynomial (by its index) raised to a power, and a Term_XL is a
// monomial times the groups its factors name. The algebra on them belongs to
// the factored-polynomial subsystem.

#include <cstdint>
#include <vector>

#include "algebra/Monomial.h"
#include "layout/Enumerations.h"

namespace duolinear {

// Built as Factor{pointer, exponent} (black) or with all four fields.
struct Factor {
    std::uint64_t pointer = 0;
    std::uint64_t exponent = 0;
    Color parenthesis_color = Color::black;
    Color exponent_color = Color::black;
};

struct Term_XL {
    Monomial monomial;
    std::vector<Factor> factors;
};

}  // namespace duolinear

#pragma once
// A root of a quadratic held exactly as the number a + b * sqrt(c).

#include <cstdint>

#include "algebra/Rational.h"

namespace duolinear {

struct Quadratic_solution {
    Rational a;
    Rational b;
    std::int64_t c = 0;
};

}  // namespace duolinear

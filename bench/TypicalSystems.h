#pragma once
// The systems the worked-solution benchmarks time, by each method: small
// numbers with one solution, three-digit numbers with fractional values, a
// system with a common factor and no solution, and one that takes the
// single-variable shortcut.

#include <cstdint>

#include "algebra/Rational.h"
#include "solver/DuolinearModel.h"

namespace duolinear::bench {

struct TypicalSystem {
    const char* label;
    std::int64_t a1, b1, c1, a2, b2, c2;
};

inline constexpr TypicalSystem kTypicalSystems[] = {
    {"2x + 3y = 7, x - y = 1", 2, 3, 7, 1, -1, 1},
    {"-713x + 452y = -999, 881x - 37y = 605", -713, 452, -999, 881, -37, 605},
    {"4x + 6y = 10, 2x + 3y = 7", 4, 6, 10, 2, 3, 7},
    {"2x + 0y = 4, 3x + 5y = 16", 2, 0, 4, 3, 5, 16},
};

inline constexpr Duolinear_method kMethods[] = {Duolinear_method::addition, Duolinear_method::elimination,
                                                Duolinear_method::substitution};

// The entry screen's model of a system, set to solve by method.
inline DuolinearModel typicalModel(const TypicalSystem& s, Duolinear_method method) {
    DuolinearModel m;
    m.coeffs_L_0 = {Rational{s.a1, 1}, Rational{s.b1, 1}};
    m.coeffs_R_0 = {Rational{s.c1, 1}};
    m.coeffs_L_1 = {Rational{s.a2, 1}, Rational{s.b2, 1}};
    m.coeffs_R_1 = {Rational{s.c2, 1}};
    m.method = method;
    return m;
}

}  // namespace duolinear::bench

#pragma once
// The verdict on a system as the worked solution shows it: the type and the
// values from Cramer's rule (Determinants.h), and the lines that end the
// closing step.

#include <optional>
#include <vector>

#include "algebra/Equation.h"
#include "algebra/Rational.h"
#include "layout/TagLayout.h"
#include "solver/DuolinearOptions.h"
#include "solver/DuolinearSystem.h"

namespace duolinear {

struct DuolinearClassification {
    Layouts lines;  // two blank lines, then the verdict
    Duolinear_solution_type type = Duolinear_solution_type::one;
    std::optional<Rational> x;  // present exactly when type is one
    std::optional<Rational> y;
};

// One solution: "one solution", x = value, y = value, "graphs are nonparallel
// lines". Infinitely many: "infinite solutions", "graphs are the same line"
// and the common line of the first equation. None: "no solution", "graphs
// are distinct parallel lines". No value when the system is not of the
// solver's shape, has a zero denominator or its arithmetic overflows.
std::optional<DuolinearClassification> classifyDuolinearSystem(const Duolinear& system);

// The common line of a dependent system through one of its equations
// (commonLineEquation), laid out with stacked fractions.
std::optional<TagLayout> commonLineTags(const Duolinear& system, const PolyEquation& equation);

}  // namespace duolinear

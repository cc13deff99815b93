#include "solver/DuolinearModel.h"

#include <optional>
#include <utility>

#include "algebra/Equation.h"
#include "algebra/Monomial.h"
#include "algebra/Options.h"
#include "solver/DuolinearSystem.h"
#include "solver/SolverDriver.h"

namespace duolinear {

namespace {

// a·x + b·y = c with black letters; each coefficient keeps its colours.
// No value when a list is too short.
std::optional<PolyEquation> modelEquation(const std::vector<Rational>& left, const std::vector<Rational>& right) {
    if (left.size() < 2 || right.empty()) return std::nullopt;
    return PolyEquation{
        {Monomial{left[0], 1, character(Var::x)}, Monomial{left[1], 1, character(Var::y)}},
        {Monomial{right[0], 0}},
        Relation::equal_to,
    };
}

}  // namespace

WorkedSolution DuolinearModel::workedSolution() const {
    std::optional<PolyEquation> first = modelEquation(coeffs_L_0, coeffs_R_0);
    std::optional<PolyEquation> second = modelEquation(coeffs_L_1, coeffs_R_1);
    WorkedSteps steps;
    if (!first || !second) {
        steps = refusalSteps("missing coefficient");
    } else {
        // The equations move into the system (a braced list would copy them).
        Duolinear system;
        system.equations.reserve(2);
        system.equations.push_back(std::move(*first));
        system.equations.push_back(std::move(*second));
        steps = solveDuolinearSystem(
            system, {.variable = variable, .equation = equation, .use_LCM = use_LCM, .method = method}, false);
    }
    return WorkedSolution{std::move(steps.steps), std::move(steps.comments), {"?"}};
}

}  // namespace duolinear

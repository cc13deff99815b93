#include "solver/EliminationMultipliers.h"

#include "algebra/Checked.h"
#include "algebra/IntegerFunctions.h"

namespace duolinear {

namespace {

// n is a multiple of d when the truncating quotient times d gives n back.
bool isMultipleOf(std::int64_t n, std::int64_t d) {
    return checkedMultiply(checkedDivide(n, d), d) == CheckedInt{n};
}

CheckedInt smartTarget(std::int64_t c1, std::int64_t c2) {
    if (isMultipleOf(c1, c2)) return checkedAbs(c1);
    if (isMultipleOf(c2, c1)) return checkedAbs(c2);
    return checkedAbs(checkedMultiply(c1, c2));
}

}  // namespace

std::optional<EliminationMultipliers> eliminationMultipliers(const WholeCoefficients& w, const SolverChoices& choices) {
    const bool eliminateX = choices.variable == Duolinear_variable::x;
    const std::int64_t c1 = eliminateX ? w.a1 : w.b1;
    const std::int64_t c2 = eliminateX ? w.a2 : w.b2;
    if (c1 == 0 || c2 == 0) return std::nullopt;

    const bool sameSign = (c1 > 0 && c2 > 0) || (c1 < 0 && c2 < 0);
    const CheckedInt target = choices.use_LCM == Duolinear_LCM::LCM ? CheckedInt{lcm(c1, c2)} : smartTarget(c1, c2);
    const CheckedInt k1 = checkedDivide(target, checkedAbs(c1));
    const CheckedInt k2 = checkedDivide(target, checkedAbs(c2));
    if (!k1 || !k2) return std::nullopt;

    EliminationMultipliers result{*k1, *k2, sameSign};
    if (choices.method == Duolinear_method::addition && sameSign) {
        if (result.k2 == 1 && result.k1 != 1) {
            result.k1 = -result.k1;
        } else {
            result.k2 = -result.k2;
        }
    }
    return result;
}

}  // namespace duolinear

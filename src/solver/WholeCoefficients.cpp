#include "solver/WholeCoefficients.h"

#include "algebra/Checked.h"

namespace duolinear {

std::optional<std::int64_t> wholeValue(const Rational& value) {
    if (value.denominator == 0) return std::nullopt;
    const CheckedInt quotient = checkedDivide(value.numerator, value.denominator);
    if (!quotient || checkedMultiply(quotient, value.denominator) != CheckedInt{value.numerator}) {
        return std::nullopt;
    }
    return quotient;
}

std::optional<WholeCoefficients> wholeCoefficients(const Duolinear& system) {
    const std::optional<SystemCoefficients> k = systemCoefficients(system);
    if (!k) return std::nullopt;
    const std::optional<std::int64_t> values[] = {wholeValue(k->a1), wholeValue(k->b1), wholeValue(k->c1),
                                                  wholeValue(k->a2), wholeValue(k->b2), wholeValue(k->c2)};
    for (const std::optional<std::int64_t>& value : values) {
        if (!value) return std::nullopt;
    }
    return WholeCoefficients{*values[0], *values[1], *values[2], *values[3], *values[4], *values[5]};
}

}  // namespace duolinear

#include "screens/SystemEntries.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace duolinear {

std::optional<Rational> wholeNumberRational(std::string_view text) {
    // from_chars takes a leading "-" but no "+" and no blanks, as wanted.
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) return std::nullopt;
    return Rational{value, 1};
}

bool fillCoefficients(DuolinearModel& model, const ElementGroups& inputs) {
    std::array<std::array<Rational, 3>, 2> equations;
    for (std::size_t g = 0; g < equations.size(); ++g) {
        if (g >= inputs.size() || inputs[g].empty() || inputs[g].front().size() < 3) return false;
        for (std::size_t k = 0; k < 3; ++k) {
            const std::optional<Rational> value = wholeNumberRational(inputs[g].front()[k]);
            if (!value) return false;
            equations[g][k] = *value;
        }
    }
    model.coeffs_L_0 = {equations[0][0], equations[0][1]};
    model.coeffs_R_0 = {equations[0][2]};
    model.coeffs_L_1 = {equations[1][0], equations[1][1]};
    model.coeffs_R_1 = {equations[1][2]};
    return true;
}

}  // namespace duolinear

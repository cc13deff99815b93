#include "linear_problems/LinearProblemGeneratorXL.h"

#include "linear_problems/ExtendedProblemLevels.h"

namespace duolinear {

std::optional<LinearProblemRecord> generateLinearProblemXL(std::int64_t level, std::string_view relationSymbol,
                                                           RandomSource& source) {
    switch (level) {
        case 0:
            return detail::bracketProblem(relationSymbol, source);
        case 1:
            return detail::decimalProblem(relationSymbol, source);
        case 2:
            return detail::fractionProblem(relationSymbol, source);
        default:
            return detail::fractionTimesBracketProblem(relationSymbol, source);
    }
}

}  // namespace duolinear
